#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "text/fields.h"

namespace solvane {
namespace {

// Every field of text, each in brackets; a reader that never ends fails the comparison.
std::string allFields(std::string_view text)
{
    FieldReader reader(text);
    std::string fields;
    for (int n = 0; n < 100; ++n) {
        const auto field = reader.next();
        if (!field) break;
        fields += "[" + *field + "]";
    }
    return fields;
}

TEST(FieldRule, SplitsTheTextIntoFields)
{
    const std::vector<std::pair<const char*, const char*>> cases = {{"\"a,b\"junk here,5\r\n", "[a,b][5]"},
                                                                    {"\"\" x\r\n7\r\n", "[][7]"},
                                                                    {"   a b ,  \"q\"  \r\n", "[a b][q]"},
                                                                    {"1,,2\n3\r4\r\n\r\n5", "[1][][2][3][4][][5]"},
                                                                    {"\"two\r\nlines\",1\r\n", "[two\r\nlines][1]"},
                                                                    {"\"open,1\r\n2", "[open,1\r\n2]"}};
    for (const auto& [text, fields] : cases) EXPECT_EQ(allFields(text), fields) << text;
    const std::string binary = std::string(1 << 20, 'x') + std::string("\0\xff\x01", 3);
    EXPECT_EQ(allFields(binary + ",\"\xe9t\xe9\",9"), "[" + binary + "][\xe9t\xe9][9]");
}

TEST(NumberFields, AcceptOnlyAWholeDecimalNumber)
{
    const std::vector<std::pair<const char*, std::optional<double>>> cases = {
        {"-.5", -0.5},         {"1E-05", 1e-05},          {" 7 ", 7.0},           {"5.", 5.0},
        {"", std::nullopt},    {".", std::nullopt},       {"1E", std::nullopt},   {"200mm", std::nullopt},
        {"1,5", std::nullopt}, {"inf", std::nullopt},     {"0x1F", std::nullopt}, {"1E999", std::nullopt},
        {"+5", 5.0},           {"+-5", std::nullopt},     {"NaN", std::nullopt},  {"-Infinity", std::nullopt},
        {"1E-999", 0.0},       {"1E-999x", std::nullopt}, {"1e+", std::nullopt},  {"1 2", std::nullopt}};
    for (const auto& [field, value] : cases) EXPECT_EQ(parseNumberField(field), value) << field;
    // Rounded correctly whether the digits take the quick exact path or not.
    for (const auto& [field, value] :
         std::vector<std::pair<const char*, double>>{{"1.25000000e+004", 12500.0},
                                                     {"0.0001234", 0.0001234},
                                                     {"1e23", 1e23},
                                                     {"9007199254740993", 0x1p53},
                                                     {"0.30000000000000004", 0.30000000000000004}})
        EXPECT_EQ(parseNumberField(field), value) << field;
    EXPECT_EQ(parseNumberField("-."), std::nullopt);
}

// The one-pass read of a plain number field: it ends at a comma or line end, and any other form is
// left to the field reading (nullptr), which trims, takes a plus sign or reads long digits.
TEST(NumberFields, QuickFieldEndsAtTheFieldEndOrDeclines)
{
    const std::string longZeros = std::string(70, '0') + "1,";
    const std::vector<std::tuple<std::string, int, double>> cases = {{"12.5,7", 4, 12.5},
                                                                     {"-0.25\r\n", 5, -0.25},
                                                                     {"1.25e+004", 9, 12500.0},
                                                                     {".5\n", 2, 0.5},
                                                                     {" 5,", -1, 0.0},
                                                                     {"5 ,", -1, 0.0},
                                                                     {"+5,", -1, 0.0},
                                                                     {"5x,", -1, 0.0},
                                                                     {"1e+,", -1, 0.0},
                                                                     {"1.,", 2, 1.0},
                                                                     {"0.12345678,", 10, 0.12345678},
                                                                     {"3.141592653", 11, 3.141592653},
                                                                     {"2.5\xfa,99999999", -1, 0.0},
                                                                     {"1234567890123456,", -1, 0.0},
                                                                     {longZeros, -1, 0.0}};
    for (const auto& [text, end, value] : cases) {
        double read = 0.0;
        const char* stop = quickNumberField(text.data(), text.data() + text.size(), read);
        EXPECT_EQ(stop == nullptr ? -1 : static_cast<int>(stop - text.data()), end) << text;
        if (stop != nullptr) {
            EXPECT_EQ(read, value) << text;
        }
    }
}

}  // namespace
}  // namespace solvane
