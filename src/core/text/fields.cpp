#include "text/fields.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace solvane {

namespace {

bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

bool endsField(char c) { return c == ',' || isLineEnd(c); }

}  // namespace

std::optional<std::string> FieldReader::next()
{
    const auto field = nextView();
    if (!field) return std::nullopt;
    return std::string(*field);
}

std::optional<std::string_view> FieldReader::nextView()
{
    // Scanned with a local position: through the member every step would be a store.
    const std::size_t size = text_.size();
    std::size_t pos = pos_;
    if (pos >= size) return std::nullopt;
    while (pos < size && text_[pos] == ' ') ++pos;

    std::string_view field;
    if (pos < size && text_[pos] == '"') {
        const std::size_t close = text_.find('"', pos + 1);
        const std::size_t end = close == std::string_view::npos ? size : close;
        field = text_.substr(pos + 1, end - pos - 1);
        pos = close == std::string_view::npos ? size : close + 1;
        while (pos < size && !endsField(text_[pos])) ++pos;
    } else {
        const std::size_t start = pos;
        while (pos < size && !endsField(text_[pos])) ++pos;
        field = text_.substr(start, pos - start);
        while (!field.empty() && field.back() == ' ') field.remove_suffix(1);
    }

    // Consume the delimiter: a comma, or one line end (CR LF counts as one).
    lineEnded_ = true;
    if (pos < size) {
        if (text_[pos] == ',') {
            lineEnded_ = false;
            ++pos;
        } else if (text_[pos] == '\r') {
            ++pos;
            if (pos < size && text_[pos] == '\n') ++pos;
        } else {
            ++pos;
        }
    }
    pos_ = pos;
    return field;
}

std::vector<std::string> FieldReader::nextLine(std::size_t keepFields)
{
    std::vector<std::string> fields;
    while (auto field = next()) {
        if (fields.size() < keepFields) fields.push_back(std::move(*field));
        if (lineEnded_) break;
    }
    return fields;
}

std::optional<double> FieldReader::nextNumber()
{
    const auto field = next();
    if (!field) return std::nullopt;
    return parseNumberField(*field);
}

std::optional<bool> FieldReader::nextBoolean()
{
    const auto field = next();
    if (!field) return std::nullopt;
    if (*field == "#TRUE#") return true;
    if (*field == "#FALSE#") return false;
    return std::nullopt;
}

std::optional<double> parseNumberField(std::string_view field)
{
    std::size_t begin = 0;
    std::size_t end = field.size();
    while (begin < end && (field[begin] == ' ' || field[begin] == '\t')) ++begin;
    while (end > begin && (field[end - 1] == ' ' || field[end - 1] == '\t')) --end;
    const std::string_view core = field.substr(begin, end - begin);
    if (core.empty() || core.size() > 64) return std::nullopt;

    // from_chars reads the plain decimal forms and, besides them, only the spellings of infinity and
    // NaN, which the finite check below refuses (never hexadecimal, unlike strtod). It takes no plus
    // sign: one is passed over here unless another sign follows. It reports values past the double
    // range, and strtod then tells an overflow (refused) from an underflow (the tiny value or 0).
    std::string_view digitsOnward = core;
    if (digitsOnward[0] == '+') {
        digitsOnward.remove_prefix(1);
        if (!digitsOnward.empty() && (digitsOnward[0] == '+' || digitsOnward[0] == '-')) return std::nullopt;
    }
    double value = 0.0;
    const char* last = digitsOnward.data() + digitsOnward.size();
    const auto parsed = std::from_chars(digitsOnward.data(), last, value);
    if (parsed.ptr != last || (parsed.ec != std::errc() && parsed.ec != std::errc::result_out_of_range))
        return std::nullopt;
    if (parsed.ec == std::errc::result_out_of_range) {
        const std::string text(core);
        value = std::strtod(text.c_str(), nullptr);
    }
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

std::string shownField(std::string_view field)
{
    constexpr std::size_t MaxShown = 24;
    std::string shown = "\"";
    for (std::size_t i = 0; i < field.size() && i < MaxShown; ++i) {
        const auto c = static_cast<unsigned char>(field[i]);
        shown += (c < 0x20 || c == 0x7F) ? '?' : static_cast<char>(c);
    }
    if (field.size() > MaxShown) shown += "...";
    return shown + "\"";
}

std::string_view withoutByteOrderMark(std::string_view text)
{
    constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
    if (text.substr(0, ByteOrderMark.size()) == ByteOrderMark) text.remove_prefix(ByteOrderMark.size());
    return text;
}

}  // namespace solvane
