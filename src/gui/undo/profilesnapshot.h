#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/profile.h"

namespace solvane {

// What an undo step restores of the profile: everything a Save writes, the wafer parameters and
// colours the drawing shows, and the table's current row. The snap state, the grid step counts and
// the document's name stay as they are: they are settings of the session, not of the profile.
struct ProfileSnapshot {
    // Points[1..] up to the last entry that is not all zeros: past PointCount too, since the entry
    // row reuses what a deleted point left in its slot.
    std::vector<PointRec> points;
    std::int16_t PointCount = 0;
    std::int16_t TableRows = 0;
    double WaferDiameter = 0.0;
    double BeamDiameter = 0.0;
    float EdgeExclusion = 0.0f;
    std::string CoordSys;
    std::int16_t PolarSys = 0;
    std::int16_t RectSys = 0;
    std::string Units;
    std::int16_t OffsetEnabled = 0;
    double ROffset = 0.0;
    float TOffset = 0.0f;
    std::string Description;
    Colour WaferColor = 0;
    Colour SpotColor = 0;
    int currentRow = 0;  // not part of the content: restored where the row still exists
};

ProfileSnapshot takeSnapshot(const Profile& profile, int currentRow);
// Writes the snapshot's content into profile.
void restoreSnapshot(Profile& profile, const ProfileSnapshot& snapshot);
// True when the two hold the same content (the current row aside).
bool sameContent(const ProfileSnapshot& a, const ProfileSnapshot& b);
// True when the drawing's wafer differs between the two: its parameters, system or colours.
bool sameWafer(const Profile& profile, const ProfileSnapshot& snapshot);

}  // namespace solvane
