#pragma once

#include <QColor>
#include <cstdint>

class QPalette;

namespace solvane {

// Turns a stored colour into a QColor: 0x00BBGGRR directly, a system-colour reference 0x800000nn
// into the palette colour that system colour stands for (button face -> Button, button shadow ->
// Dark, 3-D light -> Light, window text -> WindowText, the rest to the nearest role).
QColor toQColor(std::uint32_t colour, const QPalette& palette);

// The direct 0x00BBGGRR form of a QColor (alpha dropped).
std::uint32_t fromQColor(const QColor& colour);

// True for a 0x800000nn system-colour reference.
constexpr bool isSystemColour(std::uint32_t colour) { return (colour & 0xFF000000u) == 0x80000000u; }

}  // namespace solvane
