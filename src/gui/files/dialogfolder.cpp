#include "files/dialogfolder.h"

#include <QFileInfo>

#include "render/qttext.h"

namespace solvane {

std::optional<FileChoice> askForFile(Platform& platform, FileDialogRequest request, FolderKind kind,
                                     const std::string& profileDir)
{
    request.initialDir = fromFileSystem(dialogFolder(platform.settings(), kind, profileDir, [](const std::string& f) {
        return QFileInfo(fromFileSystem(f)).isDir();
    }));
    std::optional<FileChoice> choice = platform.fileDialog(request);
    if (choice) rememberDialogFolder(platform.settings(), kind, toFileSystem(choice->path));
    return choice;
}

}  // namespace solvane
