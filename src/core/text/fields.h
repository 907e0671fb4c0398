#pragma once

#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace solvane {

// Takes a text file apart into comma-separated and quoted fields, the way profile files and
// the importers are read: leading spaces are skipped; a field that begins with a double quote
// is the text up to the next double quote, and the rest of the line up to the next comma or
// line end is skipped; any other field is the text up to the next comma or line end, with
// trailing spaces removed. Line ends are CR LF, LF or CR. The reader views the text; it does
// not own it.
class FieldReader {
public:
    explicit FieldReader(std::string_view text) : text_(text) {}

    // The next field, or nothing when the text is used up.
    std::optional<std::string> next();
    // The same field as a view into the text, without a copy: valid as long as the text is.
    std::optional<std::string_view> nextView();

    // The fields of the next line, read by the same rule (a quoted field may run over a line
    // end); empty when the text is used up. An empty line gives one empty field. Fields past the
    // first keepFields are read and dropped, so a caller that needs a few columns holds no more.
    std::vector<std::string> nextLine(std::size_t keepFields = std::numeric_limits<std::size_t>::max());

    bool atEnd() const { return pos_ >= text_.size(); }

    // Offset in the text where the next field starts looking (for naming the line of a fault).
    std::size_t position() const { return pos_; }

    // Goes on at offset, the start of a line, after the caller has read the lines before it itself.
    void continueAtLine(std::size_t offset)
    {
        pos_ = offset;
        lineEnded_ = true;
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
    bool lineEnded_ = false;  // the last field ended its line (or the text)
};

// text without the UTF-8 byte-order mark some editors put at its start.
std::string_view withoutByteOrderMark(std::string_view text);

// A number field longer than this is no number (blanks around it not counted).
constexpr std::size_t MaxNumberFieldChars = 64;

// The whole of field as a decimal number (blanks around it allowed), or nothing.
std::optional<double> parseNumberField(std::string_view field);

// A number field at p in the common plain form ("-12.5", ".5", "1.25e+004": no blanks, no plus
// sign, at most 15 significant digits) that ends at a comma, a line end or end: where it ends, with
// its value, which is the one parseNumberField gives. nullptr for a field of any other form, for
// parseNumberField to read. Reading and finding the field's end in one pass is what the profile
// reader's point lines need.
const char* quickNumberField(const char* p, const char* end, double& value);

// A field as a one-line message quotes it: in double quotes, cut to 24 characters (then "..."),
// control characters shown as "?". A file's text may run over lines and be of any length.
std::string shownField(std::string_view field);

}  // namespace solvane
