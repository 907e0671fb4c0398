// Start-up of the main window: the stored coordinate system and the help file.
#include <QAction>
#include <QDir>
#include <QtTest>

#include "formharness.h"
#include "table/flexgrid.h"

using namespace solvane;

class TestForm1Startup : public QObject {
    Q_OBJECT

private slots:
    void storedRectangularSystemDisablesTheSorts()
    {
        ScriptedPlatform platform;
        platform.memoryStore().write("QDX", "Coord Sys", "Rectangular");
        platform.answerMessage(MessageAnswer::Ok);  // no help file beside this program
        Form1 form(platform);
        QCOMPARE(form.profile().RectSys, True);
        QVERIFY(!form.findChild<QAction*>("Edit_SortA")->isEnabled());
        QCOMPARE(form.grid().TextMatrix(0, 1) + "|" + form.grid().TextMatrix(0, 2), QStringLiteral("X (mm)|Y (mm)"));
    }

    // The help file is looked for beside the program, then along the search path: missing, it is reported once
    // with its fixed text; found, the Help menu opens it.
    void helpFileIsLookedForAlongTheSearchPath()
    {
        const FormHarness withHelp(QSize(), false);
        ScriptedPlatform platform;
        platform.setProgramDir(QDir::temp().filePath(QStringLiteral("no-such-folder-for-solvane")));
        platform.answerMessage(MessageAnswer::Ok);
        QVERIFY(!Form1(platform).helpFileFound());
        QCOMPARE(platform.boxes(),
                 QStringLiteral("Solvane help not available|Exclamation|Ok|qdx5.hlp not found in your "
                                "path.\r\nWindows searches your PATH environment variable for help "
                                "files, so you need to copy qdx5.hlp to a directory included in your "
                                "PATH if you wish to obtain help while running Solvane."));
        platform.setSearchPath(QStringLiteral("/nonexistent:") + withHelp.programDir());
        Form1 form(platform);
        QCOMPARE(form.helpPath(), withHelp.programDir() + QLatin1Char('/'));
        form.findChild<QAction*>("Menu_HelpSelection_1")->trigger();
        QCOMPARE(platform.helpRequests(), QStringList{withHelp.programDir() + QStringLiteral("/qdx5.hlp")});
        SOLVANE_VERIFY_ALL_PROMPTS_SCRIPTED(platform);
    }
};

QTEST_MAIN(TestForm1Startup)
#include "tst_form1startup.moc"
