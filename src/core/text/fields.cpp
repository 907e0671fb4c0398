#include "text/fields.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace solvane {

namespace {

bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

bool endsField(char c) { return c == ',' || isLineEnd(c); }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Eight bytes read as one number, the first byte lowest: the digit steps below rely on it.
static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "the digit steps read eight bytes little-endian");

std::uint64_t eightBytes(const char* p)
{
    std::uint64_t bytes = 0;
    std::memcpy(&bytes, p, sizeof bytes);
    return bytes;
}

// The value of eight digits, pairs then fours then all eight combined by multiplication.
std::uint64_t eightDigitsValue(std::uint64_t bytes)
{
    bytes = ((bytes & 0x0F0F0F0F0F0F0F0Fu) * (10 * 256 + 1)) >> 8;
    bytes = ((bytes & 0x00FF00FF00FF00FFu) * (100 * 65536 + 1)) >> 16;
    return ((bytes & 0x0000FFFF0000FFFFu) * (10000 * 4294967296u + 1)) >> 32;
}

// How many of the eight bytes, from the first, are "0" to "9". A byte is flagged when its high half
// is not 3, or stops being 3 with 6 added; a carry out of a flagged byte can only reach later ones.
int leadingDigits(std::uint64_t bytes)
{
    constexpr std::uint64_t HighHalves = 0xF0F0F0F0F0F0F0F0u;
    constexpr std::uint64_t Threes = 0x3030303030303030u;
    const std::uint64_t flagged = ((bytes & HighHalves) ^ Threes) |
                                  (((bytes + 0x0606060606060606u) & HighHalves) ^ Threes);
    const std::uint64_t nonZero = (flagged | ((flagged & 0x7F7F7F7F7F7F7F7Fu) + 0x7F7F7F7F7F7F7F7Fu)) &
                                  0x8080808080808080u;
    return nonZero == 0 ? 8 : __builtin_ctzll(nonZero) / 8;
}

// Takes the digits from p on into digits, as more places of one whole number, and gives where they
// end. Eight bytes at a time while eight are there, their run of digits found without a branch per
// digit: fractions of every length come one after another, and a loop's exit would be
// mispredicted for most of them.
const char* takeDigits(const char* p, const char* end, std::uint64_t& digits)
{
    static constexpr std::uint64_t Scales[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000};
    while (end - p >= 8) {
        const std::uint64_t bytes = eightBytes(p);
        const int run = leadingDigits(bytes);
        if (run == 0) return p;
        // The run moved to the end of the eight, behind zero bytes that count as leading zeros.
        digits = digits * Scales[run] + eightDigitsValue(bytes << (8 * (8 - run)));
        p += run;
        if (run < 8) return p;
    }
    for (; p < end && isDigit(*p); ++p) digits = digits * 10 + static_cast<std::uint64_t>(*p - '0');
    return p;
}

// The magnitude negated when negative is set, by its sign bit rather than a branch.
double withSign(double magnitude, bool negative)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, &magnitude, sizeof bits);
    bits ^= static_cast<std::uint64_t>(negative) << 63;
    std::memcpy(&magnitude, &bits, sizeof bits);
    return magnitude;
}

