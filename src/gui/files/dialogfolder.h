#pragma once

#include <optional>
#include <string>

#include "platform/platform.h"
#include "settings/dialogfolders.h"

namespace solvane {

// Shows the file dialog of request in the folder last used for kind (else profileDir) and remembers
// the folder of the file chosen for the next dialog of that kind. Nothing when the user cancels.
std::optional<FileChoice> askForFile(Platform& platform, FileDialogRequest request, FolderKind kind,
                                     const std::string& profileDir);

}  // namespace solvane
