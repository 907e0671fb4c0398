#include "files/profilefile.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <utility>

#include "files/filechecks.h"
#include "model/conversions.h"
#include "text/fields.h"
#include "text/numtext.h"

namespace solvane {

void setfiletype(Profile& profile)
{
    static constexpr const char* KelvraFilter = "Kelvra File (*.map)|*.map|All Files (*.*)|*.*|";
    switch (profile.ModelType) {
    case 13:
        profile.ProfileTitle = "Solvane/Kelvra";
        profile.ProfileExt = "map";
        profile.ProfileFilter = KelvraFilter;
        break;
    case 16:
        profile.ProfileTitle = "Solvane/Tol300";
        profile.ProfileExt = "map";
        profile.ProfileFilter = KelvraFilter;
        break;
    default:
        // 11, 12 and 14 are the wafer models; the models without a flavour of their own get it
        // too, so that the window always has a title and the dialogs an extension.
        profile.ProfileTitle = "Solvane/Wafer";
        profile.ProfileExt = "waf";
        profile.ProfileFilter = "Wafer File (*.waf)|*.waf|All Files (*.*)|*.*|";
        break;
    }
}

// ---------------------------------------------------------------------------------------------
// Writing

namespace {

void appendQuoted(std::string& out, std::string_view text)
{
    out += '"';
    // The format has no escape for a double quote: one inside would end the field early.
    for (const char c : text) out += c == '"' ? '\'' : c;
    out += '"';
    out += "\r\n";
}

void appendLine(std::string& out, const std::string& field)
{
    out += field;
    out += "\r\n";
}

std::string single(float value) { return generalNumber(static_cast<double>(value), 7); }

std::string signedColour(Colour colour) { return std::to_string(static_cast<std::int32_t>(colour)); }

}  // namespace

std::string formatprofile(Profile& profile)
{
    profile.ProfileVersion = CurrentProfileVersion;
    const int count = std::clamp<int>(profile.PointCount, 0, MaxPoints);
    const bool polar = profile.CoordSys == "Polar";

    std::string out;
    out.reserve(200 + profile.Description.size() + static_cast<std::size_t>(count) * 32);
    appendQuoted(out, profile.ProfileVersion);
    appendQuoted(out, profile.Description.empty() ? NoDescriptionText : profile.Description);
    appendLine(out, generalNumber(profile.WaferDiameter, 15));
    appendLine(out, single(profile.EdgeExclusion));
    appendLine(out, generalNumber(profile.BeamDiameter, 15));
    appendQuoted(out, profile.CoordSys);
    appendLine(out, signedColour(profile.WaferColor));
    appendLine(out, signedColour(profile.SpotColor));
    appendLine(out, std::to_string(count));

    const float cleanBelow = 0.001f;
    for (int i = 1; i <= count; ++i) {
        PointRec& point = profile.Points[static_cast<std::size_t>(i)];
        point.Flag = True;
        if (polar) {
            out += single(point.R);
            out += ',';
            out += single(point.Theta);
        } else {
            // Rounding residue such as 6.9E-06 next to an axis is cleaned in the model as well,
            // so the table shows what the file holds.
            if (std::fabs(point.X) < cleanBelow) point.X = 0.0f;
            if (std::fabs(point.Y) < cleanBelow) point.Y = 0.0f;
            out += single(point.X);
            out += ',';
            out += single(point.Y);
        }
        out += ",#TRUE#,0\r\n";
    }
    return out;
}

WriteResult writeprofile(Profile& profile, const std::string& path, const ReplaceFileStep& replace)
{
    profile.ProfileVersion = CurrentProfileVersion;
    if (!path.empty() && path.front() == '*')
        return {false, "\"" + path + "\" is a file name pattern, not a file name: nothing was written"};
    if (path.empty()) return {false, "no file name was given: nothing was written"};
    return writeFileSafely(path, formatprofile(profile), replace);
}

// ---------------------------------------------------------------------------------------------
// Reading

namespace {

// The fields of one point line that the model keeps: the pair the file holds (R and Theta, or X
// and Y) and, outside the oldest layout, the flag.
struct PointLine {
    float first = 0.0f;
    float second = 0.0f;
    bool flag = false;
};

// Steps of reading a point line in the writer's own plain form straight from the text. Each takes
// the position reached so far (nullptr once the line has shown another form) and gives the next.

// A number field up to the next comma or line end, read as the field-by-field reading reads it.
const char* plainNumber(const char* p, const char* end, double& value)
{
    if (p == nullptr) return nullptr;
    if (const char* quickEnd = quickNumberField(p, end, value)) return quickEnd;
    const char* fieldEnd = p;
    while (fieldEnd < end && *fieldEnd != ',' && *fieldEnd != '\r' && *fieldEnd != '\n') ++fieldEnd;
    const auto number = parseNumberField(std::string_view(p, static_cast<std::size_t>(fieldEnd - p)));
    if (!number) return nullptr;
    value = *number;
    return fieldEnd;
}

const char* plainSingle(const char* p, const char* end, float& value)
{
    double wide = 0.0;
    p = plainNumber(p, end, wide);
    if (p == nullptr || std::fabs(wide) > static_cast<double>(FLT_MAX)) return nullptr;
    value = static_cast<float>(wide);
    return p;
}

const char* plainFlag(const char* p, const char* end, bool& flag)
{
    constexpr std::string_view True = "#TRUE#";
    constexpr std::string_view False = "#FALSE#";
    if (p == nullptr) return nullptr;
    const auto left = static_cast<std::size_t>(end - p);
    // memcmp of a fixed length is a few compares, not a call.
    if (left >= True.size() && std::memcmp(p, True.data(), True.size()) == 0) {
        flag = true;
        return p + True.size();
    }
    if (left >= False.size() && std::memcmp(p, False.data(), False.size()) == 0) {
        flag = false;
        return p + False.size();
    }
    return nullptr;
}

const char* pastComma(const char* p, const char* end) { return p != nullptr && p < end && *p == ',' ? p + 1 : nullptr; }

// Past one line end (CR LF, LF or CR); the end of the text ends the line as well.
const char* pastLineEnd(const char* p, const char* end)
{
    if (p == nullptr || p == end) return p;
    if (*p == '\n') return p + 1;
    if (*p == '\r') return p + 1 < end && p[1] == '\n' ? p + 2 : p + 1;
    return nullptr;
}

// Names a field in a message: "the wafer diameter", "the Y of point 3". Built only on a fault.
struct FieldName {
    const char* name;
    int point = 0;

