#include "paint/offscreengui.h"

namespace solvane::cli {

OffscreenGui::OffscreenGui()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    app_ = std::make_unique<QGuiApplication>(argc_, argv_);
}

}  // namespace solvane::cli
