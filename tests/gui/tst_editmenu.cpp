// The Edit menu: Delete, the sorts, Optimise Order, Rotate and Clear Points, triggered from their menu items.
// (Each command's undo step: tst_undo; the turn itself: tst_conversions.)
#include <QAction>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QtTest>

#include "formharness.h"
#include "model/patterns.h"
#include "table/flexgrid.h"

using namespace solvane;

class TestEditMenu : public QObject {
    Q_OBJECT

private slots:
    void commands_data()
    {
        QTest::addColumn<QString>("item");           // a menu item, or the Delete key on the table
        QTest::addColumn<int>("row");                // the table's current row; -1: as the refresh left it
        QTest::addColumn<QList<QPointF>>("points");  // R and Theta
        QTest::addColumn<QPointF>("gone");           // where the deleted point's spot is painted over
        QTest::addColumn<QString>("result");         // the table's rows
        using L = QList<QPointF>;
        const QString del = "Edit_Delete", two = "1|5.00|10.0 2|10.00|20.0 ";
        const L four{{5, 10}, {10, 20}, {15, 30}, {20, 40}};
        const QPointF none, third(12.99, 7.5), fourth(15.32, 12.86);  // spots of (15 mm, 30°) and (20 mm, 40°)
        // clang-format off
        QTest::newRow("delete point 3 of 4") << del << 3 << four << third << two + "3|20.00|40.0 4||";
        QTest::newRow("delete on the entry row") << del << 5 << four << fourth << two + "3|15.00|30.0 4||";
        // Decision: the header row selects no point.
        QTest::newRow("delete on the header row") << del << 0 << four << none << two + "3|15.00|30.0 4|20.00|40.0 5||";
        // Every refresh leaves the entry row current, where the Delete key names no point: a stray press after a
        // command must not take the last point, as the menu item on that row does.
        QTest::newRow("Delete key after a refresh") << "Delete key" << -1 << L{{5, 10}, {7, 20}} << none
                                                    << "1|5.00|10.0 2|7.00|20.0 3||";
        QTest::newRow("Delete key on a point's row") << "Delete key" << 1 << L{{5, 10}, {7, 20}} << none
                                                     << "1|7.00|20.0 2||";
        QTest::newRow("sort theta, stable") << "Edit_SortA" << 0 << L{{1, 90}, {2, 0}, {3, 90}, {4, 45}} << none
                                            << "1|2.00|0.0 2|4.00|45.0 3|1.00|90.0 4|3.00|90.0 5||";
        // clang-format on
    }

    void commands()
    {
        QFETCH(QString, item);
        QFETCH(int, row);
        QFETCH(QList<QPointF>, points);
        QFETCH(QPointF, gone);
        FormHarness h;
        std::vector<std::pair<float, float>> polar;
        for (const QPointF& point : points) polar.emplace_back(point.x(), point.y());
        h.setPolarPoints(polar);
        QCOMPARE(QPoint(h.form().grid().Col(), h.form().grid().Row()), QPoint(1, int(points.size()) + 1));
        const QString before = h.rows();
        if (row >= 0) h.form().grid().setRow(row);
        if (item == "Delete key") {
            h.form().activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&h.form()));
            QTest::keyClick(&h.form().grid(), Qt::Key_Delete);
        } else {
            h.action(qPrintable(item))->trigger();
        }
        QTEST(h.rows(), "result");
        QCOMPARE(h.profile().DataChanged != False, h.rows() != before);
        if (!gone.isNull()) QCOMPARE(h.pixelNear(gone.x(), gone.y()).rgb(), h.form().palette().button().color().rgb());
    }

    // Rotate adds the dialog's angle to every Theta; Cancel leaves the points.
    void rotateTurnsByTheAngleOrCancels()
    {
        FormHarness h;
        h.setPolarPoints({{10, 20}});
        const char* button = "OKBtn";
        h.answerDialogs([&](QDialog& dialog) {
            dialog.findChild<QDoubleSpinBox*>("txtAngle")->setValue(30);
            click(dialog, button);
        });
        h.action("Edit_Rotate")->trigger();
        button = "CancelBtn";
        h.action("Edit_Rotate")->trigger();
        QCOMPARE(h.rows(), QStringLiteral("1|10.00|50.0 2||"));
    }

    void clearPointsTurnsSnapOff()
    {
        FormHarness h;
        h.setPolarPoints({{5, 10}, {10, 20}});
        h.action("Draw_Snap")->trigger();   // snapping on, its dots drawn
        h.action("Edit_Clear")->trigger();  // the document saved afterwards: tst_undo
        QVERIFY(h.profile().SnapOn == False && !h.action("Draw_Snap")->isChecked());
        QCOMPARE(h.pixelAt(0, 0).rgb(), h.form().palette().button().color().rgb());  // the snap dot is gone
    }

    // The generated grid is visited column by column; Optimise Order makes it a serpentine (the order itself:
    // tst_visitorder).
    void optimiseOrderReportsBothLengths()
    {
        FormHarness h;
        setStandardWafer(h.profile());
        h.profile().GridAngSteps = h.profile().GridRadSteps = 30;
        xypattern(h.profile());
        h.action("Edit_Optimise")->trigger();
        QCOMPARE(h.form().findChild<QLabel*>("StatusBarPath")->text(),
                 QStringLiteral("Path 8231.4 mm \u2192 4325.4 mm"));
    }
};

QTEST_MAIN(TestEditMenu)
#include "tst_editmenu.moc"