// The decimal of the common kind ("-12.5", ".5", "1.25e+004") at p: at most 15 significant digits
// and a power of ten from -22 to 22. Its digits are then an exact double, and so is the power of
// ten: one multiplication or division rounds the exact value once, which is the correctly rounded
// double from_chars gives too. Gives where the decimal ends, with its value; nullptr for any other
// text, valid or not, which is left to from_chars.
const char* quickDecimal(const char* p, const char* const end, double& value)
{
    static constexpr double PowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                             1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    constexpr int MaxPower = 22;
    constexpr int MaxDigits = 15;
    // Signs come in no order (X and Y of points all round a wafer): a branch on them would be
    // mispredicted half the time.
    const bool negative = p < end && *p == '-';
    p += static_cast<int>(negative);
    const char* const mantissa = p;

    // Leading zeros carry no digit. Past 19 digits the sum wraps, but such a text is refused below.
    while (p < end && *p == '0') ++p;
    std::uint64_t digits = 0;
    const char* const firstDigit = p;
    // The whole part digit by digit: it is short, and a column's whole parts mostly share a length,
    // which the loop's branch learns; taken eight bytes at a time it waits on each load instead.
    for (; p < end && isDigit(*p); ++p) digits = digits * 10 + static_cast<std::uint64_t>(*p - '0');
    int significant = static_cast<int>(p - firstDigit);
    int power = 0;
    if (p < end && *p == '.') {
        const char* const fraction = ++p;
        if (significant == 0)
            while (p < end && *p == '0') ++p;
        const char* const fractionDigits = p;
        p = takeDigits(p, end, digits);
        significant += static_cast<int>(p - fractionDigits);
        power = -static_cast<int>(p - fraction);
        if (p - mantissa == 1) return nullptr;  // a point without digits
    }
    if (p == mantissa || significant > MaxDigits) return nullptr;
    if (p < end && (*p == 'e' || *p == 'E')) {
        ++p;
        const bool negativeExponent = p < end && *p == '-';
        if (p < end && (*p == '-' || *p == '+')) ++p;
        const char* const exponentDigits = p;
        int exponent = 0;
        for (; p < end && isDigit(*p) && exponent <= 2 * MaxPower; ++p) exponent = exponent * 10 + (*p - '0');
        if (p == exponentDigits) return nullptr;
        power += negativeExponent ? -exponent : exponent;
    }
    if (power < -MaxPower || power > MaxPower) return nullptr;

    const double magnitude = power < 0 ? static_cast<double>(digits) / PowersOfTen[-power]
                                       : static_cast<double>(digits) * PowersOfTen[power];
    value = withSign(magnitude, negative);
    return p;
}

// The whole of text as a decimal of any length and exponent, or nothing. Kept out of line: the
// string it may build would weigh on every call of the quick path.
[[gnu::noinline]] std::optional<double> anyDecimal(std::string_view text)
{
    // from_chars reads the plain decimal forms and, besides them, only the spellings of infinity and
    // NaN, which the finite check below refuses (never hexadecimal, unlike strtod). It takes no plus
    // sign (the caller has passed over one). It reports values past the double range, and strtod
    // then tells an overflow (refused) from an underflow (the tiny value or 0).
    double value = 0.0;
    const char* last = text.data() + text.size();
    const auto parsed = std::from_chars(text.data(), last, value);
    if (parsed.ptr != last || (parsed.ec != std::errc() && parsed.ec != std::errc::result_out_of_range))
        return std::nullopt;
    if (parsed.ec == std::errc::result_out_of_range) {
        const std::string copy(text);
        value = std::strtod(copy.c_str(), nullptr);
    }
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

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

std::optional<double> parseNumberField(std::string_view field)
{
    // Most fields are a plain decimal with nothing around it.
    const char* const fieldEnd = field.data() + field.size();
    double quick = 0.0;
    if (field.size() <= MaxNumberFieldChars && quickDecimal(field.data(), fieldEnd, quick) == fieldEnd) return quick;

    std::size_t begin = 0;
    std::size_t end = field.size();
    while (begin < end && (field[begin] == ' ' || field[begin] == '\t')) ++begin;
    while (end > begin && (field[end - 1] == ' ' || field[end - 1] == '\t')) --end;
    const std::string_view core = field.substr(begin, end - begin);
    if (core.empty() || core.size() > MaxNumberFieldChars) return std::nullopt;

    std::string_view digitsOnward = core;
    if (digitsOnward[0] == '+') {
        digitsOnward.remove_prefix(1);
        if (!digitsOnward.empty() && (digitsOnward[0] == '+' || digitsOnward[0] == '-')) return std::nullopt;
    }
    // Tried again only when blanks or a plus sign were taken off: otherwise it was refused above.
    const char* const last = digitsOnward.data() + digitsOnward.size();
    if (digitsOnward.size() != field.size() && quickDecimal(digitsOnward.data(), last, quick) == last) return quick;
    return anyDecimal(digitsOnward);
}

const char* quickNumberField(const char* p, const char* end, double& value)
{
    const char* const stop = quickDecimal(p, end, value);
    if (stop == nullptr || stop - p > static_cast<std::ptrdiff_t>(MaxNumberFieldChars)) return nullptr;
    return stop == end || endsField(*stop) ? stop : nullptr;
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
