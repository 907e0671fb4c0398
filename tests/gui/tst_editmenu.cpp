// The Edit menu: Delete, Copy, the two sorts and Clear Points, triggered from their menu items.
#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "mainwindow/form1.h"
#include "model/conversions.h"
#include "offscreennoise.h"
#include "scriptedplatform.h"
#include "table/flexgrid.h"
#include "view/waferview.h"

using namespace solvane;

namespace {

// The main window on the scripted platform, shown, with a 200 mm wafer.
struct Window {
    explicit Window(bool rectangular = false)
    {
        QFile help(helpDir.filePath(QStringLiteral("qdx5.hlp")));
        if (help.open(QIODevice::WriteOnly)) help.write("<html></html>");
        platform.setProgramDir(helpDir.path());
        if (rectangular) platform.memoryStore().write("QDX", "Coord Sys", "Rectangular");
        form = std::make_unique<Form1>(platform);
        form->profile().WaferDiameter = 200.0;
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get())) qWarning("main window not exposed");
    }

    void load(const std::vector<PointRec>& points)
    {
        Profile& p = form->profile();
        int i = 0;
        for (const PointRec& point : points) p.Points[static_cast<std::size_t>(++i)] = point;
        p.PointCount = static_cast<std::int16_t>(i);
        form->updategrid();
        form->redrawall();
        p.DataChanged = False;
    }

    void trigger(const char* name)
    {
        QAction* item = form->findChild<QAction*>(QString::fromLatin1(name));
        QVERIFY(item);
        item->trigger();
    }

    void goToRow(int row)
    {
        form->grid().setCol(1);
        form->grid().setRow(row);
    }

    QRgb drawnAt(double x, double y)
    {
        const QPointF centre = form->picture().surface().toPixels(-x, -y);
        return form->picture().surface().image().pixel(centre.toPoint() - QPoint(1, 1));
    }

    FlexGrid& grid() { return form->grid(); }
    Profile& profile() { return form->profile(); }

    QTemporaryDir helpDir;
    ScriptedPlatform platform;
    std::unique_ptr<Form1> form;
};

PointRec polar(float r, float theta, std::int16_t flag = False)
{
    const XY xy = polarToRect(r, theta);
    return PointRec{r, theta, flag, xy.X, xy.Y};
}

std::vector<PointRec> ninePoints()
{
    std::vector<PointRec> points;
    for (int i = 1; i <= 9; ++i) points.push_back(polar(float(5 * i), float(10 * i)));
    return points;
}

}  // namespace