    std::string text() const { return point == 0 ? name : std::string(name) + " of point " + std::to_string(point); }
};

// Reads the typed fields of a profile text, remembering the first fault as a message that names
// the line and the field.
class ProfileFields {
public:
    explicit ProfileFields(std::string_view text) : text_(text), reader_(text) {}

    std::optional<std::string> text(const FieldName& what)
    {
        const auto raw = field(what);
        if (!raw) return std::nullopt;
        return std::string(*raw);
    }

    std::optional<double> number(const FieldName& what)
    {
        const auto raw = field(what);
        if (!raw) return std::nullopt;
        const auto value = parseNumberField(*raw);
        if (!value) fail("expected a number for " + what.text() + ", found " + shownField(*raw));
        return value;
    }

    std::optional<float> single(const FieldName& what)
    {
        const auto value = number(what);
        if (!value) return std::nullopt;
        if (std::fabs(*value) > static_cast<double>(FLT_MAX)) {
            fail(what.text() + " " + shownField(lastField_) + " is out of range");
            return std::nullopt;
        }
        return static_cast<float>(*value);
    }

    // A whole number: the value rounded half to even.
    std::optional<long long> whole(const FieldName& what)
    {
        const auto value = number(what);
        if (!value) return std::nullopt;
        return roundHalfEven(*value);
    }

    // A colour: a whole number of the signed 32-bit range.
    std::optional<Colour> colour(const FieldName& what)
    {
        const auto value = whole(what);
        if (!value) return std::nullopt;
        if (*value < std::numeric_limits<std::int32_t>::min() || *value > std::numeric_limits<std::int32_t>::max()) {
            fail(what.text() + " " + shownField(lastField_) + " is out of range");
            return std::nullopt;
        }
        return static_cast<Colour>(static_cast<std::int32_t>(*value));
    }

    std::optional<bool> boolean(const FieldName& what)
    {
        const auto raw = field(what);
        if (!raw) return std::nullopt;
        if (*raw == "#TRUE#") return true;
        if (*raw == "#FALSE#") return false;
        fail("expected #TRUE# or #FALSE# for " + what.text() + ", found " + shownField(*raw));
        return std::nullopt;
    }

