#include "render/colours.h"

#include <QPalette>

namespace solvane {

namespace {

// The palette role closest to each system colour index; indices past the table fall back to Window.
QPalette::ColorRole roleOfSystemColour(std::uint32_t index)
{
    switch (index) {
    case 0x00: return QPalette::Mid;              // scroll bar
    case 0x01: return QPalette::Window;           // desktop
    case 0x02: return QPalette::Highlight;        // active caption
    case 0x03: return QPalette::Mid;              // inactive caption
    case 0x04: return QPalette::Window;           // menu
    case 0x05: return QPalette::Base;             // window background
    case 0x06: return QPalette::Shadow;           // window frame
    case 0x07: return QPalette::WindowText;       // menu text
    case 0x08: return QPalette::WindowText;       // window text
    case 0x09: return QPalette::HighlightedText;  // caption text
    case 0x0A: return QPalette::Midlight;         // active border
    case 0x0B: return QPalette::Midlight;         // inactive border
    case 0x0C: return QPalette::Mid;              // application workspace
    case 0x0D: return QPalette::Highlight;        // highlight
    case 0x0E: return QPalette::HighlightedText;  // highlight text
    case 0x0F: return QPalette::Button;           // button face
    case 0x10: return QPalette::Dark;             // button shadow
    case 0x11: return QPalette::PlaceholderText;  // grey text
    case 0x12: return QPalette::ButtonText;       // button text
    case 0x13: return QPalette::WindowText;       // inactive caption text
    case 0x14: return QPalette::Light;            // button highlight
    case 0x15: return QPalette::Shadow;           // 3-D dark shadow
    case 0x16: return QPalette::Light;            // 3-D light
    case 0x17: return QPalette::ToolTipText;      // info text
    case 0x18: return QPalette::ToolTipBase;      // info background
    default: return QPalette::Window;
    }
}

}  // namespace

QColor toQColor(std::uint32_t colour, const QPalette& palette)
{
    if (isSystemColour(colour)) return palette.color(QPalette::Active, roleOfSystemColour(colour & 0xFFu));
    return QColor(static_cast<int>(colour & 0xFFu), static_cast<int>((colour >> 8) & 0xFFu),
                  static_cast<int>((colour >> 16) & 0xFFu));
}

std::uint32_t fromQColor(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return static_cast<std::uint32_t>(rgb.red()) | (static_cast<std::uint32_t>(rgb.green()) << 8) |
           (static_cast<std::uint32_t>(rgb.blue()) << 16);
}

}  // namespace solvane
