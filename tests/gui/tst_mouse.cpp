// Mouse editing on the wafer drawing: read-out, usable area, selecting, appending, dragging, the full store.
#include <QAction>
#include <QLineEdit>
#include <QMouseEvent>
#include <QtTest>

#include "formharness.h"
#include "table/flexgrid.h"
#include "view/waferview.h"

using namespace solvane;

class TestMouse : public QObject {
    Q_OBJECT

    std::unique_ptr<FormHarness> h_;

    Profile& profile() { return h_->profile(); }
    Form1& form() { return h_->form(); }
    // Steps at profile positions: m move, d press, u release, c all three, e Escape, handed to the handlers exactly; in
    // capitals as mouse events (on whole pixels) sent to the drawing: QTest would move the platform cursor.
    void run(const QString& script)
    {
        for (const QString& step : script.split(' ')) {
            const double X = step.mid(1).section(',', 0, 0).toDouble(), Y = step.section(',', 1).toDouble();
            const QPoint pos = h_->at(X, Y);
            const auto act = [&](QEvent::Type type, void (MouseEditing::*handler)(float, float)) {
                const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
                QMouseEvent event(type, pos, form().picture().mapToGlobal(pos), button, Qt::MouseButtons(), {});
                if (step[0].isUpper()) QApplication::sendEvent(&form().picture(), &event);
                if (step[0].isLower()) (form().mouse().*handler)(-X, -Y);  // the drawing shows (X, Y) at (-X, -Y)
            };
            const QChar k = step[0].toLower();
            if (k == 'm' || k == 'c') act(QEvent::MouseMove, &MouseEditing::Picture1_MouseMove);
            if (k == 'd' || k == 'c') act(QEvent::MouseButtonPress, &MouseEditing::Picture1_MouseDown);
            if (k == 'u' || k == 'c') act(QEvent::MouseButtonRelease, &MouseEditing::Picture1_MouseUp);
            if (k == 'e') form().mouse().putHeldSpotBack();  // what Escape does
        }
    }

private slots:
    // A 200 mm wafer with edge exclusion 5 and beam 8 (pointer inside up to 95 mm), blue with green spots.
    void init()
    {
        h_ = std::make_unique<FormHarness>();
        setStandardWafer(profile());
        form().redrawall();
    }

    void cleanup()
    {
        QLocale::setDefault(QLocale::c());
        h_.reset();  // its destructor checks the prompts
    }

    void gestures_data()
    {
        QTest::addColumn<QString>("setup");   // one: (30, 360); two: (0, 0), (6, 180); five: the 5 point pattern;
        QTest::addColumn<QString>("script");  // snap on; rect: one, rectangular; wide: 300 mm; comma: German
        QTest::addColumn<QString>("panel");   // status panel 1, when given
        QTest::addColumn<QString>("state");   // table rows, current row, pointer, unsaved change
        // clang-format off
        // 41 characters: 10 + 15 + 9 (shorter than its cut) + 7; long numbers lose their tails.
        const QString none = "1|| @1 cross";
        QTest::newRow("read-out") << "" << "m0,10" << "R 10.00   Theta 90.0     X 0.0    Y 10.0 " << none;
        QTest::newRow("read-out, Y") << "wide" << "m0,-100.5" << "R 100.50  Theta 270.0    X 0.0    Y -100." << none;
        QTest::newRow("read-out, ,") << "comma" << "m0,10" << "R 10,00   Theta 90,0     X 0,0    Y 10,0 " << none;
        // The usable edge is inside; the beam radius is not subtracted for the pointer.
        QTest::newRow("edge, X axis") << "" << "c95,0" << "" << "1|95.00|360.0 2|| @1 cross changed";
        QTest::newRow("a hair beyond") << "" << "c95.00001,0" << "" << "1|| @1 arrow";
        QTest::newRow("press, no move before") << "" << "d10,10 u10,10" << "" << "1|| @1 arrow";
        // A hit needs strictly less than half a beam in X and in Y; of overlapping spots the higher wins.
        const QString two = "1|0.00|0.0 2|6.00|180.0 3|";
        QTest::newRow("hit 3.99, 3.99") << "two" << "c3.99,3.99" << "" << two + "| @1 cross";
        QTest::newRow("miss 4, 0") << "two" << "c4,0" << "" << two + "4.00|360.0 4|| @3 cross changed";
        QTest::newRow("miss 0, -4") << "two" << "c0,-4" << "" << two + "4.00|270.0 4|| @3 cross changed";
        QTest::newRow("overlap") << "two" << "c-3,0" << "" << two + "| @2 cross";
        // The start-up snap grid here: the centre (whose angle is 90) and 91 mm at 90, 180, 270 and 360 degrees.
        QTest::newRow("snapped") << "snap" << "C50,10 C3,-2" << "" << "1|91.00|360.0 2|0.00|90.0 3|| @2 cross changed";
        // Held, nothing follows within half a beam, beyond it the row (with one decimal; the read-out of the row
        // made current covers the drag message at once); the release moves the point, an unsaved change. The
        // spot keeps its grab offset: taken half a millimetre off its centre, it lands half a millimetre off.
        const QString grab = "m30,0 d30.5,0.5 m33.5,3.5 ", drag = "R 30.00 Theta 360.0  X  30.00 Y 0.00";
        QTest::newRow("held") << "one" << grab << "" << "1|30.00|360.0 2|| @1 cross";
        QTest::newRow("dragging") << "one" << grab + "m30,10" << drag << "1|31.0|17.9 2|| @1 cross";
        QTest::newRow("moved") << "one" << grab + "m30,10 u30,10" << drag << "1|30.99|17.9 2|| @1 cross changed";
        // Escape puts the held spot back: the row shows the point again, and the release moves nothing.
        QTest::newRow("escape") << "one" << grab + "m30,10 e u30,10" << "" << "1|30.00|360.0 2|| @1 cross";
        QTest::newRow("moved, rect") << "rect" << grab + "m30,10 u30,10" << drag
                                     << "1|29.50|9.50 2|| @1 cross changed";
        // Spot 3 of 5 dropped off the usable area: deleted unasked; back inside before the release: moved.
        const QString one = "1|0.00|0.0 2|91.00|90.0 3|", last = "4|91.00|270.0 5|91.00|360.0 6|| @3 ";
        QTest::newRow("held outside") << "five" << "M-91,0 D-91,0 M-98,0" << "Release Mouse to Erase Point 3"
                                      << one + "91.00|180.0 " + last + "arrow";
        QTest::newRow("dropped outside") << "five" << "M-91,0 D-91,0 M-98,0 U-98,0" << ""
                                         << one + "91.00|270.0 4|91.00|360.0 5|| @5 arrow changed";
        QTest::newRow("out and back") << "five" << "m-91,0 d-91,0 m-98,0 m-60,0 u-60,0" << ""
                                      << one + "60.00|180.0 " + last + "cross changed";
        // clang-format on
    }