    // The point line at the reading position when it is laid out exactly as the writer writes it:
    // two numbers, the flag (or in the oldest layout a number), a number, the line end. Nearly
    // every line is, and is read here straight from the text; a line of any other form is left
    // unread, for the field-by-field reading that gives the same values or names the fault.
    std::optional<PointLine> plainPointLine(bool flagThird)
    {
        const char* const begin = text_.data();
        const char* const end = begin + text_.size();
        PointLine line;
        double ignored = 0.0;
        const char* p = begin + reader_.position();
        p = pastComma(plainSingle(p, end, line.first), end);
        p = pastComma(plainSingle(p, end, line.second), end);
        p = pastComma(flagThird ? plainFlag(p, end, line.flag) : plainNumber(p, end, ignored), end);
        p = pastLineEnd(plainNumber(p, end, ignored), end);
        if (p == nullptr) return std::nullopt;
        reader_.continueAtLine(static_cast<std::size_t>(p - begin));
        return line;
    }

    // Records a fault found by the caller, on the line of the field read last.
    void fail(const std::string& what)
    {
        if (error_.empty()) error_ = "line " + std::to_string(lineAt(fieldStart_)) + ": " + what;
    }

    const std::string& error() const { return error_; }

private:
    // A view into the text: no field is copied unless it is kept (a field may be the whole file).
    std::optional<std::string_view> field(const FieldName& what)
    {
        fieldStart_ = reader_.position();
        const auto raw = reader_.nextView();
        if (!raw) {
            fail("the file ends before " + what.text());
            return std::nullopt;
        }
        lastField_ = *raw;
        return raw;
    }

    // Line number (from 1) of a position; CR LF, LF and CR each end a line.
    std::size_t lineAt(std::size_t offset) const
    {
        std::size_t line = 1;
        const std::size_t end = std::min(offset, text_.size());
        for (std::size_t i = 0; i < end; ++i) {
            if (text_[i] == '\n') {
                ++line;
            } else if (text_[i] == '\r') {
                ++line;
                if (i + 1 < end && text_[i + 1] == '\n') ++i;
            }
        }
        return line;
    }

