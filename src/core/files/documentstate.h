#pragma once

#include <string>

#include "model/profile.h"

namespace solvane {

// How the open document relates to the file it is named after.
enum class DocumentSource {
    ProfileFile,  // untitled, read whole, or saved
    PartlyRead,   // the read stopped early or the file held more points than a profile can
    Imported,     // the path names a KLA results or CSV file
    Recovered,    // restored from a recovery copy: the file may have changed since
};

// The open document as the window presents it: its name, whether it holds unsaved changes, where
// it came from, and what follows from that for Save and the name shown.
struct DocumentState {
    std::string path;   // the last file's path; New keeps it, so only the title tells untitled
    std::string title;  // the file's name without its folder; empty while untitled
    bool unsaved = false;
    DocumentSource source = DocumentSource::ProfileFile;

    // Save is offered once the document is named after a file.
    bool saveEnabled() const { return !title.empty(); }
    // Only a profile read whole from its file, or saved there, goes back to it without asking for a
    // name: never over an imported file, without the points a partial read missed, or over a file
    // changed since a recovery.
    bool savesInPlace() const { return saveEnabled() && source == DocumentSource::ProfileFile; }
    // The name in the status bar and the window title: the title, or "Untitled".
    std::string name() const { return title.empty() ? "Untitled" : title; }
};

// The document state of the profile's file fields (FilePath, FileTitle, DataChanged) and its source.
inline DocumentState documentState(const Profile& profile, DocumentSource source)
{
    return {profile.FilePath, profile.FileTitle, profile.DataChanged != False, source};
}

}  // namespace solvane
