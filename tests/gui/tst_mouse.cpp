// Mouse editing on the wafer drawing of the real main window: the pointer read-out, the usable area,
// selecting, appending (snapped or not), moving and deleting by dragging, and the full store.
// Flows are driven with mouse events on the drawing; where a value must be exact, the handlers get
// the exact drawing position that the event would carry.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <memory>

#include "mainwindow/form1.h"
#include "offscreennoise.h"
#include "scriptedplatform.h"
#include "table/flexgrid.h"
#include "text/numtext.h"
#include "view/waferdrawing.h"
#include "view/waferview.h"

using namespace solvane;

namespace {

constexpr Colour Blue = 0x00FF0000;  // 0x00BBGGRR
constexpr Colour Green = 0x0000FF00;

}  // namespace

class TestMouse : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> helpDir_;
    std::unique_ptr<ScriptedPlatform> platform_;
    std::unique_ptr<Form1> form_;
    Qt::MouseButtons held_ = Qt::NoButton;

    Profile& profile() { return form_->profile(); }
    FlexGrid& grid() { return form_->grid(); }

    // Widget pixel of a profile position: the drawing shows (X, Y) at (-X, -Y).
    QPoint at(double X, double Y) { return form_->picture().toWidget(-X, -Y); }
    // A move is sent to the drawing itself: QTest moves the platform cursor when no button is down,
    // which reports nothing when the cursor is already there (as it is after the previous test).
    void moveTo(double X, double Y)
    {
        WaferView& picture = form_->picture();
        const QPoint pos = at(X, Y);
        QMouseEvent move(QEvent::MouseMove, pos, picture.mapToGlobal(pos), Qt::NoButton, held_, Qt::NoModifier);
        QApplication::sendEvent(&picture, &move);
    }
    void press(double X, double Y)
    {
        QTest::mousePress(&form_->picture(), Qt::LeftButton, {}, at(X, Y));
        held_ = Qt::LeftButton;
    }
    void release(double X, double Y)
    {
        QTest::mouseRelease(&form_->picture(), Qt::LeftButton, {}, at(X, Y));
        held_ = Qt::NoButton;
    }
    void click(double X, double Y)
    {
        moveTo(X, Y);
        press(X, Y);
        release(X, Y);
    }

    // The handlers with an exact profile position (the event carries the drawing position).
    void handlerMove(float X, float Y) { form_->Picture1_MouseMove(-X, -Y); }
    void handlerDown(float X, float Y) { form_->Picture1_MouseDown(-X, -Y); }
    void handlerUp(float X, float Y) { form_->Picture1_MouseUp(-X, -Y); }
    void handlerClick(float X, float Y)
    {
        handlerMove(X, Y);
        handlerDown(X, Y);
        handlerUp(X, Y);
    }

    // Colour of the drawing near a profile position: up and left of the drawn centre, clear of the
    // number, which is printed right and below it.
    QColor spotPixel(double X, double Y)
    {
        const WaferSurface& surface = form_->picture().surface();
        const QPointF p = surface.toPixels(-X - 1.5, -Y + 1.5);
        return surface.image().pixelColor(static_cast<int>(p.x()), static_cast<int>(p.y()));
    }
    QColor colour(Colour value) { return WaferDrawing(form_->picture().surface(), profile(), form_->palette()).colour(value); }

    QString row(int r)
    {
        return grid().TextMatrix(r, 0) + QLatin1Char('|') + grid().TextMatrix(r, 1) + QLatin1Char('|') +
               grid().TextMatrix(r, 2);
    }

    void setPoint(int i, float R, float Theta)
    {
        const double a = static_cast<double>(Theta) * 3.1415926 / 180.0;
        profile().Points[i] = PointRec{R, Theta, False, static_cast<float>(R * std::cos(a)),
                                       static_cast<float>(R * std::sin(a))};
    }
    void showPoints(int count)
    {
        profile().PointCount = static_cast<std::int16_t>(count);
        form_->updategrid();
        form_->redrawall();
        profile().DataChanged = False;
    }

    bool busyWasShown() const
    {
        const auto& changes = platform_->pointerChanges();
        return std::find(changes.begin(), changes.end(), Pointer::Busy) != changes.end();
    }