    std::string_view text_;
    FieldReader reader_;
    std::size_t fieldStart_ = 0;
    std::string_view lastField_;
    std::string error_;
};

enum class Layout { Current, Previous, Oldest };

// Reads one point line field by field, naming the field that is missing or unreadable.
std::optional<PointLine> readPointFields(ProfileFields& fields, Layout layout, bool polar, int index)
{
    PointLine line;
    if (layout == Layout::Oldest) {
        const auto r = fields.single({"the R", index});
        if (!r) return std::nullopt;
        const auto theta = fields.single({"the Theta", index});
        if (!theta) return std::nullopt;
        if (!fields.number({"the third field", index}) || !fields.number({"the fourth field", index}))
            return std::nullopt;
        line.first = *r;
        line.second = *theta;
        return line;
    }

    const auto first = fields.single({polar ? "the R" : "the X", index});
    if (!first) return std::nullopt;
    const auto second = fields.single({polar ? "the Theta" : "the Y", index});
    if (!second) return std::nullopt;
    const auto flag = fields.boolean({"the flag", index});
    if (!flag) return std::nullopt;
    if (!fields.number({"the fourth field", index})) return std::nullopt;
    line.first = *first;
    line.second = *second;
    line.flag = *flag;
    return line;
}

// Reads one point line's pair (R and Theta, or X and Y) into point, which is left as it was unless
// the line is whole. Written in place: a record put together aside is copied in wide loads from the
// narrow stores just made, and the copy waits for them.
bool readPoint(ProfileFields& fields, Layout layout, bool polar, PointRec& point, int index)
{
    const bool hasFlag = layout != Layout::Oldest;
    auto line = fields.plainPointLine(hasFlag);
    if (!line) line = readPointFields(fields, layout, polar, index);
    if (!line) return false;

    if (hasFlag) point.Flag = line->flag ? True : False;
    if (polar) {
        point.R = line->first;
        point.Theta = line->second;
    } else {
        point.X = line->first;
        point.Y = line->second;
    }
    return true;
}

ReadResult stopped(ProfileField field, const ProfileFields& fields, int pointsRead = 0)
{
    ReadResult result;
    result.ok = false;
    result.message = fields.error();
    result.stoppedAt = field;
    result.pointsRead = pointsRead;
    return result;
}

// What every read does before it looks at the text.
void beginRead(Profile& profile)
{
    profile.Description = OldestLayoutDescription;
    profile.PointCount = 0;
}

ReadResult readText(Profile& profile, std::string_view text)
{
    ProfileFields fields(withoutByteOrderMark(text));

    const auto version = fields.text({"the version"});
    if (!version) return stopped(ProfileField::Version, fields);
    profile.ProfileVersion = *version;
    const Layout layout = *version == CurrentProfileVersion    ? Layout::Current
                          : *version == PreviousProfileVersion ? Layout::Previous
                                                               : Layout::Oldest;

    if (layout != Layout::Oldest) {
        auto description = fields.text({"the description"});
        if (!description) return stopped(ProfileField::Description, fields);
        profile.Description = std::move(*description);
    }

    const auto diameter = fields.number({"the wafer diameter"});
    if (!diameter) return stopped(ProfileField::WaferDiameter, fields);
    // No wafer has no size: such a file is damaged, and would draw nothing sensible.
    if (*diameter <= 0) {
        fields.fail("the wafer diameter " + generalNumber(*diameter) + " mm is not above 0");
        return stopped(ProfileField::WaferDiameter, fields);
    }
    profile.WaferDiameter = *diameter;
    const auto edge = fields.single({"the edge exclusion"});
    if (!edge) return stopped(ProfileField::EdgeExclusion, fields);
    profile.EdgeExclusion = *edge;
    const auto beam = fields.number({"the beam diameter"});
    if (!beam) return stopped(ProfileField::BeamDiameter, fields);
    profile.BeamDiameter = *beam;

    if (layout == Layout::Current) {
        // Only the name: the file's system decides how its points are read and later saved.
        const auto coordSys = fields.text({"the coordinate system"});
        if (!coordSys) return stopped(ProfileField::CoordSys, fields);
        profile.CoordSys = *coordSys;
    }

    const auto waferColour = fields.colour({"the wafer colour"});
    if (!waferColour) return stopped(ProfileField::WaferColor, fields);
    profile.WaferColor = *waferColour;
    const auto spotColour = fields.colour({"the spot colour"});
    if (!spotColour) return stopped(ProfileField::SpotColor, fields);
    profile.SpotColor = *spotColour;

    const auto countRead = fields.number({"the point count"});
    if (!countRead) return stopped(ProfileField::PointCount, fields);
    // Shown as read (rounded), so that 1E+300 is not reported as the largest 64-bit integer.
    const std::string countText = generalNumber(std::nearbyint(*countRead));
    const long long count = roundHalfEven(*countRead);
    if (count < 0) {
        fields.fail("the point count " + countText + " is negative");
        return stopped(ProfileField::PointCount, fields);
    }
    const int toRead = static_cast<int>(std::min<long long>(count, MaxPoints));

    const bool polar = layout != Layout::Current || profile.CoordSys == "Polar";
    int pointsRead = 0;
    for (int i = 1; i <= toRead; ++i) {
        if (!readPoint(fields, layout, polar, profile.Points[static_cast<std::size_t>(i)], i)) break;
        pointsRead = i;
    }
    // The other pair once all are read: a point's sine and cosine, or arc tangent, are long chains of
    // arithmetic, which overlap from one point to the next in a loop of their own but not between
    // the branches of the line parsing.
    for (int i = 1; i <= pointsRead; ++i) {
        PointRec& point = profile.Points[static_cast<std::size_t>(i)];
        if (polar)
            deriveRectangular(point);
        else
            derivePolar(point);
    }
    // Only the points really read count: a later save must not write out empty ones.
    profile.PointCount = static_cast<std::int16_t>(pointsRead);

    ReadResult result;
    result.pointsRead = pointsRead;
    // Too many points is the fault the user must hear about, whatever else is wrong further on.
    if (count > MaxPoints) {
        result.ok = false;
        result.message = "the file holds " + countText + " points; a profile holds at most " +
                         std::to_string(MaxPoints);
        result.stoppedAt = ProfileField::Points;
    } else if (pointsRead < toRead) {
        result = stopped(ProfileField::Points, fields, pointsRead);
    }
    return result;
}

}  // namespace

ReadResult readprofile(Profile& profile, std::string_view text)
{
    beginRead(profile);
    return readText(profile, text);
}

ReadResult readprofileFile(Profile& profile, const std::string& path)
{
    beginRead(profile);
    const FileBytes file = readPlainFile(path, MaxProfileFileBytes, "for a profile");
    if (!file.ok) {
        ReadResult failed;
        failed.ok = false;
        failed.opened = false;
        failed.stoppedAt = ProfileField::Version;
        failed.message = file.message;
        return failed;
    }
    return readText(profile, file.bytes);
}

}  // namespace solvane
