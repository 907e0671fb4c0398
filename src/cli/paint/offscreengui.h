#pragma once

#include <QGuiApplication>
#include <memory>

namespace solvane::cli {

// A Qt GUI application on the offscreen platform, for the commands that paint (render, report):
// they need fonts and a palette but never a display.
class OffscreenGui {
public:
    OffscreenGui();
    OffscreenGui(const OffscreenGui&) = delete;
    OffscreenGui& operator=(const OffscreenGui&) = delete;

private:
    int argc_ = 1;
    char name_[12] = "solvane-cli";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
};

}  // namespace solvane::cli
