#pragma once

#include <QByteArray>
#include <QPalette>
#include <QString>
#include <optional>

#include "model/profile.h"

namespace solvane {

// Image files of the wafer drawing, painted by the same procedures as the screen (redrawall).
enum class WaferImageFormat { Png, Svg };

// The format a file name asks for by its extension (any case), or nothing for another one.
std::optional<WaferImageFormat> waferImageFormatOf(const QString& path);

// The drawing of profile as the bytes of a square image file of sidePx pixels: a PNG, or an SVG of
// that nominal size whose circles, lines and numbers are vector shapes. Empty when it could not be
// encoded.
QByteArray waferImageBytes(const Profile& profile, const QPalette& palette, bool showPath, WaferImageFormat format,
                           int sidePx);

}  // namespace solvane
