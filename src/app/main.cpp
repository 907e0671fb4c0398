#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>

#include "help/appicon.h"
#include "mainwindow/form1.h"
#include "platform/instanceguard.h"
#include "platform/qtplatform.h"
#include "platform/terminationsignals.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Solvane"));
    QApplication::setOrganizationName(QStringLiteral("Solvane"));
    QApplication::setApplicationVersion(QStringLiteral("5.1"));
    QApplication::setWindowIcon(solvane::applicationIcon());

    QCommandLineParser arguments;
    arguments.setApplicationDescription(
        QStringLiteral("Editor for wafer measurement profiles. FILE is a profile (.waf, .map) to open, or a KLA "
                       "results file or CSV file to import; an editor already running on this display opens it."));
    arguments.addHelpOption();
    arguments.addVersionOption();
    arguments.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The file to open."),
                                    QStringLiteral("[FILE]"));
    arguments.process(app);
    QStringList files = arguments.positionalArguments();
    // Relative to the folder this start was made in, not the running editor's.
    for (QString& file : files) file = QFileInfo(file).absoluteFilePath();

    // A second start hands the user, and its file, to the running editor's window and ends. An instance
    // that does not answer keeps its socket; this one then runs on its own rather than not at all.
    solvane::InstanceGuard guard;
    const solvane::InstanceGuard::HandOver handOver = guard.handOverToRunningInstance(files.value(0));
    if (handOver == solvane::InstanceGuard::HandOver::Done) {
        if (files.size() > 1)
            qWarning("Solvane edits one file at a time: only %s was opened", qPrintable(files.first()));
        return 0;
    }

    solvane::QtPlatform platform;
    solvane::Form1 window(platform);
    platform.setDialogParent(&window);
    switch (handOver) {
    case solvane::InstanceGuard::HandOver::NoneRunning:
        if (!guard.listen(&window, [&window](const QString& file) { window.openFiles({file}); }))
            qWarning("Solvane: cannot listen for later starts; each will open its own window");
        break;
    case solvane::InstanceGuard::HandOver::NotAnswering:
        qWarning("Solvane: another Solvane does not answer; starting on its own");
        break;
    case solvane::InstanceGuard::HandOver::Unsafe:
        qWarning("Solvane: no private folder for the instance socket; starting on its own");
        break;
    case solvane::InstanceGuard::HandOver::Done: break;
    }

    // A kill or a hang-up keeps the unsaved work for the next start instead of losing it.
    solvane::TerminationSignals termination;
    QObject::connect(&termination, &solvane::TerminationSignals::received, &window,
                     &solvane::Form1::quitKeepingUnsavedWork);

    window.show();
    window.recoverUnsavedWork();
    window.openFiles(files);
    return QApplication::exec();
}
