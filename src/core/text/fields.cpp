#include "text/fields.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace solvane {

namespace {

bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

// Compared directly: std::isdigit asks the C locale's table through a call for every character.
bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<std::string> FieldReader::next()
{
    const std::size_t size = text_.size();
    if (pos_ >= size) return std::nullopt;
    while (pos_ < size && text_[pos_] == ' ') ++pos_;

    std::string field;
    if (pos_ < size && text_[pos_] == '"') {
        const std::size_t close = text_.find('"', pos_ + 1);
        const std::size_t end = close == std::string_view::npos ? size : close;
        field.assign(text_.substr(pos_ + 1, end - pos_ - 1));
        pos_ = close == std::string_view::npos ? size : close + 1;
        while (pos_ < size && text_[pos_] != ',' && !isLineEnd(text_[pos_])) ++pos_;
    } else {
        const std::size_t start = pos_;
        while (pos_ < size && text_[pos_] != ',' && !isLineEnd(text_[pos_])) ++pos_;
        field.assign(text_.substr(start, pos_ - start));
        while (!field.empty() && field.back() == ' ') field.pop_back();
    }

    // Consume the delimiter: a comma, or one line end (CR LF counts as one).
    lineEnded_ = true;
    if (pos_ < size) {
        if (text_[pos_] == ',') {
            lineEnded_ = false;
            ++pos_;
        } else if (text_[pos_] == '\r') {
            ++pos_;
            if (pos_ < size && text_[pos_] == '\n') ++pos_;
        } else {
            ++pos_;
        }
    }
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

    // Only plain decimal forms: strtod alone would also take "inf", "nan" and hexadecimal.
    std::size_t i = 0;
    if (core[i] == '+' || core[i] == '-') ++i;
    bool digits = false;
    while (i < core.size() && isDigit(core[i])) ++i, digits = true;
    if (i < core.size() && core[i] == '.') {
        ++i;
        while (i < core.size() && isDigit(core[i])) ++i, digits = true;
    }
    if (!digits) return std::nullopt;
    if (i < core.size() && (core[i] == 'E' || core[i] == 'e')) {
        ++i;
        if (i < core.size() && (core[i] == '+' || core[i] == '-')) ++i;
        bool exponentDigits = false;
        while (i < core.size() && isDigit(core[i])) ++i, exponentDigits = true;
        if (!exponentDigits) return std::nullopt;
    }
    if (i != core.size()) return std::nullopt;

    // from_chars takes no plus sign; it reports values past the double range, and strtod then
    // tells an overflow (refused) from an underflow (read as the tiny value or 0).
    const std::string_view digitsOnward = core[0] == '+' ? core.substr(1) : core;
    double value = 0.0;
    const auto parsed = std::from_chars(digitsOnward.data(), digitsOnward.data() + digitsOnward.size(), value);
    if (parsed.ec == std::errc::result_out_of_range) {
        const std::string text(core);
        value = std::strtod(text.c_str(), nullptr);
    } else if (parsed.ec != std::errc() || parsed.ptr != digitsOnward.data() + digitsOnward.size()) {
        return std::nullopt;
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
