#include "render/colours.h"

#include <QPalette>
#include <iterator>

namespace solvane {

namespace {

// The palette role closest to each system colour index; indices past the table fall back to Window.
QPalette::ColorRole roleOfSystemColour(std::uint32_t index)
{
    // clang-format off
    static constexpr QPalette::ColorRole Roles[] = {
        QPalette::Mid,              // 0x00 scroll bar
        QPalette::Window,           // 0x01 desktop
        QPalette::Highlight,        // 0x02 active caption
        QPalette::Mid,              // 0x03 inactive caption
        QPalette::Window,           // 0x04 menu
        QPalette::Base,             // 0x05 window background
        QPalette::Shadow,           // 0x06 window frame
        QPalette::WindowText,       // 0x07 menu text
        QPalette::WindowText,       // 0x08 window text
        QPalette::HighlightedText,  // 0x09 caption text
        QPalette::Midlight,         // 0x0A active border
        QPalette::Midlight,         // 0x0B inactive border
        QPalette::Mid,              // 0x0C application workspace
        QPalette::Highlight,        // 0x0D highlight
        QPalette::HighlightedText,  // 0x0E highlight text
        QPalette::Button,           // 0x0F button face
        QPalette::Dark,             // 0x10 button shadow
        QPalette::PlaceholderText,  // 0x11 grey text
        QPalette::ButtonText,       // 0x12 button text
        QPalette::WindowText,       // 0x13 inactive caption text
        QPalette::Light,            // 0x14 button highlight
        QPalette::Shadow,           // 0x15 3-D dark shadow
        QPalette::Light,            // 0x16 3-D light
        QPalette::ToolTipText,      // 0x17 info text
        QPalette::ToolTipBase,      // 0x18 info background
    };
    // clang-format on
    return index < std::size(Roles) ? Roles[index] : QPalette::Window;
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
