// The Draw menu: the fixed patterns, the polar and XY grids and the snap grid through the grid steps dialog,
// the Snap toggle, the rings through their dialog and Show Path. The dialogs themselves and the generators
// have tests of their own.
#include <QAction>
#include <QLabel>
#include <QScrollBar>
#include <QtTest>

#include "formharness.h"
#include "table/flexgrid.h"

using namespace solvane;

class TestDrawMenu : public QObject {
    Q_OBJECT

private slots:
    void commands_data()
    {
        QTest::addColumn<QString>("items");          // menu items, in turn
        QTest::addColumn<QList<QPoint>>("answers");  // the grid steps dialog's: OK on (upper, lower), or none: Cancel
        QTest::addColumn<QString>("shown");          // each showing: "title|upper caption|lower caption|upper|lower"
        QTest::addColumn<QString>("state");  // points: first .. last row, the row below; rows; snap; centre colour
        const QPoint cancel;
        const QString polar = "Polar|No. of Angle Steps|No. of Radius Steps|",
                      xy = "X Y|No. of X Steps|No. of Y Steps|";
        const QString grid = "Snap to Grid|No. of Angle Steps|No. of Radius Steps|";
        const QString five = "5: 1|0.00|0.0 .. 5|91.00|360.0 6||, 7 rows",
                      two = "2: 1|91.00|270.0 .. 2|91.00|90.0 3||, 4 rows";
        // clang-format off
        QTest::newRow("5 point") << "Draw_Five" << QList<QPoint>{} << "" << five + ", grid 0, centre #00ff00";
        // The dialog opens on the counts the last pattern left; Cancel ends the command, the points stay.
        QTest::newRow("polar, cancel") << "Draw_Seventeen Draw_Polar" << QList<QPoint>{cancel} << polar + " 8| 2\n"
                                       << "17: 1|0.00|0.0 .. 17|91.00|360.0 18||, 19 rows, grid 0, centre #00ff00";
        QTest::newRow("polar, 3 x 2") << "Draw_Seventeen Draw_Polar" << QList<QPoint>{{3, 2}} << polar + " 8| 2\n"
                                      << "7: 1|0.00|0.0 .. 7|91.00|360.0 8||, 9 rows, grid 0, centre #00ff00";
        // XY steps leave TableRows alone: after 17 points the table keeps blank numbered rows.
        QTest::newRow("xy, 2 x 2") << "Draw_Seventeen Draw_XY" << QList<QPoint>{{2, 2}} << xy + " 8| 2\n"
                                   << "5: 1|91.00|180.0 .. 5|91.00|360.0 6||, 19 rows, grid 0, centre #00ff00";
        // Snap to Grid cancelled leaves snapping as it was. OK turns it on in cyan with its dots over the spots
        // (a full redraw puts them under); its counts are not the patterns' counts, and the next showing opens
        // on them.
        QTest::newRow("snap to grid, cancel") << "Draw_Five Draw_Grid" << QList<QPoint>{cancel} << grid + " 4| 1\n"
                                              << five + ", grid 0, centre #00ff00";
        QTest::newRow("snap to grid, OK") << "Draw_Five Draw_Grid Draw_Grid Draw_Polar"
                                          << QList<QPoint>{{6, 3}, cancel, cancel}
                                          << grid + " 4| 1\n" + grid + " 6| 3\n" + polar + " 4| 1\n"
                                          << five + ", snap, grid 808000, centre #008080";
        // The start-up counts, 4 X steps and 1 Y step, keep only the two nodes on the Y axis. Before any grid
        // set-up the toggle shows the start-up grid in black; it never asks for counts.
        QTest::newRow("snap toggle on") << "Draw_XY Draw_Snap" << QList<QPoint>{{4, 1}} << xy + " 4| 1\n"
                                        << two + ", snap, grid 0, centre #000000";
        QTest::newRow("snap toggle off") << "Draw_XY Draw_Snap Draw_Snap" << QList<QPoint>{{4, 1}} << xy + " 4| 1\n"
                                         << two + ", grid 0, centre #0000ff";
        // clang-format on
    }

