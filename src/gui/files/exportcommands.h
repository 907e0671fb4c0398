#pragma once

#include <QString>

#include "platform/platform.h"

namespace solvane {

class WindowServices;

// The export commands of the File menu: the points as CSV and the drawing as a PNG or SVG image.
class ExportCommands {
public:
    explicit ExportCommands(WindowServices& window) : window_(window) {}

    void File_ExportCsv_Click();
    void File_ExportImage_Click();

private:
    void showExportFailure(const FileChoice& file, const QString& reason);

    WindowServices& window_;
    // Side of an exported PNG, kept for the session.
    int exportImageSidePx_ = 1200;
};

}  // namespace solvane
