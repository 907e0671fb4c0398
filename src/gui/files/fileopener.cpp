#include "files/fileopener.h"

#include <QFile>
#include <QFileInfo>
#include <optional>
#include <string>

#include "files/filechecks.h"
#include "files/filekind.h"
#include "render/qttext.h"

namespace solvane {

FileOpener::FileOpener(Platform& platform, Commands commands) : platform_(platform), commands_(std::move(commands)) {}

void FileOpener::open(const QString& path)
{
    const QFileInfo info(path);
    const FileChoice file{info.absoluteFilePath(), info.fileName()};
    if (!info.exists()) {
        refuse(file.path, QStringLiteral("there is no such file"));
        return;
    }
    // Checked before a byte is read: a folder, a device or a pipe with no writer is refused, never waited on.
    if (const std::optional<std::string> problem = plainFileProblem(toFileSystem(file.path))) {
        refuse(file.path, fromBytes(*problem));
        return;
    }
    QFile opened(file.path);
    if (!opened.open(QIODevice::ReadOnly)) {
        refuse(file.path, opened.errorString());
        return;
    }
    const QByteArray head = opened.read(FileKindProbeBytes);
    opened.close();

    const std::function<void(const FileChoice&)>* command = nullptr;
    switch (fileKindOf(toFileSystem(file.title), std::string_view(head.constData(), head.size()))) {
    case FileKind::Profile: command = &commands_.openProfile; break;
    case FileKind::KlaResults: command = &commands_.importKlaResults; break;
    case FileKind::Csv: command = &commands_.importCsv; break;
    case FileKind::Unknown:
        refuse(file.path, QStringLiteral("Solvane opens profiles (.waf, .map), KLA results files and CSV files "
                                         "(.csv, .txt), and this file is none of these"));
        return;
    }
    if (commands_.mayDiscardChanges()) (*command)(file);
}

void FileOpener::openFirst(const QStringList& paths)
{
    if (paths.isEmpty()) return;
    open(paths.first());
    if (paths.size() > 1)
        platform_.messageBox(QStringLiteral("Solvane edits one file at a time: only \"%1\" was opened.")
                                 .arg(QFileInfo(paths.first()).fileName()),
                             QStringLiteral("Solvane"), MessageIcon::Information, MessageButtons::Ok);
}

void FileOpener::refuse(const QString& path, const QString& reason)
{
    platform_.messageBox(QStringLiteral("\"%1\" was not opened:\r\n%2.").arg(path, reason), QStringLiteral("Solvane"),
                         MessageIcon::Exclamation, MessageButtons::Ok);
}

}  // namespace solvane