    void commands()
    {
        QFETCH(QString, items);
        QFETCH(QList<QPoint>, answers);
        FormHarness h;
        Profile& p = h.profile();
        setStandardWafer(p);
        QString shown;
        h.answerDialogs([&](QDialog& dialog) {
            const auto text = [&](const char* name) { return dialog.findChild<QLabel*>(name)->text(); };
            shown += QStringList{dialog.windowTitle(), text("Label1"), text("Label2"), text("Ang"), text("Rad")}.join(
                '|');
            shown += '\n';
            const QPoint counts = answers.isEmpty() ? QPoint() : answers.takeFirst();  // Cancel moves both bars first
            auto* upper = dialog.findChild<QScrollBar*>("HScroll1");
            auto* lower = dialog.findChild<QScrollBar*>("HScroll2");
            upper->setValue(counts.isNull() ? upper->value() + 5 : counts.x());
            lower->setValue(counts.isNull() ? lower->value() + 5 : counts.y());
            click(dialog, counts.isNull() ? "CancelBtn" : "OKBtn");
        });
        h.platform.clear();
        for (const QString& item : items.split(' ')) h.action(item.toLatin1().constData())->trigger();
        QTEST(shown, "shown");
        const int n = p.PointCount;
        const QString rows = QString::number(n) + ": " + h.row(1) + " .. " + h.row(n) + ' ' + h.row(n + 1) + ", " +
                             QString::number(h.form().grid().Rows()) + " rows" + (p.SnapOn ? ", snap" : "");
        QTEST(rows + ", grid " + QString::number(p.GridColor, 16) + ", centre " + h.pixelAt(0.3, -0.3).name(), "state");
        QCOMPARE(h.action("Draw_Snap")->isChecked(), p.SnapOn == True);
        QCOMPARE(p.DataChanged, True);
        QVERIFY(h.platform.pointerChanges().front() == Pointer::Busy && h.platform.pointer() == Pointer::Default);
        QCOMPARE(h.pixelNear(p.Points[std::size_t(n)].X, p.Points[std::size_t(n)].Y).name(), "#00ff00");  // drawn
    }

    // Rings: the count follows the bars; Cancel changes nothing; OK replaces the points and is remembered.
    void rings()
    {
        FormHarness h;
        QStringList shown;
        QList<QPoint> answers{{5, 8}, {}};  // bars to (rings, first ring) then OK, or none: Cancel
        h.answerDialogs([&](QDialog& dialog) {
            const auto text = [&](const char* name) { return dialog.findChild<QLabel*>(name)->text(); };
            const auto look = [&] {
                return QStringList{text("Rings"), text("FirstRing"), text("PointTotal")}.join('|');
            };
            const QPoint counts = answers.takeFirst();
            shown << dialog.windowTitle() + '|' + look();
            dialog.findChild<QScrollBar*>("HScroll1")->setValue(counts.isNull() ? 10 : counts.x());
            dialog.findChild<QScrollBar*>("HScroll2")->setValue(counts.isNull() ? 30 : counts.y());
            shown.last() += " -> " + look();
            click(dialog, counts.isNull() ? "CancelBtn" : "OKBtn");
        });
        h.action("Draw_Rings")->trigger();
        h.action("Draw_Rings")->trigger();  // the points themselves: tst_patterns
        QCOMPARE(shown, QStringList({"Rings| 3| 8|49 points ->  5| 8|121 points",
                                     "Rings| 5| 8|121 points ->  10| 30|1651 points"}));
        QCOMPARE(std::pair(int(h.profile().PointCount), h.profile().DataChanged), std::pair(121, True));
    }

    // Show Path joins the spots in list order in the grid colour and reports the length. (Under the spots and
    // clipped: tst_waferdrawing.)
    void showPathDrawsTheLinesAndIsRemembered()
    {
        FormHarness h;
        h.profile().GridColor = 0x00FF00FF;                                 // magenta
        h.setPolarPoints({{50, 0}, {50, 180}, {58.309519f, 149.036243f}});  // (50, 0), (-50, 0), (-50, 30)
        const auto onPath = [&](double X, double Y) {  // a one-pixel line may fall a pixel either side
            for (const double d : {-0.4, -0.2, 0.0, 0.2, 0.4})
                if (h.pixelAt(X + d, Y + d) == Qt::magenta) return true;
            return false;
        };
        h.action("Draw_Path")->trigger();
        QVERIFY(onPath(20, 0) && onPath(-50, 15));
        const QLabel* length = h.form().findChild<QLabel*>("StatusBarPath");
        QCOMPARE(length->text(), QStringLiteral("Path 130.0 mm"));
        QCOMPARE(h.platform.settings().read("Main", "ShowPath", ""), std::string("1"));
        h.action("Draw_Path")->trigger();
        QVERIFY(!onPath(20, 0) && length->text().isEmpty());
        QCOMPARE(h.platform.settings().read("Main", "ShowPath", ""), std::string("0"));
    }
};

QTEST_MAIN(TestDrawMenu)
#include "tst_drawmenu.moc"
