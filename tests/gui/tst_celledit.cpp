// In-place editing of the point table: opening, key filter, clamping, commit, entry row, highlight and read-out.
#include <QLineEdit>
#include <QtTest>

#include "formharness.h"
#include "table/flexgrid.h"
#include "view/waferview.h"

using namespace solvane;

namespace {

// The window on a 200 mm wafer with a 5 mm beam (largest typed radius (200 - 5) / 2 = 97.5), in the
// polar system unless "rect"; "comma" switches to a German locale, "kept" keeps table rows to 5 points.
struct Table : FormHarness {
    explicit Table(std::initializer_list<std::pair<float, float>> points, const QString& setup = "polar")
    {
        if (setup == "comma") QLocale::setDefault(QLocale(QLocale::German));
        profile().WaferDiameter = 200.0;
        profile().BeamDiameter = 5.0;
        profile().PolarSys = setup == "rect" ? False : True;
        profile().RectSys = setup == "rect" ? True : False;
        if (setup == "kept") profile().TableRows = 5;
        setPolarPoints(points);
    }
    FlexGrid& grid() { return form().grid(); }
    QLineEdit& box() { return form().editBox(); }
    void goTo(int row, int col)
    {
        grid().setCol(col);
        grid().setRow(row);
    }
    // Keys go to the open box, else to the table: L, U and D are the arrows Left, Up and Down, B Shift+Tab, X a Delete
    // carrying the character 127 (as some platforms send it), K a double-click and C a click on row 1.
    void run(const QString& keys)
    {
        for (const QChar c : keys) {
            QWidget* to = box().isHidden() ? static_cast<QWidget*>(&grid()) : &box();
            QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, QStringLiteral("\x7f"));
            const int arrow = QStringLiteral("LURD").indexOf(c);
            if (c == 'X') QApplication::sendEvent(to, &del);
            const QPoint centre = grid().visualRect(grid().currentIndex()).center();
            if (c == 'K') QTest::mouseDClick(grid().viewport(), Qt::LeftButton, {}, centre);
            if (c == 'C') grid().setRow(1);
            if (arrow >= 0) QTest::keyClick(to, Qt::Key(Qt::Key_Left + arrow));
            if (c == 'B') QTest::keyClick(to, Qt::Key_Backtab, Qt::ShiftModifier);
            if (!QStringLiteral("XKCLURDB").contains(c)) QTest::keyClick(to, c.toLatin1());
            const QRect cell = grid().currentCellRect();  // an open box lies over the current cell
            if (!box().isHidden())
                QCOMPARE(box().geometry(), QRect(grid().mapTo(box().parentWidget(), cell.topLeft()), cell.size()));
        }
    }
    QColor spot() { return QColor(form().palette().color(QPalette::Dark).rgb()); }
};

}  // namespace

