// The report layout of any profile the reader makes of the input, under either column system and
// decimal separator: the four header lines (a description may span several), then one line per
// point of bounded width, each ended by CR LF, and the description never laid out past its limit.
#include <memory>
#include <string>
#include <vector>

#include "files/profilefile.h"
#include "fuzzcheck.h"
#include "print/report.h"

using namespace solvane;

namespace {

// A point line: the number, then two values of at most 39 digits (a single's largest), their signs
// and decimals, each kept a blank apart.
constexpr std::size_t MaxPointLineBytes = 4 + 2 * (1 + 39 + 1 + 2) + 2 + 30;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Input input(data, size);
    const std::uint8_t choices = input.byte();
    const auto profile = std::make_unique<Profile>();
    readprofile(*profile, input.rest());
    profile->PolarSys = (choices & 1) ? True : False;
    const char separator = (choices & 2) ? ',' : '.';

    const ReportLines lines = reportLines(*profile, "f.waf", profile->Description, separator);
    FUZZ_CHECK(lines.header.size() == 4);
    FUZZ_CHECK(lines.header[1].size() <= std::string("File Description: ...").size() + ReportDescriptionLimit);
    FUZZ_CHECK(lines.points.size() == static_cast<std::size_t>(profile->PointCount));

    // A description may hold line ends of its own; the point lines are the last ones.
    const std::string text = reportText(*profile, "f.waf", profile->Description, separator);
    std::vector<std::size_t> widths;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find("\r\n", start);
        FUZZ_CHECK(end != std::string::npos);
        widths.push_back(end - start);
        start = end + 2;
    }
    FUZZ_CHECK(widths.size() >= 4 + lines.points.size());
    for (std::size_t i = widths.size() - lines.points.size(); i < widths.size(); ++i)
        FUZZ_CHECK(widths[i] <= MaxPointLineBytes);
    return 0;
}
