// The profile reader on any bytes (all three layouts), and for every text it reads whole, the
// writer's round trip: the bytes written read back to the same model (singles to their seven
// digits), and from the second save on the bytes no longer change.
#include <string>

#include "files/profilefile.h"
#include "fuzzcheck.h"
#include "text/numtext.h"

using namespace solvane;

namespace {

// What the file holds for a text field: the writer has no escape for a double quote.
std::string asQuotedField(std::string text)
{
    for (char& c : text)
        if (c == '"') c = '\'';
    return text;
}

// Fifteen digits carry a double back to the same fifteen digits.
std::string dbl(double value) { return generalNumber(value, 15); }

void checkReadResult(const Profile& profile, const ReadResult& result)
{
    FUZZ_CHECK(result.opened);
    FUZZ_CHECK(profile.PointCount >= 0 && profile.PointCount <= MaxPoints);
    FUZZ_CHECK(result.pointsRead == profile.PointCount);
    FUZZ_CHECK(result.ok == result.message.empty());
    FUZZ_CHECK(result.ok == (result.stoppedAt == ProfileField::None));
    FUZZ_CHECK(fuzz::plainMessage(result.message));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Profile original;
    const ReadResult read = readprofile(original, text);
    checkReadResult(original, read);
    if (!read.ok) return 0;

    // formatprofile changes the model as a save does; compare against the model as saved.
    const std::string first = formatprofile(original);
    Profile back;
    back.CoordSys = "not read";
    const ReadResult again = readprofile(back, first);
    checkReadResult(back, again);
    FUZZ_CHECK(again.ok);
    FUZZ_CHECK(back.ProfileVersion == CurrentProfileVersion);
    FUZZ_CHECK(back.Description ==
               (original.Description.empty() ? NoDescriptionText : asQuotedField(original.Description)));
    FUZZ_CHECK(back.CoordSys == asQuotedField(original.CoordSys));
    FUZZ_CHECK(dbl(back.WaferDiameter) == dbl(original.WaferDiameter));
    FUZZ_CHECK(fuzz::closeSingle(back.EdgeExclusion, original.EdgeExclusion));
    FUZZ_CHECK(dbl(back.BeamDiameter) == dbl(original.BeamDiameter));
    FUZZ_CHECK(back.WaferColor == original.WaferColor);
    FUZZ_CHECK(back.SpotColor == original.SpotColor);
    FUZZ_CHECK(back.PointCount == original.PointCount);

    const bool polar = original.CoordSys == "Polar";
    for (int i = 1; i <= original.PointCount; ++i) {
        const PointRec& o = original.Points[static_cast<std::size_t>(i)];
        const PointRec& b = back.Points[static_cast<std::size_t>(i)];
        FUZZ_CHECK(b.Flag == True);
        // The pair the file holds comes back as written; the other pair is derived from it.
        if (polar) {
            FUZZ_CHECK(fuzz::closeSingle(b.R, o.R) && fuzz::closeSingle(b.Theta, o.Theta));
        } else {
            FUZZ_CHECK(fuzz::closeSingle(b.X, o.X) && fuzz::closeSingle(b.Y, o.Y));
        }
    }

    // Saving what was read back and reading it again changes nothing more: from the second save on
    // the bytes stay the same (the first may differ only where seven digits could not carry a single).
    const std::string second = formatprofile(back);
    Profile third;
    FUZZ_CHECK(readprofile(third, second).ok);
    FUZZ_CHECK(formatprofile(third) == second);
    return 0;
}
