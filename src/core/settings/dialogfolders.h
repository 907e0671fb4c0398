#pragma once

#include <functional>
#include <string>

#include "settings/settingsstore.h"

namespace solvane {

// The kinds of file whose dialogs each remember their own folder.
enum class FolderKind { Profiles, KlaResults, Csv, Exports };

// The folder a file dialog for kind opens in: the one last used for that kind while it is still a
// folder, else fallback (the profile folder of the settings, the user's home when none is set).
std::string dialogFolder(const SettingsStore& store, FolderKind kind, const std::string& fallback,
                         const std::function<bool(const std::string&)>& isFolder);

// Remembers the folder of chosenPath, a file just chosen in a dialog for kind.
void rememberDialogFolder(SettingsStore& store, FolderKind kind, const std::string& chosenPath);

}  // namespace solvane
