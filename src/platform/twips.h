#pragma once

namespace solvane {

// Lengths of windows and dialogs are kept in twips, 1440 to the inch.
constexpr double TwipsPerInch = 1440.0;
constexpr double twipsToPixels(double twips, double logicalDpi) { return twips * logicalDpi / TwipsPerInch; }
constexpr double pixelsToTwips(double pixels, double logicalDpi) { return pixels * TwipsPerInch / logicalDpi; }

}  // namespace solvane
