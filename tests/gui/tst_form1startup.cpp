// Start-up of the main window, the point table display and the layout rule.
#include <QAction>
#include <QDir>
#include <QtTest>

#include "formharness.h"
#include "mainwindow/layoutrule.h"
#include "table/flexgrid.h"

using namespace solvane;

namespace {

const QString MissingHelpText = QStringLiteral(
    "qdx5.hlp not found in your path.\r\n"
    "Windows searches your PATH environment variable for help files, "
    "so you need to copy qdx5.hlp to a directory included in your "
    "PATH if you wish to obtain help while running Solvane.");

}  // namespace

class TestForm1Startup : public QObject {
    Q_OBJECT

private slots:
    void emptyStoreStartsPolarUntitledAndEmpty()
    {
        FormHarness h(QSize(), false);
        Form1& form = h.form();
        const Profile& p = form.profile();

        QCOMPARE(form.windowTitle(), QStringLiteral("Solvane/Wafer"));
        QCOMPARE(p.WaferDiameter, 150.0);
        QCOMPARE(p.CoordSys, std::string("Polar"));
        QCOMPARE(p.PolarSys, True);
        QCOMPARE(p.RectSys, False);
        QCOMPARE(p.PointCount, std::int16_t(0));
        QCOMPARE(p.DataChanged, False);
        QCOMPARE(p.SnapOn, False);
        QCOMPARE(p.GridAngSteps, std::int16_t(4));
        QCOMPARE(p.SnapRadSteps, std::int16_t(1));
        QVERIFY(!h.action("File_Save")->isEnabled());
        QVERIFY(h.action("Edit_SortA")->isEnabled());
        QVERIFY(h.action("Edit_SortR")->isEnabled());
        QVERIFY(!h.action("Draw_Snap")->isChecked());
        QCOMPARE(form.statusPanel(2), QStringLiteral("Untitled"));

        FlexGrid& grid = form.grid();
        QCOMPARE(grid.Cols(), 3);
        QCOMPARE(grid.Rows(), 2);
        QCOMPARE(grid.TextMatrix(0, 0), QString());
        QCOMPARE(grid.TextMatrix(0, 1), QStringLiteral("R(mm)"));
        QCOMPARE(grid.TextMatrix(0, 2), QStringLiteral("Theta"));
        QCOMPARE(grid.TextMatrix(1, 0), QStringLiteral("1"));
        QVERIFY(h.platform.messages().empty());
    }

    void storedRectangularSystemDisablesTheSorts()
    {
        ScriptedPlatform platform;
        platform.memoryStore().write("QDX", "Coord Sys", "Rectangular");
        platform.answerMessage(MessageAnswer::Ok);  // no help file beside this program
        Form1 form(platform);

        QCOMPARE(form.profile().RectSys, True);
        QCOMPARE(form.profile().PolarSys, False);
        QVERIFY(!form.findChild<QAction*>("Edit_SortA")->isEnabled());
        QVERIFY(!form.findChild<QAction*>("Edit_SortR")->isEnabled());
        QCOMPARE(form.grid().TextMatrix(0, 1), QStringLiteral("X (mm)"));
        QCOMPARE(form.grid().TextMatrix(0, 2), QStringLiteral("Y (mm)"));
    }

    void missingHelpFileIsReportedOnceWithItsFixedText()
    {
        ScriptedPlatform platform;
        platform.setProgramDir(QDir::temp().filePath(QStringLiteral("no-such-folder-for-solvane")));
        platform.setSearchPath(QString());
        platform.answerMessage(MessageAnswer::Ok);
        Form1 form(platform);

        QVERIFY(!form.helpFileFound());
        QCOMPARE(platform.messages().size(), std::size_t(1));
        const auto& message = platform.messages().front();
        QCOMPARE(message.text, MissingHelpText);
        QCOMPARE(message.title, QStringLiteral("Solvane help not available"));
        QCOMPARE(message.icon, MessageIcon::Exclamation);
        QCOMPARE(message.buttons, MessageButtons::Ok);
        SOLVANE_VERIFY_ALL_PROMPTS_SCRIPTED(platform);
    }

