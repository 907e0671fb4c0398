// In-place editing of the point table: opening the edit box, its key filter, clamping, the commit
// into the point list, appending from the entry row, and the highlight and read-out of the current row.
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <memory>

#include "mainwindow/form1.h"
#include "model/conversions.h"
#include "offscreennoise.h"
#include "scriptedplatform.h"
#include "table/flexgrid.h"
#include "view/waferview.h"

using namespace solvane;

namespace {

const QString FullStoreText = QStringLiteral("The profile already holds the maximum of 2000 points.");

// The main window on the scripted platform, shown, with a 200 mm wafer and a 5 mm beam.
struct Window {
    explicit Window(bool rectangular = false, bool shown = true)
    {
        QFile help(helpDir.filePath(QStringLiteral("qdx5.hlp")));
        if (help.open(QIODevice::WriteOnly)) help.write("<html></html>");
        platform.setProgramDir(helpDir.path());
        if (rectangular) platform.memoryStore().write("QDX", "Coord Sys", "Rectangular");
        form = std::make_unique<Form1>(platform);
        Profile& p = form->profile();
        p.WaferDiameter = 200.0;
        p.BeamDiameter = 5.0;
        if (!shown) return;
        form->show();
        form->activateWindow();
        if (!QTest::qWaitForWindowExposed(form.get())) qWarning("main window not exposed");
    }

    // Puts points into the list and shows them, as a loaded document would.
    void load(std::initializer_list<PointRec> points)
    {
        Profile& p = form->profile();
        int i = 0;
        for (const PointRec& point : points) p.Points[static_cast<std::size_t>(++i)] = point;
        p.PointCount = static_cast<std::int16_t>(i);
        form->updategrid();
        form->redrawall();
        p.DataChanged = False;
    }

    void goTo(int row, int col)
    {
        grid().setCol(col);
        grid().setRow(row);
        grid().setFocus();
    }

    // Types text as a user would: the first character on the table opens the box, the rest go to the box.
    void type(const QString& text)
    {
        QTest::keyClick(&grid(), text.at(0).toLatin1());
        if (text.size() > 1) QTest::keyClicks(&box(), text.mid(1));
    }

    FlexGrid& grid() { return form->grid(); }
    QLineEdit& box() { return form->editBox(); }
    Profile& profile() { return form->profile(); }
    bool boxOpen() { return !box().isHidden(); }

    // Colour of the drawing at a profile position, a little up and left of the spot's centre (the
    // spot number starts at the centre and runs right and down).
    QRgb drawnAt(double x, double y)
    {
        const QPointF centre = form->picture().surface().toPixels(-x, -y);
        return form->picture().surface().image().pixel(centre.toPoint() - QPoint(1, 1));
    }

    QRgb spotColour() { return form->palette().color(QPalette::Dark).rgb(); }

    QTemporaryDir helpDir;
    ScriptedPlatform platform;
    std::unique_ptr<Form1> form;
};

PointRec polar(float r, float theta)
{
    const XY xy = polarToRect(r, theta);
    return PointRec{r, theta, False, xy.X, xy.Y};
}

PointRec rect(float x, float y) { return PointRec{std::hypot(x, y), arctan(x, y), False, x, y}; }

}  // namespace