class TestCellEdit : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void keysOnTheTable_data()
    {
        QTest::addColumn<QString>("system");  // polar; rect; comma: polar, German; kept: blank rows 4 to 6
        QTest::addColumn<QPoint>("cell");     // row, column
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("current");
        QTest::addColumn<QString>("table");  // every row after the keys
        const QPoint r2(2, 1), t1(1, 2), t2(2, 2), entry(3, 1);
        const QString one = "1|5.00|5.0 ", two = "2|40.00|30.0", end = " 3||", kept = " 4|| 5|| 6||";
        QTest::newRow("two decimals") << "polar" << t2 << "12.345\r" << 2 << one + "2|40.00|12.35" + end;
        QTest::newRow("minus in the box dropped") << "polar" << t2 << "3-0\r" << 2 << one + "2|40.00|30.00" + end;
        QTest::newRow("letters, blanks dropped") << "polar" << r2 << "1a 2\r" << 2 << one + "2|12.00|30.0" + end;
        QTest::newRow("backspace") << "polar" << r2 << "18\b5\r" << 2 << one + "2|15.00|30.0" + end;
        QTest::newRow("caret keys, Delete") << "polar" << t2 << "253LLX7\r" << 2 << one + "2|40.00|273.00" + end;
        QTest::newRow("decimal point") << "comma" << r2 << "12.5\r" << 2 << "1|5,00|5,0 2|12,50|30,0" + end;
        QTest::newRow("decimal comma") << "comma" << r2 << "12,5\r" << 2 << "1|5,00|5,0 2|12,50|30,0" + end;
        QTest::newRow("huge value") << "rect" << t2 << "99999999999999\r" << 2 << "1|4.98|0.44 2|34.64|1E+14" + end;
        // Tab and Shift+Tab commit and move to the next or the previous value cell.
        QTest::newRow("Tab to Theta") << "polar" << r2 << "33\t" << 2 << one + "2|33.00|30.0" + end;
        QTest::newRow("Tab to the next row") << "polar" << t2 << "45\t" << 3 << one + "2|40.00|45.00" + end;
        QTest::newRow("Shift+Tab back") << "polar" << t2 << "45B" << 2 << one + "2|40.00|45.00" + end;
        QTest::newRow("Shift+Tab, row above") << "polar" << r2 << "33B" << 1 << one + "2|33.00|30.0" + end;
        // Digits and minus open the box afresh, other keys on the cell's text with the caret at its end.
        QTest::newRow("point keeps the cell") << "polar" << t2 << ".5\r" << 2 << one + "2|40.00|30.05" + end;
        QTest::newRow("double-click keeps it") << "polar" << t2 << "K5\r" << 2 << one + "2|40.00|30.05" + end;
        QTest::newRow("Enter keeps the cell") << "polar" << t2 << "\r5\r" << 2 << one + "2|40.00|30.05" + end;
        QTest::newRow("Escape cancels") << "polar" << r2 << "55\x1b" << 2 << one + two + end;
        QTest::newRow("a click elsewhere commits") << "polar" << r2 << "33C" << 1 << one + "2|33.00|30.0" + end;
        QTest::newRow("entry row, Enter") << "polar" << entry << "25\r" << 3 << one + two + " 3|25.00|0.0 4||";
        QTest::newRow("entry row, Down") << "polar" << entry << "25D" << 4 << one + two + " 3|25.00|0.0 4||";
        QTest::newRow("Down, Up, Up on row 1") << "polar" << t1 << "45D8U7U" << 1 << "1|5.00|7.00 2|40.00|8.00" + end;
        QTest::newRow("table Down, point, entry") << "polar" << r2 << "DD" << 4 << one + two + " 3|0.00|0.0 4||";
        // Decisions: the fixed cells and the blank rows kept below the entry row name no point, open no edit.
        QTest::newRow("number column") << "polar" << QPoint(2, 0) << "5\r" << 2 << one + two + end;
        QTest::newRow("header row") << "polar" << QPoint(0, 1) << "5\r" << 0 << one + two + end;
        QTest::newRow("kept blank row") << "kept" << QPoint(4, 1) << "5\r" << 4 << one + two + end + kept;
        QTest::newRow("entry row above kept") << "kept" << entry << "25\r" << 3 << one + two + " 3|25.00|0.0" + kept;
    }

    void keysOnTheTable()
    {
        QFETCH(QString, system);
        QFETCH(QPoint, cell);
        QFETCH(QString, keys);
        Table t({{5, 5}, {40, 30}}, system);
        t.goTo(cell.x(), cell.y());
        const QString before = t.rows();
        t.run(keys);
        QVERIFY(t.box().isHidden());
        QTEST(t.rows(), "table");
        QTEST(t.grid().Row(), "current");
        // The typed field holds the cell's value (the other pair follows from it: tst_pointlist).
        const PointRec& p = t.profile().Points[static_cast<std::size_t>(cell.x())];
        const float typed = cell.y() == 1 ? (system == "rect" ? p.X : p.R) : (system == "rect" ? p.Y : p.Theta);
        if (cell.y() > 0) QCOMPARE(typed, QLocale().toFloat(t.grid().TextMatrix(cell.x(), cell.y())));
        // Every committed value is an unsaved change.
        QCOMPARE(t.profile().DataChanged != False, t.rows() != before);
        // The box shows its own text pointer: the window's pointer stays the arrow, also after Escape.
        QCOMPARE(t.platform.pointer(), Pointer::Default);
    }

    void currentRowIsHighlightedAndReadOut()
    {
        Table t({{12.5f, 90}, {50, 180}});
        const QString first = QStringLiteral("R 12.50 Theta 90.0  X  0.00 Y 12.50");
        t.goTo(1, 1);
        QCOMPARE(t.form().statusPanel(1), first);
        QCOMPARE(t.pixelNear(0, 12.5), QColor(Qt::red));
        t.run(QStringLiteral("D"));
        QCOMPARE(t.form().statusPanel(1), QStringLiteral("R 50.00 Theta 180.0  X  -50.00 Y 0.00"));
        QCOMPARE(t.pixelNear(0, 12.5), t.spot());
        QCOMPARE(t.pixelNear(-50, 0), QColor(Qt::red));
        t.goTo(1, 0);  // decision: the number column reads out without a highlight ...
        QCOMPARE(t.form().statusPanel(1), first);
        QCOMPARE(t.pixelNear(0, 12.5), t.spot());
        t.goTo(3, 1);  // ... and a row without a point shows neither
        QCOMPARE(t.form().statusPanel(1), QString());
        QCOMPARE(t.pixelNear(-50, 0), t.spot());
        // Regression: a point changed in the list since the last drawing is drawn at its new place.
        t.profile().Points[1] = PointRec{40, 0, False, 40, 0};
        t.goTo(2, 1);
        QCOMPARE(t.pixelNear(40, 0), t.spot());
        // The kept picture shown again, pixel for pixel the one a fresh redraw with the highlight gives.
        t.form().redrawall();
        t.goTo(1, 1);
        t.goTo(2, 1);
        const QImage shown = t.form().picture().surface().image().copy();
        const PointRec& second = t.profile().Points[2];
        t.form().redrawall();
        t.form().drawspot(second.R, second.Theta, Red, Black);
        t.form().drawnumber(second.R, second.Theta, 2);
        QCOMPARE(t.form().picture().surface().image(), shown);
    }

    // Decision: a full store refuses the entry row's value and its Down key, with a message each.
    void fullStoreRefusesTheEntryRow()
    {
        Table t({});
        scatterPolarPoints(t.profile(), MaxPoints, 1);
        t.form().updategrid();
        for (int i = 0; i < 2; ++i) t.platform.answerMessage(MessageAnswer::Ok);
        t.goTo(2001, 1);
        t.run(QStringLiteral("5\rD"));
        QCOMPARE(t.profile().PointCount, std::int16_t(MaxPoints));
        QCOMPARE(t.row(2001) + QString::number(t.grid().Rows()), "2001||2002");
        const QString box = "Solvane|Exclamation|Ok|The profile already holds the maximum of 2000 points.";
        QCOMPARE(t.boxes(), box + '\n' + box);
    }
};

QTEST_MAIN(TestCellEdit)
#include "tst_celledit.moc"