    void helpFileIsFoundAlongTheSearchPath()
    {
        const FormHarness withHelp(QSize(), false);
        ScriptedPlatform platform;
        platform.setProgramDir(QDir::temp().filePath(QStringLiteral("no-such-folder-for-solvane")));
        platform.setSearchPath(QStringLiteral("/nonexistent:") + withHelp.programDir());
        Form1 form(platform);
        QVERIFY(form.helpFileFound());
        QCOMPARE(form.helpPath(), withHelp.programDir() + QLatin1Char('/'));

        form.findChild<QAction*>("Menu_HelpSelection_1")->trigger();
        QCOMPARE(platform.helpRequests(), QStringList{withHelp.programDir() + QStringLiteral("/qdx5.hlp")});
    }

    void tableShowsTheStoredPairOfTheChosenSystem()
    {
        FormHarness h(QSize(), false);
        Form1& form = h.form();
        Profile& p = form.profile();
        p.Points[1] = PointRec{12.5f, 90.0f, False, 0.0f, -3.0f};
        p.PointCount = 1;
        form.updategrid();
        QCOMPARE(form.grid().TextMatrix(1, 1), QStringLiteral("12.50"));
        QCOMPARE(form.grid().TextMatrix(1, 2), QStringLiteral("90.0"));
        QCOMPARE(form.grid().TextMatrix(2, 0), QStringLiteral("2"));
        QCOMPARE(form.grid().TextMatrix(2, 1), QString());
        QCOMPARE(p.DataChanged, True);
        QCOMPARE(form.grid().Row(), 0);
        QCOMPARE(form.grid().Col(), 0);

        p.PolarSys = False;
        p.RectSys = True;
        form.updategrid();
        QCOMPARE(form.grid().TextMatrix(0, 1), QStringLiteral("X (mm)"));
        QCOMPARE(form.grid().TextMatrix(1, 1), QStringLiteral("0.00"));
        QCOMPARE(form.grid().TextMatrix(1, 2), QStringLiteral("-3.00"));
    }

    void keptBlankRowsAreNumbered()
    {
        FormHarness h(QSize(), false);
        Form1& form = h.form();
        Profile& p = form.profile();
        p.PointCount = 5;
        p.TableRows = 17;
        form.updategrid();
        QCOMPARE(form.grid().Rows(), 19);
        for (int row = 6; row <= 18; ++row) {
            QCOMPARE(form.grid().TextMatrix(row, 0), QString::number(row));
            QCOMPARE(form.grid().TextMatrix(row, 1), QString());
        }

        // An empty list with no kept rows: the entry row is numbered 1, never 0.
        p.PointCount = 0;
        p.TableRows = 0;
        form.updategrid();
        QCOMPARE(form.grid().Rows(), 2);
        QCOMPARE(form.grid().TextMatrix(1, 0), QStringLiteral("1"));
    }

    void layoutRuleFitsTheLargestCentredSquare_data()
    {
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::addColumn<double>("pictureLeft");
        QTest::addColumn<double>("pictureTop");
        QTest::addColumn<long>("side");
        QTest::addColumn<double>("gridLeft");
        // Grid 3000 wide, description 315 high, status bar 315 high.
        QTest::newRow("wide: side from the height") << 12000.0 << 6000.0 << 1815.0 << 315.0 << 5370L << 9000.0;
        QTest::newRow("tall: side from the width") << 6000.0 << 9000.0 << 0.0 << 3000.0 << 3000L << 3000.0;
        QTest::newRow("narrower than the table") << 2000.0 << 6000.0 << 0.0 << 2950.0 << 100L << 100.0;
        QTest::newRow("minimised") << 0.0 << 0.0 << 0.0 << 315.0 << 100L << 100.0;
    }

    void layoutRuleFitsTheLargestCentredSquare()
    {
        QFETCH(double, width);
        QFETCH(double, height);
        LayoutInput in{width, height, 0.0, 1740.0, 4000.0, 315.0, 3000.0, 315.0};
        const LayoutResult out = layoutPanes(in);
        QTEST(out.pictureLeft, "pictureLeft");
        QTEST(out.pictureTop, "pictureTop");
        QTEST(out.pictureSide, "side");
        QTEST(out.gridLeft, "gridLeft");
        QCOMPARE(out.gridTop, 315.0);
        QCOMPARE(out.descriptWidth, width > 1740.0 ? width - 1740.0 : 4000.0);
    }
};

QTEST_MAIN(TestForm1Startup)
#include "tst_form1startup.moc"
