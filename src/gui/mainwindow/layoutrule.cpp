#include "mainwindow/layoutrule.h"

#include <cmath>

namespace solvane {

LayoutResult layoutPanes(const LayoutInput& in)
{
    LayoutResult out{};
    out.descriptWidth = in.innerWidth - in.descriptLeft > 0 ? in.innerWidth - in.descriptLeft : in.descriptWidth;
    out.gridTop = in.innerTop + in.descriptHeight;
    double roomLeft = in.innerWidth - in.gridWidth;
    double roomDown = in.innerHeight - in.statusBarHeight - in.descriptHeight;
    if (roomLeft < 100) roomLeft = 100;
    if (roomDown < 100) roomDown = 100;
    // A wider type than the 16-bit original: very large screens are not capped.
    out.pictureSide = static_cast<long>(std::nearbyint(roomLeft > roomDown ? roomDown : roomLeft));
    out.gridHeight = roomDown;
    out.gridLeft = roomLeft;
    out.pictureTop = (roomDown - static_cast<double>(out.pictureSide)) / 2 + in.descriptHeight;
    out.pictureLeft = (roomLeft - static_cast<double>(out.pictureSide)) / 2;
    return out;
}

}  // namespace solvane
