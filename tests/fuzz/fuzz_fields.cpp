// The field reader on any text, driven by a sequence of calls taken from the first bytes. Every
// call on unread text must move on, so a read loop always ends; the fields are the same however
// they are asked for; a number field reads as strtod reads it.
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "fuzzcheck.h"
#include "text/fields.h"

using namespace solvane;

namespace {

constexpr std::size_t MaxCalls = 16;

void checkField(const std::string& field)
{
    // A quoted field ends at the next quote; an unquoted one at a comma or line end.
    const bool quotedOrPlain = field.find('"') == std::string::npos ||
                               field.find_first_of(",\r\n") == std::string::npos;
    FUZZ_CHECK(quotedOrPlain);

    const auto number = parseNumberField(field);
    if (!number) return;
    FUZZ_CHECK(std::isfinite(*number));
    char* end = nullptr;
    const double expected = std::strtod(field.c_str(), &end);
    FUZZ_CHECK(*number == expected);
    while (*end == ' ' || *end == '\t') ++end;
    FUZZ_CHECK(*end == '\0');
}

// The fields of the whole text, one next() at a time.
std::vector<std::string> allFields(std::string_view text)
{
    std::vector<std::string> fields;
    FieldReader reader(text);
    while (auto field = reader.next()) fields.push_back(std::move(*field));
    return fields;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Input input(data, size);
    std::vector<std::uint8_t> calls;
    const std::size_t callCount = 1 + input.byte() % MaxCalls;
    for (std::size_t i = 0; i < callCount; ++i) calls.push_back(input.byte());
    const std::string_view text = input.rest();

    const std::vector<std::string> expected = allFields(text);
    for (const std::string& field : expected) checkField(field);

    // The same text read with a mix of calls: each call on unread text moves on, and the fields
    // seen by line equal the fields seen one by one.
    FieldReader reader(text);
    std::size_t seen = 0;
    std::size_t call = 0;
    while (!reader.atEnd()) {
        const std::size_t before = reader.position();
        if (calls[call++ % calls.size()] % 2 == 0) {
            const auto field = reader.next();
            FUZZ_CHECK(field.has_value());
            FUZZ_CHECK(seen < expected.size() && *field == expected[seen]);
            ++seen;
        } else {
            const std::vector<std::string> line = reader.nextLine();
            FUZZ_CHECK(!line.empty());
            for (const std::string& field : line) {
                FUZZ_CHECK(seen < expected.size() && field == expected[seen]);
                ++seen;
            }
        }
        FUZZ_CHECK(reader.position() > before);
        FUZZ_CHECK(reader.position() <= text.size());
    }
    FUZZ_CHECK(seen == expected.size());
    FUZZ_CHECK(!reader.next().has_value());
    FUZZ_CHECK(reader.nextLine().empty());
    return 0;
}
