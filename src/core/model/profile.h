#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace solvane {

// Truth values kept in 16-bit integers, as the files and flags use them.
constexpr std::int16_t True = -1;
constexpr std::int16_t False = 0;

// One measurement point. Both pairs name the same position: X = R cos Theta, Y = R sin Theta.
struct PointRec {
    float R = 0.0f;      // mm from the wafer centre
    float Theta = 0.0f;  // degrees, counter-clockwise from +X
    std::int16_t Flag = False;
    float X = 0.0f;  // mm
    float Y = 0.0f;  // mm
};

constexpr int MaxPoints = 2000;

// Colours: 0x00BBGGRR, or 0x800000nn naming system colour nn.
using Colour = std::uint32_t;
constexpr Colour ButtonFaceColour = 0x8000000F;
constexpr Colour ButtonShadowColour = 0x80000010;
constexpr Colour WindowTextColour = 0x80000008;
constexpr Colour Light3DColour = 0x80000016;
constexpr Colour Black = 0x00000000;
constexpr Colour Red = 0x000000FF;
constexpr Colour Cyan16 = 0x00808000;  // colour 3 of the 16-colour palette (RGB 0, 128, 128)

// The one open profile and everything that travels with it. The main window owns the single
// instance and passes it by reference; core operations are free functions over it.
// Points[0] is never a point; the profile's points are Points[1..PointCount].
struct Profile {
    std::array<PointRec, MaxPoints + 1> Points{};
    std::int16_t PointCount = 0;
    std::int16_t TableRows = 0;  // belongs to the point table; kept here so generators can set it

    // Wafer parameters.
    double WaferDiameter = 200.0;  // mm
    double BeamDiameter = 8.0;     // mm
    float EdgeExclusion = 5.0f;    // mm
    std::string CoordSys = "Polar";
    std::int16_t PolarSys = False;
    std::int16_t RectSys = False;
    std::string Units = "mms";
    std::int16_t OffsetEnabled = 0;
    double ROffset = 0.0;
    float TOffset = 0.0f;

    // Product flavour (chosen from ModelType by setfiletype).
    std::int16_t ModelType = 11;
    std::string ProfileTitle;
    std::string ProfileExt;
    std::string ProfileFilter;
    std::string ProfileVersion;
    std::string ProfileDir;

    // Text of the description box; the writer and reader exchange it with the file.
    std::string Description;

    // Step counts of the grids (never persisted).
    std::int16_t GridRadSteps = 1;
    std::int16_t GridAngSteps = 4;
    std::int16_t SnapRadSteps = 1;
    std::int16_t SnapAngSteps = 4;
    std::int16_t DlgRadSteps = 0;
    std::int16_t DlgAngSteps = 0;
    std::int16_t SnapOn = False;

    // Colours of the drawing.
    Colour WaferColor = ButtonFaceColour;
    Colour SpotColor = ButtonShadowColour;
    Colour DefWaferColor = ButtonFaceColour;
    Colour DefSpotColor = ButtonShadowColour;
    Colour GridColor = Black;

    // Document state.
    std::string FilePath;
    std::string FileTitle;
    std::int16_t DataChanged = False;
};

// Every entry 0..2000 becomes all zeros; PointCount is left to the caller.
void resetPoints(Profile& profile);

// (WaferDiameter / 2 - EdgeExclusion) - BeamDiameter / 2: where generated points may lie.
double usableRadiusMm(const Profile& profile);

// Sets PolarSys and RectSys for a coordinate-system name: polar exactly when it is "Polar".
void setCoordFlags(Profile& profile, const std::string& coordSys);

// True when the store has room for one more point.
inline bool hasRoomForPoint(const Profile& profile) { return profile.PointCount < MaxPoints; }

}  // namespace solvane
