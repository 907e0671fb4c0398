#include "settings/dialogfolders.h"

namespace solvane {

namespace {

constexpr const char* FoldersSection = "Folders";

const char* folderKey(FolderKind kind)
{
    switch (kind) {
    case FolderKind::Profiles: return "Profiles";
    case FolderKind::KlaResults: return "KLA";
    case FolderKind::Csv: return "CSV";
    case FolderKind::Exports: return "Exports";
    }
    return "Profiles";
}

}  // namespace

std::string dialogFolder(const SettingsStore& store, FolderKind kind, const std::string& fallback,
                         const std::function<bool(const std::string&)>& isFolder)
{
    const std::string stored = store.read(FoldersSection, folderKey(kind), "");
    return !stored.empty() && isFolder(stored) ? stored : fallback;
}

void rememberDialogFolder(SettingsStore& store, FolderKind kind, const std::string& chosenPath)
{
    const std::size_t slash = chosenPath.find_last_of('/');
    if (slash == std::string::npos) return;
    store.write(FoldersSection, folderKey(kind), slash == 0 ? "/" : chosenPath.substr(0, slash));
}

}  // namespace solvane
