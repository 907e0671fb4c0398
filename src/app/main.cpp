#include <QApplication>

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

    solvane::QtPlatform platform;
    solvane::Form1 window(platform);
    platform.setDialogParent(&window);

    // A second start hands the user to the running editor's window and ends. An instance that does
    // not answer keeps its socket; this one then runs on its own rather than not at all.
    solvane::InstanceGuard guard;
    switch (guard.handOverToRunningInstance()) {
    case solvane::InstanceGuard::HandOver::Done: return 0;
    case solvane::InstanceGuard::HandOver::NoneRunning:
        if (!guard.listen(&window)) qWarning("Solvane: cannot listen for later starts; each will open its own window");
        break;
    case solvane::InstanceGuard::HandOver::NotAnswering:
        qWarning("Solvane: another Solvane does not answer; starting on its own");
        break;
    case solvane::InstanceGuard::HandOver::Unsafe:
        qWarning("Solvane: no private folder for the instance socket; starting on its own");
        break;
    }

    // A kill or a hang-up keeps the unsaved work for the next start instead of losing it.
    solvane::TerminationSignals termination;
    QObject::connect(&termination, &solvane::TerminationSignals::received, &window,
                     &solvane::Form1::quitKeepingUnsavedWork);

    window.show();
    window.recoverUnsavedWork();
    return QApplication::exec();
}
