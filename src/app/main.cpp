#include <QApplication>

#include "help/appicon.h"
#include "mainwindow/form1.h"
#include "platform/instanceguard.h"
#include "platform/qtplatform.h"

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

    // A second start hands the user to the running editor's window and ends.
    solvane::InstanceGuard guard;
    if (guard.handOverToRunningInstance()) return 0;
    guard.listen(&window);

    window.show();
    return QApplication::exec();
}