class TestEditMenu : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { quietOffscreenWarnings(); }

    void deleteRemovesTheCurrentRowsPoint()
    {
        Window w;
        w.load(ninePoints());
        w.goToRow(3);
        w.trigger("Edit_Delete");

        const Profile& p = w.profile();
        QCOMPARE(p.PointCount, std::int16_t(8));
        QCOMPARE(p.TableRows, std::int16_t(8));
        QCOMPARE(p.DataChanged, True);
        QCOMPARE(p.Points[2].R, 10.0f);
        for (int i = 3; i <= 8; ++i) QCOMPARE(p.Points[static_cast<std::size_t>(i)].R, float(5 * (i + 1)));
        QCOMPARE(w.grid().Rows(), 10);
        QCOMPARE(w.grid().TextMatrix(3, 0), QStringLiteral("3"));
        QCOMPARE(w.grid().TextMatrix(3, 1), QStringLiteral("20.00"));
        QCOMPARE(w.grid().TextMatrix(8, 2), QStringLiteral("90.0"));
        QCOMPARE(w.grid().TextMatrix(9, 0), QStringLiteral("9"));
        QCOMPARE(w.grid().TextMatrix(9, 1), QString());
        QCOMPARE(w.grid().Row(), 0);
        // The deleted point's spot is gone from the drawing, the last one drawn is now spot 8.
        QCOMPARE(w.drawnAt(polar(15, 30).X, polar(15, 30).Y), w.form->palette().color(QPalette::Button).rgb());
    }

    void deleteOnTheEntryRowDropsTheLastPoint()
    {
        Window w;
        w.load(ninePoints());
        w.goToRow(10);
        w.trigger("Edit_Delete");
        QCOMPARE(w.profile().PointCount, std::int16_t(8));
        QCOMPARE(w.profile().Points[8].R, 40.0f);
        QCOMPARE(w.grid().Rows(), 10);
    }

    void deleteKeepsTheOnlyPointAndNeedsARow()
    {
        Window w;
        w.load({polar(5, 5)});
        w.goToRow(1);
        w.trigger("Edit_Delete");
        QCOMPARE(w.profile().PointCount, std::int16_t(1));
        QCOMPARE(w.profile().DataChanged, False);

        // With the header row current (as after every table refresh) nothing is selected.
        w.load(ninePoints());
        QCOMPARE(w.grid().Row(), 0);
        w.trigger("Edit_Delete");
        QCOMPARE(w.profile().PointCount, std::int16_t(9));
        QCOMPARE(w.profile().Points[1].R, 5.0f);
        QCOMPARE(w.profile().DataChanged, False);
    }

    void sortsAreStableAndMoveWholeRecords_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QList<float>>("radii");
        QTest::addColumn<QList<float>>("angles");
        QTest::addColumn<QList<int>>("order");  // original positions after the sort

        QTest::newRow("theta") << "Edit_SortA" << QList<float>{1, 2, 3, 4} << QList<float>{90, 0, 90, 45}
                               << QList<int>{2, 4, 1, 3};
        QTest::newRow("radius") << "Edit_SortR" << QList<float>{10, 0, 10} << QList<float>{1, 2, 3}
                                << QList<int>{2, 1, 3};
        QTest::newRow("theta, already sorted") << "Edit_SortA" << QList<float>{3, 2, 1} << QList<float>{0, 0, 360}
                                               << QList<int>{1, 2, 3};
        QTest::newRow("radius, reversed") << "Edit_SortR" << QList<float>{30, 20, 10, 0}
                                          << QList<float>{1, 2, 3, 4} << QList<int>{4, 3, 2, 1};
        QTest::newRow("one point") << "Edit_SortA" << QList<float>{5} << QList<float>{5} << QList<int>{1};
        QTest::newRow("no points") << "Edit_SortR" << QList<float>{} << QList<float>{} << QList<int>{};
    }

    void sortsAreStableAndMoveWholeRecords()
    {
        QFETCH(QString, item);
        QFETCH(QList<float>, radii);
        QFETCH(QList<float>, angles);
        QFETCH(QList<int>, order);

        Window w;
        std::vector<PointRec> points;
        for (int i = 0; i < radii.size(); ++i) points.push_back(polar(radii[i], angles[i], std::int16_t(i)));
        w.load(points);
        w.trigger(item.toLatin1().constData());

        const Profile& p = w.profile();
        QCOMPARE(p.PointCount, std::int16_t(order.size()));
        for (int i = 0; i < order.size(); ++i) {
            const PointRec& got = p.Points[static_cast<std::size_t>(i + 1)];
            const PointRec& was = points[static_cast<std::size_t>(order[i] - 1)];
            QCOMPARE(got.Flag, was.Flag);
            QCOMPARE(got.R, was.R);
            QCOMPARE(got.Theta, was.Theta);
            QCOMPARE(got.X, was.X);
            QCOMPARE(got.Y, was.Y);
        }
        // The table is rebuilt from the new order, and the busy pointer was shown and restored.
        if (!order.isEmpty()) QCOMPARE(w.grid().TextMatrix(1, 1), QString::number(p.Points[1].R, 'f', 2));
        QCOMPARE(p.DataChanged, True);
        const auto& pointers = w.platform.pointerChanges();
        QVERIFY(std::find(pointers.begin(), pointers.end(), Pointer::Busy) != pointers.end());
        QCOMPARE(w.platform.pointer(), Pointer::Default);
    }

    void copyPutsTheListAsText_data()
    {
        QTest::addColumn<bool>("rectangular");
        QTest::addColumn<QList<float>>("first");   // R or X
        QTest::addColumn<QList<float>>("second");  // Theta or Y
        QTest::addColumn<QString>("text");

        QTest::newRow("polar") << false << QList<float>{50, 0} << QList<float>{90, 0}
                               << "R(mm)  Theta\r\n50.00\t90.0\r\n.00\t.0\r\n";
        QTest::newRow("polar, rounding and wide") << false << QList<float>{0.5f, 123.456f} << QList<float>{359.96f, 0.04f}
                                                  << "R(mm)  Theta\r\n.50\t360.0\r\n123.46\t.0\r\n";
        QTest::newRow("rectangular") << true << QList<float>{-2.5f, 123.456f} << QList<float>{0.5f, 0}
                                     << "X(mm)  Y(mm)\r\n-2.50\t.50\r\n123.46\t.00\r\n";
        QTest::newRow("empty polar list") << false << QList<float>{} << QList<float>{} << "R(mm)  Theta\r\n";
        QTest::newRow("empty rectangular list") << true << QList<float>{} << QList<float>{} << "X(mm)  Y(mm)\r\n";
    }

    void copyPutsTheListAsText()
    {
        QFETCH(bool, rectangular);
        QFETCH(QList<float>, first);
        QFETCH(QList<float>, second);

        Window w(rectangular);
        std::vector<PointRec> points;
        for (int i = 0; i < first.size(); ++i) {
            // Only the pair of the chosen system is copied: the other pair holds a decoy.
            points.push_back(rectangular ? PointRec{77, 77, False, first[i], second[i]}
                                         : PointRec{first[i], second[i], False, 77, 77});
        }
        w.load(points);
        w.trigger("Edit_Copy");
        QTEST(w.platform.clipboardText(), "text");
        QCOMPARE(w.profile().DataChanged, False);
    }

    void copyUsesTheUsersDecimalSeparator()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        {
            Window w;
            w.load({PointRec{50, 90, False, 0, 50}, PointRec{0.5f, 0, False, 0.5f, 0}});
            w.trigger("Edit_Copy");
            QCOMPARE(w.platform.clipboardText(), QStringLiteral("R(mm)  Theta\r\n50,00\t90,0\r\n,50\t,0\r\n"));
        }
        QLocale::setDefault(QLocale::c());
    }

    void clearPointsEmptiesTheListAndTurnsSnapOff()
    {
        Window w;
        w.load(ninePoints());
        Profile& p = w.profile();
        p.TableRows = 12;
        w.trigger("Draw_Snap");  // snapping on, with its dots drawn
        QCOMPARE(p.SnapOn, True);
        p.DataChanged = True;
        w.goToRow(4);
        w.trigger("Edit_Clear");

        QCOMPARE(p.SnapOn, False);
        QVERIFY(!w.form->findChild<QAction*>(QStringLiteral("Draw_Snap"))->isChecked());
        QCOMPARE(p.PointCount, std::int16_t(0));
        QCOMPARE(p.DataChanged, False);
        QCOMPARE(p.TableRows, std::int16_t(12));
        for (std::size_t i = 0; i <= MaxPoints; i += 1) {
            const PointRec& e = p.Points[i];
            QVERIFY(e.R == 0 && e.Theta == 0 && e.X == 0 && e.Y == 0 && e.Flag == False);
        }
        QCOMPARE(w.grid().Rows(), 2);
        QCOMPARE(w.grid().TextMatrix(1, 0), QStringLiteral("1"));
        QCOMPARE(w.grid().TextMatrix(1, 1), QString());
        // The bare wafer: no spot where point 1 was, no snap dot at the centre.
        const QRgb wafer = w.form->palette().color(QPalette::Button).rgb();
        QCOMPARE(w.drawnAt(polar(5, 10).X, polar(5, 10).Y), wafer);
        QCOMPARE(w.drawnAt(0, 0), wafer);
        QCOMPARE(w.platform.pointer(), Pointer::Default);
        SOLVANE_VERIFY_ALL_PROMPTS_SCRIPTED(w.platform);
    }
};

QTEST_MAIN(TestEditMenu)
#include "tst_editmenu.moc"