private slots:
    void initTestCase() { quietOffscreenWarnings(); }

    void init()
    {
        helpDir_ = std::make_unique<QTemporaryDir>();
        QFile help(helpDir_->filePath(QStringLiteral("qdx5.hlp")));
        QVERIFY(help.open(QIODevice::WriteOnly));
        help.write("<html></html>");
        help.close();
        platform_ = std::make_unique<ScriptedPlatform>();
        platform_->setProgramDir(helpDir_->path());
        form_ = std::make_unique<Form1>(*platform_);
        held_ = Qt::NoButton;
        form_->resize(1100, 800);
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
        // A 200 mm wafer with edge exclusion 5 and beam 8: the pointer is inside up to 95 mm.
        profile().WaferDiameter = 200;
        profile().EdgeExclusion = 5;
        profile().BeamDiameter = 8;
        profile().WaferColor = Blue;
        profile().SpotColor = Green;
        form_->redrawall();
    }

    void cleanup()
    {
        QLocale::setDefault(QLocale::c());
        SOLVANE_VERIFY_ALL_PROMPTS_SCRIPTED(*platform_);
        form_.reset();
        platform_.reset();
    }

    void readOut_data()
    {
        QTest::addColumn<double>("diameter");
        QTest::addColumn<float>("X");
        QTest::addColumn<float>("Y");
        QTest::addColumn<QString>("expected");
        // 41 characters: 10 + 15 + 9 (the field is shorter than its cut) + 7.
        QTest::newRow("(0, 10)") << 200.0 << 0.0f << 10.0f << "R 10.00   Theta 90.0     X 0.0    Y 10.0 ";
        QTest::newRow("centre") << 200.0 << 0.0f << 0.0f << "R 0.00    Theta 90.0     X 0.0    Y 0.0  ";
        // Long numbers lose their tails: Y keeps 7 characters, X 10.
        QTest::newRow("Y -100.5 cut") << 300.0 << 0.0f << -100.5f << "R 100.50  Theta 270.0    X 0.0    Y -100.";
        QTest::newRow("X -123.4") << 300.0 << -123.4f << 0.0f << "R 123.40  Theta 180.0    X -123.4  Y 0.0  ";
        // On the positive X axis the angle is 360, not 0.
        QTest::newRow("+X axis") << 200.0 << 50.0f << 0.0f << "R 50.00   Theta 360.0    X 50.0    Y 0.0  ";
    }

    void readOut()
    {
        QFETCH(double, diameter);
        QFETCH(float, X);
        QFETCH(float, Y);
        QFETCH(QString, expected);
        profile().WaferDiameter = diameter;
        handlerMove(X, Y);
        QCOMPARE(form_->statusPanel(1), expected);
    }

    void readOutUsesTheLocalesDecimalSeparator()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        handlerMove(0.0f, 10.0f);
        QCOMPARE(form_->statusPanel(1), QStringLiteral("R 10,00   Theta 90,0     X 0,0    Y 10,0 "));
    }

    void usableAreaEdge_data()
    {
        QTest::addColumn<float>("X");
        QTest::addColumn<float>("Y");
        QTest::addColumn<bool>("inside");
        QTest::newRow("on the edge, X axis") << 95.0f << 0.0f << true;
        QTest::newRow("on the edge, 57/76") << 57.0f << -76.0f << true;
        QTest::newRow("a hair beyond") << 95.00001f << 0.0f << false;
        QTest::newRow("in the exclusion band") << 0.0f << 97.0f << false;
    }

    // The edge itself counts as inside; the beam radius is not subtracted for the pointer.
    void usableAreaEdge()
    {
        QFETCH(float, X);
        QFETCH(float, Y);
        QFETCH(bool, inside);

        handlerMove(X, Y);
        QCOMPARE(platform_->pointer(), inside ? Pointer::Cross : Pointer::Default);
        QCOMPARE(form_->statusPanel(1).startsWith(QStringLiteral("R ")), inside);
        handlerDown(X, Y);
        handlerUp(X, Y);
        QCOMPARE(int(profile().PointCount), inside ? 1 : 0);
        QCOMPARE(profile().DataChanged, inside ? True : False);
        QCOMPARE(platform_->pointer(), inside ? Pointer::Cross : Pointer::Default);
    }

    // A press needs a move inside before it: the first press of a session and a press after a move
    // outside add nothing.
    void pressWithoutAnInsideMoveAddsNothing()
    {
        handlerDown(10.0f, 10.0f);
        QCOMPARE(int(profile().PointCount), 0);

        moveTo(0, 98);
        press(0, 98);
        release(0, 98);
        QCOMPARE(int(profile().PointCount), 0);
        QCOMPARE(profile().DataChanged, False);
        QCOMPARE(grid().Rows(), 2);
        QCOMPARE(platform_->pointer(), Pointer::Default);
    }

    void clickAppendsThenSelects()
    {
        moveTo(30, 20);
        QCOMPARE(platform_->pointer(), Pointer::Cross);
        press(30, 20);
        const Profile& p = profile();
        QCOMPARE(int(p.PointCount), 1);
        QVERIFY(std::abs(p.Points[1].X - 30.0f) < 0.5f);
        QVERIFY(std::abs(p.Points[1].Y - 20.0f) < 0.5f);
        QVERIFY(std::abs(p.Points[1].R - 36.06f) < 0.5f);
        QCOMPARE(p.DataChanged, True);
        QCOMPARE(grid().Rows(), 3);
        QCOMPARE(grid().Row(), 1);
        QCOMPARE(grid().TextMatrix(1, 0), QStringLiteral("1"));
        QCOMPARE(grid().TextMatrix(1, 1), QString::fromStdString(formatNumber(p.Points[1].R, "0.00")));
        QCOMPARE(row(2), QStringLiteral("2||"));
        QVERIFY(spotPixel(p.Points[1].X, p.Points[1].Y) != colour(Blue));
        release(30, 20);

        // A click within half a beam of the spot picks it up instead of adding a point.
        const PointRec before = p.Points[1];
        moveTo(32, 22);
        platform_->clear();
        press(32, 22);
        QCOMPARE(int(p.PointCount), 1);
        QCOMPARE(grid().Row(), 1);
        QCOMPARE(spotPixel(before.X, before.Y), QColor(255, 0, 0));
        QVERIFY(busyWasShown());
        QCOMPARE(platform_->pointer(), Pointer::Cross);
        release(32, 22);
        QCOMPARE(p.Points[1].R, before.R);
        QCOMPARE(p.Points[1].Theta, before.Theta);
    }

    // Start-up snap grid on this wafer: the centre and 91 mm at 90, 180, 270 and 360 degrees.
    void snappedClickLandsOnTheNearestNode()
    {
        QAction* snap = form_->findChild<QAction*>(QStringLiteral("Draw_Snap"));
        snap->trigger();
        QCOMPARE(profile().SnapOn, True);

        click(50, 10);
        const Profile& p = profile();
        QCOMPARE(int(p.PointCount), 1);
        QCOMPARE(p.Points[1].R, 91.0f);
        QCOMPARE(p.Points[1].X, 91.0f);
        QVERIFY(std::abs(p.Points[1].Y) < 1e-4f);
        QCOMPARE(row(1), QStringLiteral("1|91.00|360.0"));
        // Drawn on the dot at (-91, 0) of the drawing.
        QVERIFY(spotPixel(91, 0) != colour(Blue));

        // Near the centre: the centre node, whose angle is 90.
        click(3, -2);
        QCOMPARE(int(p.PointCount), 2);
        QCOMPARE(p.Points[2].R, 0.0f);
        QCOMPARE(p.Points[2].Theta, 90.0f);
    }

    void overlappingSpotsPickTheHigherNumber()
    {
        setPoint(1, 20.0f, 360.0f);
        setPoint(2, 23.0f, 360.0f);
        setPoint(3, 60.0f, 90.0f);
        showPoints(3);

        moveTo(21.5, 0.5);
        press(21.5, 0.5);
        QCOMPARE(grid().Row(), 2);
        QCOMPARE(int(profile().PointCount), 3);
        QCOMPARE(spotPixel(23, 0), QColor(255, 0, 0));
        QCOMPARE(spotPixel(0, 60), colour(Green));
        release(21.5, 0.5);
        QCOMPARE(profile().DataChanged, False);
    }

    void hitNeedsStrictlyLessThanHalfABeam_data()
    {
        QTest::addColumn<float>("X");
        QTest::addColumn<float>("Y");
        QTest::addColumn<bool>("hit");
        QTest::newRow("3.99, 3.99") << 3.99f << 3.99f << true;
        QTest::newRow("4, 0") << 4.0f << 0.0f << false;
        QTest::newRow("0, -4") << 0.0f << -4.0f << false;
        QTest::newRow("-3.99, 0") << -3.99f << 0.0f << true;
    }

    // A point at the centre is exactly at (0, 0), so the bound of the square is exact.
    void hitNeedsStrictlyLessThanHalfABeam()
    {
        QFETCH(float, X);
        QFETCH(float, Y);
        QFETCH(bool, hit);
        setPoint(1, 0.0f, 0.0f);
        showPoints(1);

        handlerClick(X, Y);
        QCOMPARE(int(profile().PointCount), hit ? 1 : 2);
        QCOMPARE(grid().Row(), hit ? 1 : 2);
    }

    void dragMovesThePointAndItsRow_data()
    {
        QTest::addColumn<bool>("polar");
        QTest::addColumn<QString>("liveRow");
        QTest::addColumn<QString>("finalRow");
        QTest::newRow("polar") << true << "1|31.6|18.4" << "1|31.62|18.4";
        QTest::newRow("rectangular") << false << "1|30.0|10.0" << "1|30.00|10.00";
    }

    void dragMovesThePointAndItsRow()
    {
        QFETCH(bool, polar);
        QFETCH(QString, liveRow);
        QFETCH(QString, finalRow);
        profile().PolarSys = polar ? True : False;
        profile().RectSys = polar ? False : True;
        handlerClick(30.0f, 0.0f);
        QCOMPARE(int(profile().PointCount), 1);
        profile().DataChanged = False;

        handlerMove(30.0f, 0.0f);
        handlerDown(30.5f, 0.5f);
        // Within half a beam of the start nothing follows the pointer yet.
        handlerMove(33.5f, 3.5f);
        QCOMPARE(grid().TextMatrix(1, 1), QStringLiteral("30.00"));
        handlerMove(30.0f, 10.0f);
        QCOMPARE(row(1), liveRow);
        QCOMPARE(profile().Points[1].R, 30.0f);  // the point itself waits for the release
        handlerUp(30.0f, 10.0f);

        const PointRec& moved = profile().Points[1];
        QCOMPARE(int(profile().PointCount), 1);
        QCOMPARE(moved.R, static_cast<float>(std::sqrt(1000.0)));
        QVERIFY(std::abs(moved.X - 30.0f) < 1e-4f);
        QVERIFY(std::abs(moved.Y - 10.0f) < 1e-4f);
        QCOMPARE(row(1), finalRow);
        QCOMPARE(profile().DataChanged, False);
        // Painted over in the wafer colour at the old place, drawn at the new one.
        QCOMPARE(spotPixel(30, 0), colour(Blue));
        QCOMPARE(spotPixel(30, 10), colour(Green));
    }

    // Spot 3 of the 5 point pattern, dropped off the usable area: deleted unasked, 4 and 5 renumbered.
    void dragOffTheWaferDeletes()
    {
        form_->findChild<QAction*>(QStringLiteral("Draw_Five"))->trigger();
        profile().DataChanged = False;
        const PointRec fourth = profile().Points[4];
        const PointRec fifth = profile().Points[5];

        moveTo(-91, 0);
        press(-91, 0);
        QCOMPARE(grid().Row(), 3);
        moveTo(-98, 0);
        QCOMPARE(form_->statusPanel(1), QStringLiteral("Release Mouse to Erase Point 3"));
        QCOMPARE(platform_->pointer(), Pointer::Default);
        release(-98, 0);

        const Profile& p = profile();
        QCOMPARE(int(p.PointCount), 4);
        QCOMPARE(p.Points[3].R, fourth.R);
        QCOMPARE(p.Points[3].Theta, fourth.Theta);
        QCOMPARE(p.Points[4].Theta, fifth.Theta);
        QCOMPARE(row(3), QStringLiteral("3|91.00|270.0"));
        QCOMPARE(row(4), QStringLiteral("4|91.00|360.0"));
        QCOMPARE(p.DataChanged, True);
        QVERIFY(platform_->messages().empty());
    }

    // The mode at the release decides: back inside before letting go moves the point instead.
    void dragOutAndBackMoves()
    {
        form_->findChild<QAction*>(QStringLiteral("Draw_Five"))->trigger();
        moveTo(-91, 0);
        press(-91, 0);
        moveTo(-98, 0);
        moveTo(-60, 0);
        release(-60, 0);
        QCOMPARE(int(profile().PointCount), 5);
        QVERIFY(std::abs(profile().Points[3].R - 60.0f) < 0.5f);
    }

    // A full store refuses the click with a message and changes nothing; selecting still works.
    void fullStoreRefusesTheClick()
    {
        for (int i = 1; i <= MaxPoints; ++i) setPoint(i, 0.0f, 0.0f);
        showPoints(MaxPoints);
        const int rows = grid().Rows();
        platform_->answerMessage(MessageAnswer::Ok);

        handlerClick(50.0f, 50.0f);
        QCOMPARE(int(profile().PointCount), MaxPoints);
        QCOMPARE(profile().Points[MaxPoints].R, 0.0f);
        QCOMPARE(profile().DataChanged, False);
        QCOMPARE(grid().Rows(), rows);
        QCOMPARE(platform_->messages().size(), std::size_t(1));
        const auto& message = platform_->messages().front();
        QCOMPARE(message.text, QStringLiteral("The profile already holds the maximum of 2000 points."));
        QCOMPARE(message.title, QStringLiteral("Solvane"));
        QCOMPARE(message.icon, MessageIcon::Exclamation);
        QCOMPARE(message.buttons, MessageButtons::Ok);
        QCOMPARE(platform_->pointer(), Pointer::Cross);

        handlerClick(1.0f, 1.0f);
        QCOMPARE(grid().Row(), MaxPoints);
        QCOMPARE(platform_->messages().size(), std::size_t(1));
    }
};

QTEST_MAIN(TestMouse)
#include "tst_mouse.moc"