class TestCellEdit : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { quietOffscreenWarnings(); }

    void typedValueIsClampedAndCommitted_data()
    {
        QTest::addColumn<bool>("rectangular");
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<float>("stored");  // R, Theta, X or Y by system and column

        // Maximum radius (200 - 5) / 2, without the edge exclusion.
        QTest::newRow("polar R above the maximum") << false << 1 << "120" << "97.50" << 97.5f;
        QTest::newRow("polar R inside") << false << 1 << "75" << "75.00" << 75.0f;
        QTest::newRow("polar R at the maximum") << false << 1 << "97.5" << "97.50" << 97.5f;
        QTest::newRow("polar R negative") << false << 1 << "-5" << "0.00" << 0.0f;
        QTest::newRow("polar Theta negative") << false << 2 << "-30" << "0.00" << 0.0f;
        QTest::newRow("polar Theta above a turn") << false << 2 << "400" << "360.00" << 360.0f;
        QTest::newRow("polar Theta a full turn") << false << 2 << "360" << "360.00" << 360.0f;
        QTest::newRow("two decimals, rounded") << false << 2 << "12.345" << "12.35" << 12.35f;
        QTest::newRow("minus inside the box is dropped") << false << 2 << "3-0" << "30.00" << 30.0f;
        QTest::newRow("letters and blanks are dropped") << false << 1 << "1a 2" << "12.00" << 12.0f;
        QTest::newRow("backspace edits") << false << 1 << "18\b5" << "15.00" << 15.0f;
        QTest::newRow("a second point ends the number") << false << 1 << "1.2.3" << "1.20" << 1.2f;
        QTest::newRow("a lone minus reads 0") << false << 2 << "-" << "0.00" << 0.0f;
        QTest::newRow("rect Y not limited") << true << 2 << "-150" << "-150.00" << -150.0f;
        QTest::newRow("rect X limited from above") << true << 1 << "150" << "97.50" << 97.5f;
        QTest::newRow("rect X not limited from below") << true << 1 << "-150" << "-150.00" << -150.0f;
    }

    void typedValueIsClampedAndCommitted()
    {
        QFETCH(bool, rectangular);
        QFETCH(int, col);
        QFETCH(QString, keys);
        QFETCH(QString, cell);
        QFETCH(float, stored);

        Window w(rectangular);
        if (rectangular)
            w.load({rect(5, 5), rect(10, 20), rect(1, 1)});
        else
            w.load({polar(5, 5), polar(40, 30), polar(1, 1)});
        w.goTo(2, col);
        w.type(keys);
        QVERIFY(w.boxOpen());
        QTest::keyClick(&w.box(), Qt::Key_Return);

        QVERIFY(!w.boxOpen());
        QCOMPARE(w.grid().TextMatrix(2, col), cell);
        const PointRec& p = w.profile().Points[2];
        if (rectangular) {
            QCOMPARE(col == 1 ? p.X : p.Y, stored);
            // The polar pair follows from X and Y.
            QCOMPARE(p.R, static_cast<float>(std::sqrt(double(p.X) * p.X + double(p.Y) * p.Y)));
            QCOMPARE(p.Theta, arctan(p.X, p.Y));
        } else {
            QCOMPARE(col == 1 ? p.R : p.Theta, stored);
            // The rectangular pair follows from R and Theta.
            QVERIFY(std::abs(p.X - p.R * std::cos(p.Theta * Pi / 180.0)) < 1e-4);
            QVERIFY(std::abs(p.Y - p.R * std::sin(p.Theta * Pi / 180.0)) < 1e-4);
        }
        // Editing a point row neither appends nor counts as an unsaved change.
        QCOMPARE(w.profile().PointCount, std::int16_t(3));
        QCOMPARE(w.profile().DataChanged, False);
        QCOMPARE(w.platform.pointer(), Pointer::Default);
        SOLVANE_VERIFY_ALL_PROMPTS_SCRIPTED(w.platform);
    }

    void caretKeysAndDeleteStillEdit()
    {
        Window w;
        w.load({polar(5, 5)});
        w.goTo(1, 1);
        w.type(QStringLiteral("253"));
        QTest::keyClick(&w.box(), Qt::Key_Left);
        QTest::keyClick(&w.box(), Qt::Key_Left);
        // Some platforms attach the character 127 to Delete: it is still Delete, not a typed character.
        QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, QStringLiteral("\x7f"));
        QApplication::sendEvent(&w.box(), &del);
        QTest::keyClick(&w.box(), '7');
        QCOMPARE(w.box().text(), QStringLiteral("273"));
    }

    void clampedRadiusMovesTheRectangularPair()
    {
        Window w;
        w.load({polar(5, 5), polar(40, 30)});
        w.goTo(2, 1);
        w.type(QStringLiteral("1"));
        QCOMPARE(w.box().text(), QStringLiteral("1"));
        QTest::keyClicks(&w.box(), QStringLiteral("20"));
        QCOMPARE(w.box().text(), QStringLiteral("120"));
        QTest::keyClick(&w.box(), Qt::Key_Return);
        QCOMPARE(w.profile().Points[2].R, 97.5f);
        QVERIFY(std::abs(w.profile().Points[2].X - 84.43745f) < 1e-3f);
        QVERIFY(std::abs(w.profile().Points[2].Y - 48.75f) < 1e-3f);
    }

    void commitsOnceWhenNoFocusEventArrives()
    {
        // A window that is not shown gets no focus events: Enter still commits, and only once.
        Window w(false, false);
        w.load({});
        w.goTo(1, 1);
        w.type(QStringLiteral("30"));
        QTest::keyClick(&w.box(), Qt::Key_Return);
        QVERIFY(!w.boxOpen());
        QCOMPARE(w.profile().PointCount, std::int16_t(1));
        QCOMPARE(w.profile().Points[1].R, 30.0f);
        QCOMPARE(w.grid().Rows(), 3);
        QCOMPARE(w.platform.pointer(), Pointer::Default);
        w.form->grdData_GotFocus();  // the focus event arriving late commits nothing more
        QCOMPARE(w.profile().PointCount, std::int16_t(1));
    }

    void openingCharacterDecidesTheBoxText_data()
    {
        QTest::addColumn<char>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::newRow("digit starts afresh") << '7' << "7" << 1;
        QTest::newRow("minus starts afresh") << '-' << "-" << 1;
        QTest::newRow("letter keeps the cell") << 'x' << "40.00" << 5;
        QTest::newRow("decimal point keeps the cell") << '.' << "40.00" << 5;
        QTest::newRow("blank keeps the cell") << ' ' << "40.00" << 5;
    }

    void openingCharacterDecidesTheBoxText()
    {
        QFETCH(char, key);
        Window w;
        w.load({polar(5, 5), polar(40, 30)});
        w.goTo(2, 1);
        QTest::keyClick(&w.grid(), key);
        QVERIFY(w.boxOpen());
        QTEST(w.box().text(), "text");
        QTEST(w.box().cursorPosition(), "caret");
        QCOMPARE(w.platform.pointer(), Pointer::Text);
        // The box lies over the current cell.
        const QRect cell = w.grid().currentCellRect();
        QCOMPARE(w.box().geometry(), QRect(w.grid().mapTo(w.box().parentWidget(), cell.topLeft()), cell.size()));
        QVERIFY(w.box().hasFocus() || !w.form->isActiveWindow());
    }

    void enterOnTheTableOpensWithTheCellText()
    {
        Window w;
        w.load({polar(5, 5), polar(40, 30)});
        w.goTo(2, 2);
        QTest::keyClick(&w.grid(), Qt::Key_Return);
        QCOMPARE(w.box().text(), QStringLiteral("30.0"));
    }

    void doubleClickOpensWithTheCellText()
    {
        Window w;
        w.load({polar(5, 5), polar(40, 30)});
        w.goTo(1, 1);
        const QRect cell = w.grid().visualRect(w.grid().model()->index(2, 1));
        QTest::mouseDClick(w.grid().viewport(), Qt::LeftButton, {}, cell.center());
        QVERIFY(w.boxOpen());
        QCOMPARE(w.box().text(), QStringLiteral("40.00"));
        QCOMPARE(w.grid().Row(), 2);
    }

    void noEditOnFixedCellsOrKeptBlankRows()
    {
        Window w;
        w.load({polar(5, 5), polar(40, 30)});
        w.profile().TableRows = 5;
        w.form->updategrid();  // rows 3 (entry) to 6, current cell the corner
        QCOMPARE(w.grid().Rows(), 7);
        QTest::keyClick(&w.grid(), '5');
        QVERIFY(!w.boxOpen());
        w.goTo(2, 0);
        QTest::keyClick(&w.grid(), '5');
        QVERIFY(!w.boxOpen());
        w.goTo(4, 1);
        QTest::keyClick(&w.grid(), '5');
        QVERIFY(!w.boxOpen());
        QVERIFY(w.platform.pointerChanges().empty() || w.platform.pointer() != Pointer::Text);

        // The entry row above the kept rows takes a value and appends; the kept rows stay.
        w.goTo(3, 1);
        w.type(QStringLiteral("25"));
        QTest::keyClick(&w.box(), Qt::Key_Return);
        QCOMPARE(w.profile().PointCount, std::int16_t(3));
        QCOMPARE(w.profile().Points[3].R, 25.0f);
        QCOMPARE(w.grid().Rows(), 7);
        QCOMPARE(w.grid().TextMatrix(3, 1), QStringLiteral("25.00"));
        QCOMPARE(w.grid().TextMatrix(4, 0), QStringLiteral("4"));
        QCOMPARE(w.grid().TextMatrix(4, 1), QString());
    }

    void escapeCancels()
    {
        Window w;
        w.load({polar(5, 5), polar(40, 30)});
        w.goTo(2, 1);
        w.type(QStringLiteral("55"));
        QTest::keyClick(&w.box(), Qt::Key_Escape);
        QVERIFY(!w.boxOpen());
        QCOMPARE(w.grid().TextMatrix(2, 1), QStringLiteral("40.00"));
        QCOMPARE(w.profile().Points[2].R, 40.0f);
        // A later focus on the table commits nothing.
        w.form->grdData_GotFocus();
        QCOMPARE(w.profile().Points[2].R, 40.0f);
    }

    void movingToAnotherCellCommitsIntoTheCellLeft()
    {
        Window w;
        w.load({polar(5, 5), polar(40, 30)});
        w.goTo(2, 1);
        w.type(QStringLiteral("33"));
        w.grid().setRow(1);  // as a click on another cell does
        QVERIFY(!w.boxOpen());
        QCOMPARE(w.profile().Points[2].R, 33.0f);
        QCOMPARE(w.grid().TextMatrix(2, 1), QStringLiteral("33.00"));
        QCOMPARE(w.profile().Points[1].R, 5.0f);
    }

    void typingOnTheEntryRowAppends()
    {
        // A freshly cleared list that then received 4 points by typing: the fifth takes the slot's zero angle.
        Window w;
        w.load({});
        for (int n = 1; n <= 4; ++n) {
            w.goTo(n, 1);
            w.type(QString::number(10 * n));
            QTest::keyClick(&w.box(), Qt::Key_Return);
            QCOMPARE(w.profile().PointCount, std::int16_t(n));  // once, however the focus arrives
        }
        w.goTo(5, 1);
        w.type(QStringLiteral("50"));
        QTest::keyClick(&w.box(), Qt::Key_Return);

        const Profile& p = w.profile();
        QCOMPARE(p.PointCount, std::int16_t(5));
        QCOMPARE(p.Points[5].R, 50.0f);
        QCOMPARE(p.Points[5].Theta, 0.0f);
        QCOMPARE(p.Points[5].X, 50.0f);
        QCOMPARE(w.grid().Rows(), 7);
        QCOMPARE(w.grid().TextMatrix(5, 0), QStringLiteral("5"));
        QCOMPARE(w.grid().TextMatrix(5, 2), QStringLiteral("0.0"));
        QCOMPARE(w.grid().TextMatrix(6, 0), QStringLiteral("6"));
        QCOMPARE(w.grid().TextMatrix(6, 1), QString());
        // Spot 5 is drawn (not highlighted: the current cell did not move).
        QCOMPARE(w.drawnAt(50, 0), w.spotColour());
        QCOMPARE(p.DataChanged, False);
    }

    void downInTheBoxCommitsAppendsAndMoves()
    {
        Window w;
        w.load({polar(5, 5)});
        w.goTo(2, 1);
        w.type(QStringLiteral("60"));
        const int yields = w.platform.doEventsCount();
        QTest::keyClick(&w.box(), Qt::Key_Down);
        QVERIFY(!w.boxOpen());
        QCOMPARE(w.platform.doEventsCount(), yields + 1);
        QCOMPARE(w.profile().PointCount, std::int16_t(2));
        QCOMPARE(w.profile().Points[2].R, 60.0f);
        QCOMPARE(w.grid().Rows(), 4);
        QCOMPARE(w.grid().Row(), 3);
        QCOMPARE(w.grid().TextMatrix(3, 0), QStringLiteral("3"));

        // From a point row Down only commits and moves.
        w.goTo(1, 2);
        w.type(QStringLiteral("45"));
        QTest::keyClick(&w.box(), Qt::Key_Down);
        QCOMPARE(w.profile().Points[1].Theta, 45.0f);
        QCOMPARE(w.profile().PointCount, std::int16_t(2));
        QCOMPARE(w.grid().Row(), 2);
    }

    void downOnTheTableAppendsFromTheEntryRow()
    {
        Window w;
        w.load({polar(5, 5), polar(40, 30)});
        w.goTo(2, 1);
        QTest::keyClick(&w.grid(), Qt::Key_Down);  // a point row: moves only
        QCOMPARE(w.grid().Row(), 3);
        QCOMPARE(w.profile().PointCount, std::int16_t(2));

        QTest::keyClick(&w.grid(), Qt::Key_Down);  // the entry row: its slot becomes point 3
        QCOMPARE(w.profile().PointCount, std::int16_t(3));
        QCOMPARE(w.grid().Row(), 4);
        QCOMPARE(w.grid().Rows(), 5);
        QCOMPARE(w.grid().TextMatrix(3, 1), QStringLiteral("0.00"));
        QCOMPARE(w.grid().TextMatrix(4, 0), QStringLiteral("4"));
    }

    void upCommitsAndMovesButNotAboveRowOne()
    {
        Window w;
        w.load({polar(5, 5), polar(40, 30)});
        w.goTo(1, 1);
        w.type(QStringLiteral("7"));
        QTest::keyClick(&w.box(), Qt::Key_Up);
        QCOMPARE(w.profile().Points[1].R, 7.0f);
        QCOMPARE(w.grid().Row(), 1);
        QVERIFY(!w.boxOpen());

        w.goTo(2, 1);
        w.type(QStringLiteral("8"));
        QTest::keyClick(&w.box(), Qt::Key_Up);
        QCOMPARE(w.profile().Points[2].R, 8.0f);
        QCOMPARE(w.grid().Row(), 1);
    }

    void currentRowIsHighlightedAndReadOut()
    {
        Window w;
        w.load({polar(12.5f, 90), polar(50, 180)});
        const QRgb spot = w.spotColour();
        const QRgb red = qRgb(255, 0, 0);

        w.goTo(1, 1);
        QCOMPARE(w.form->statusPanel(1), QStringLiteral("R 12.50 Theta 90.0  X  0.00 Y 12.50"));
        QCOMPARE(w.drawnAt(0, 12.5), red);
        QCOMPARE(w.drawnAt(-50, 0), spot);

        QTest::keyClick(&w.grid(), Qt::Key_Down);
        QCOMPARE(w.form->statusPanel(1), QStringLiteral("R 50.00 Theta 180.0  X  -50.00 Y 0.00"));
        QCOMPARE(w.drawnAt(0, 12.5), spot);
        QCOMPARE(w.drawnAt(-50, 0), red);

        // The number column reads out without a highlight; rows without a point show neither.
        w.goTo(1, 0);
        QCOMPARE(w.form->statusPanel(1), QStringLiteral("R 12.50 Theta 90.0  X  0.00 Y 12.50"));
        QCOMPARE(w.drawnAt(0, 12.5), spot);
        w.goTo(3, 1);
        QCOMPARE(w.form->statusPanel(1), QString());
        QCOMPARE(w.drawnAt(0, 12.5), spot);
        QCOMPARE(w.drawnAt(-50, 0), spot);
    }

    void movingTheHighlightLeavesTheFullRedrawsPicture()
    {
        Window w;
        w.load({polar(12.5f, 90), polar(14, 80), polar(50, 180)});
        w.goTo(1, 1);
        w.goTo(2, 1);  // takes the highlight back from spot 1 and gives it to spot 2
        const QImage moved = w.form->picture().surface().image().copy();

        w.form->redrawall();
        const PointRec& p = w.profile().Points[2];
        w.form->drawspot(p.R, p.Theta, Red, Black);
        w.form->drawnumber(p.R, p.Theta, 2);
        QVERIFY(moved == w.form->picture().surface().image());
    }

    void pointsChangedWithoutADrawingAreDrawnOnTheNextMove()
    {
        Window w;
        w.load({polar(12.5f, 90), polar(50, 180)});
        w.goTo(1, 1);
        w.profile().Points[1] = polar(40, 0);  // changed in the list, not yet drawn
        w.goTo(2, 1);
        QCOMPARE(w.drawnAt(polar(40, 0).X, polar(40, 0).Y), w.spotColour());
        QCOMPARE(w.drawnAt(-50, 0), qRgb(255, 0, 0));
    }

    void fullStoreRefusesTheEntryRow()
    {
        Window w;
        Profile& p = w.profile();
        for (int i = 1; i <= MaxPoints; ++i) p.Points[static_cast<std::size_t>(i)] = polar(10, float(i % 360));
        p.PointCount = MaxPoints;
        w.form->updategrid();
        w.platform.answerMessage(MessageAnswer::Ok);
        w.platform.answerMessage(MessageAnswer::Ok);

        w.goTo(2001, 1);
        w.type(QStringLiteral("5"));
        QTest::keyClick(&w.box(), Qt::Key_Return);
        QVERIFY(!w.boxOpen());
        QCOMPARE(p.PointCount, std::int16_t(MaxPoints));
        QCOMPARE(w.grid().TextMatrix(2001, 1), QString());
        QCOMPARE(w.grid().Rows(), 2002);

        QTest::keyClick(&w.grid(), Qt::Key_Down);
        QCOMPARE(p.PointCount, std::int16_t(MaxPoints));
        QCOMPARE(w.grid().Row(), 2001);
        QCOMPARE(w.grid().Rows(), 2002);

        QCOMPARE(w.platform.messages().size(), std::size_t(2));
        for (const auto& message : w.platform.messages()) {
            QCOMPARE(message.text, FullStoreText);
            QCOMPARE(message.title, QStringLiteral("Solvane"));
            QCOMPARE(message.icon, MessageIcon::Exclamation);
            QCOMPARE(message.buttons, MessageButtons::Ok);
        }
        SOLVANE_VERIFY_ALL_PROMPTS_SCRIPTED(w.platform);
    }

    void decimalCommaLocaleShowsAndReadsBack()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        {
            Window w;
            w.load({polar(5, 5), polar(40, 30)});
            w.goTo(2, 1);
            w.type(QStringLiteral("12.5"));
            QTest::keyClick(&w.box(), Qt::Key_Return);
            QCOMPARE(w.grid().TextMatrix(2, 1), QStringLiteral("12,50"));
            QCOMPARE(w.profile().Points[2].R, 12.5f);
            w.goTo(2, 2);
            QCOMPARE(w.form->statusPanel(1), QStringLiteral("R 12,50 Theta 30,0  X  10,83 Y 6,25"));
        }
        QLocale::setDefault(QLocale::c());
    }
};

QTEST_MAIN(TestCellEdit)
#include "tst_celledit.moc"