    void gestures()
    {
        QFETCH(QString, setup);
        QFETCH(QString, panel);
        if (setup == "comma") QLocale::setDefault(QLocale(QLocale::German));
        if (setup == "wide") profile().WaferDiameter = 300;
        if (setup == "rect") profile().PolarSys = False;
        if (setup == "rect") profile().RectSys = True;
        if (setup == "one" || setup == "rect") h_->setPolarPoints({{30, 360}});
        if (setup == "two") h_->setPolarPoints({{0, 0}, {6, 180}});
        if (setup == "five" || setup == "snap") h_->action(setup == "five" ? "Draw_Five" : "Draw_Snap")->trigger();
        profile().DataChanged = False;
        QFETCH(QString, script);
        run(script);
        // The crosshair is the drawing's own pointer; the window's stays the arrow.
        QCOMPARE(h_->platform.pointer(), Pointer::Default);
        const QString pointer = form().picture().cursor().shape() == Qt::CrossCursor ? " cross" : " arrow";
        const QString state = h_->rows() + " @" + QString::number(form().grid().Row()) + pointer;
        QTEST(state + (profile().DataChanged ? " changed" : ""), "state");
        if (!panel.isEmpty()) QCOMPARE(form().statusPanel(1), panel);
    }

    // Decision: a value half typed into the entry row is committed, as its own point, before a click on the
    // drawing adds the clicked one.
    void aClickCommitsTheEntryRowFirst()
    {
        h_->setPolarPoints({{30, 360}});
        form().grid().setCol(1);
        form().grid().setRow(2);
        QTest::keyClick(&form().grid(), '2');
        QTest::keyClick(&form().editBox(), '5');
        run("c0,10");
        QCOMPARE(h_->rows(), QStringLiteral("1|30.00|360.0 2|25.00|0.0 3|10.00|90.0 4||"));
    }

    // A picked spot turns red (busy meanwhile); a moved one leaves the wafer colour where it was. Its erasing once
    // cut into the overlapping spot 3 (at 26 mm): the drawing is redrawn after the move.
    void spotColours()
    {
        h_->setPolarPoints({{20, 360}, {50, 90}, {26, 360}});
        run("M20,0");
        h_->platform.clear();
        run("D20,0");
        QVERIFY(h_->platform.pointerChanges() == (std::vector<Pointer>{Pointer::Busy, Pointer::Default}));
        QCOMPARE(h_->pixelNear(20, 0).name() + h_->pixelNear(0, 50).name(), QStringLiteral("#ff0000#00ff00"));
        run("M0,-20 U0,-20");
        QCOMPARE(h_->pixelNear(20, 0).name() + h_->pixelNear(0, -20).name() + h_->pixelNear(23, 0).name(),
                 QStringLiteral("#0000ff#00ff00#00ff00"));
    }

    // Decision: a full store refuses a click off the spots with a message; a click on a spot still selects
    // (every point lies at the centre here, so point 2000 is picked).
    void fullStoreRefusesTheClick()
    {
        profile().PointCount = MaxPoints;
        form().updategrid();
        h_->platform.answerMessage(MessageAnswer::Ok);
        run("c50,50 c1,1");
        QCOMPARE(h_->boxes(), "Solvane|Exclamation|Ok|The profile already holds the maximum of 2000 points.");
        QCOMPARE(profile().PointCount, std::int16_t(MaxPoints));
        QCOMPARE(form().grid().Row(), MaxPoints);
    }
};

QTEST_MAIN(TestMouse)
#include "tst_mouse.moc"
