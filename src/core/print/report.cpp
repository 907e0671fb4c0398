#include "print/report.h"

#include <algorithm>

#include "text/numtext.h"

namespace solvane {

namespace {

constexpr const char* NumberTitle = "point no.";

// Appends text to line so that it ends in column endColumn (0-based, exclusive), keeping at
// least one blank after what the line already holds.
void appendRightAligned(std::string& line, const std::string& text, std::size_t endColumn)
{
    const std::size_t wanted = endColumn > text.size() ? endColumn - text.size() : 0;
    const std::size_t earliest = line.empty() ? 0 : line.size() + 1;
    line.append(std::max(wanted, earliest) - line.size(), ' ');
    line += text;
}

}  // namespace

ReportLines reportLines(const Profile& profile, const std::string& fileTitle, const std::string& description,
                        char decimalSeparator)
{
    ReportLines report;
    const bool polar = profile.PolarSys == True;
    report.title1 = polar ? "R(mm)" : "X (mm)";
    report.title2 = polar ? "Theta" : "Y (mm)";
    const std::string shownDescription = description.size() > ReportDescriptionLimit
                                             ? description.substr(0, ReportDescriptionLimit) + "..."
                                             : description;
    report.header = {"Filename: " + fileTitle, "File Description: " + shownDescription, " ",
                     ReportNumberLabel + report.title1 + ReportTitleGap + report.title2};

    const int count = std::clamp<int>(profile.PointCount, 0, MaxPoints);
    report.points.reserve(static_cast<std::size_t>(count));
    for (int i = 1; i <= count; ++i) {
        const PointRec& point = profile.Points[static_cast<std::size_t>(i)];
        ReportPointLine line;
        line.number = std::to_string(i);
        if (polar) {
            line.value1 = formatNumber(point.R, "#0.00", decimalSeparator);
            line.value2 = formatNumber(point.Theta, "##0.00", decimalSeparator);
        } else {
            line.value1 = formatNumber(point.X, "#0.00", decimalSeparator);
            line.value2 = formatNumber(point.Y, "#0.00", decimalSeparator);
        }
        report.points.push_back(std::move(line));
    }
    return report;
}

std::string reportText(const Profile& profile, const std::string& fileTitle, const std::string& description,
                       char decimalSeparator)
{
    const ReportLines report = reportLines(profile, fileTitle, description, decimalSeparator);
    const std::string numberLabel = ReportNumberLabel;
    const std::size_t numberEnd = std::string(NumberTitle).size();
    const std::size_t value1End = numberLabel.size() + report.title1.size();
    const std::size_t value2End = value1End + std::string(ReportTitleGap).size() + report.title2.size();

    std::string text;
    for (const std::string& line : report.header) text += line + "\r\n";
    for (const ReportPointLine& point : report.points) {
        std::string line;
        appendRightAligned(line, point.number, numberEnd);
        appendRightAligned(line, point.value1, value1End);
        appendRightAligned(line, point.value2, value2End);
        text += line + "\r\n";
    }
    return text;
}

}  // namespace solvane
