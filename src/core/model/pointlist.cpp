#include "model/pointlist.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "model/conversions.h"
#include "text/numtext.h"

namespace solvane {

namespace {

// A stable merge sort (n log n): a full store sorts at once. Keys are never NaN, which no source of
// a point lets in.
template <typename Key>
void stableSortBy(Profile& profile, Key key)
{
    const auto first = profile.Points.begin() + 1;
    std::stable_sort(first, first + profile.PointCount,
                     [&key](const PointRec& a, const PointRec& b) { return key(a) < key(b); });
}

float toSingle(double value)
{
    if (std::isnan(value)) return 0.0f;
    return static_cast<float>(std::clamp(value, -static_cast<double>(FLT_MAX), static_cast<double>(FLT_MAX)));
}

}  // namespace

void sortByAngle(Profile& profile)
{
    stableSortBy(profile, [](const PointRec& p) { return p.Theta; });
}

void sortByRadius(Profile& profile)
{
    stableSortBy(profile, [](const PointRec& p) { return p.R; });
}

bool removePoint(Profile& profile, int i)
{
    if (i < 1 || i > profile.PointCount) return false;
    const auto at = profile.Points.begin() + i;
    std::move(at + 1, profile.Points.begin() + profile.PointCount + 1, at);
    --profile.PointCount;
    return true;
}

void clearPoints(Profile& profile)
{
    resetPoints(profile);
    profile.PointCount = 0;
}

std::string pointListText(const Profile& profile, char decimalSeparator)
{
    const bool polar = profile.PolarSys != False;
    std::string text = polar ? "R(mm)  Theta\r\n" : "X(mm)  Y(mm)\r\n";
    for (int i = 1; i <= profile.PointCount; ++i) {
        const PointRec& p = profile.Points[static_cast<std::size_t>(i)];
        if (polar)
            text += formatNumber(p.R, "##.00", decimalSeparator) + '\t' +
                    formatNumber(p.Theta, "###.0", decimalSeparator);
        else
            text += formatNumber(p.X, "##.00", decimalSeparator) + '\t' + formatNumber(p.Y, "##.00", decimalSeparator);
        text += "\r\n";
    }
    return text;
}

float limitedCellValue(const Profile& profile, int column, double typed)
{
    float v = toSingle(typed);
    const bool polar = profile.PolarSys != False;
    if (column == 1) {
        if (v < 0.0f && polar) v = 0.0f;
        const double maxRadius = (profile.WaferDiameter - profile.BeamDiameter) / 2.0;
        if (v > maxRadius) v = static_cast<float>(maxRadius);
    }
    if (column == 2 && polar) v = std::clamp(v, 0.0f, 360.0f);
    return v;
}

void setPointValue(Profile& profile, int i, int column, double value)
{
    PointRec& point = profile.Points[static_cast<std::size_t>(i)];
    const float single = toSingle(value);
    if (profile.PolarSys) {
        (column == 1 ? point.R : point.Theta) = single;
        deriveRectangular(point);
    } else {
        (column == 1 ? point.X : point.Y) = single;
        derivePolar(point);
    }
}

void placePoint(PointRec& point, float x, float y)
{
    const double r = std::sqrt(static_cast<double>(x) * x + static_cast<double>(y) * y);
    point.R = static_cast<float>(r);
    point.Theta = xyarctan(x, y);
    const XY rect = polarToRect(r, point.Theta);
    point.X = rect.X;
    point.Y = rect.Y;
}

}  // namespace solvane
