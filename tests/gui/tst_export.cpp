// Export CSV and Image from the File menu, Paste from the Edit menu.
#include <QAction>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include "formharness.h"

using namespace solvane;

class TestExport : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // Copy lists the points with the locale's decimal separator, and Paste reads them back by it (the listing in
    // both systems and its reading: tst_pointlist, tst_pastedpoints).
    void copyThenPasteReproducesThePointsUnderADecimalComma()
    {
        QLocale::setDefault(QLocale(QLocale::German));
        FormHarness h;
        h.setPolarPoints({{50, 90}, {0, 0}, {12.25f, 333.5f}});
        const QString shown = h.rows();
        h.action("Edit_Copy")->trigger();
        QCOMPARE(h.platform.clipboardText(), "R(mm)  Theta\r\n50,00\t90,0\r\n,00\t,0\r\n12,25\t333,5\r\n");
        h.action("Edit_Clear")->trigger();
        h.action("Edit_Paste")->trigger();
        QCOMPARE(h.rows(), shown);
        QCOMPARE(h.form().statusPanel(1), QString("3 point(s) pasted."));
    }

    void pasteSkipsOtherLinesAndKeepsTheCapacity()
    {
        FormHarness h;
        h.profile().PolarSys = False;
        h.profile().RectSys = True;
        h.platform.setClipboardText("X\tY\r\n1.5\t-2\r\ntotal\t3\r\n4;5\r\n");
        h.action("Edit_Paste")->trigger();
        QCOMPARE(h.rows(), QString("1|1.50|-2.00 2|4.00|5.00 3||"));
        QCOMPARE(h.form().statusPanel(1), QString("2 point(s) pasted, 1 line(s) skipped."));

        h.profile().PointCount = MaxPoints - 1;
        h.platform.answerMessage(MessageAnswer::Ok);
        h.action("Edit_Paste")->trigger();
        QCOMPARE(h.profile().PointCount, MaxPoints);
        QCOMPARE(h.form().statusPanel(1),
                 QString("1 point(s) pasted, 1 line(s) skipped, 1 left out: the profile is full."));
    }

    // Export CSV writes the point file where asked (its lines: tst_pointcsv; imported back without the column
    // dialog: tst_fileopening).
    void exportCsvWritesThePointFile()
    {
        FormHarness h;
        QTemporaryDir dir;
        h.setPolarPoints({{50, 90}});
        h.platform.chooseFile(dir.filePath("p.csv"));
        h.action("File_ExportCsv")->trigger();
        QCOMPARE(h.request(0), "Export CSV; save; *.csv; .csv; CSV File (*.csv)|*.csv|All Files (*.*)|*.*|; " +
                                   QString::fromStdString(h.profile().ProfileDir));
        QVERIFY(readFile(dir.filePath("p.csv")).startsWith("n,R_mm,Theta_deg,X_mm,Y_mm\r\n1,50.0000,90.0000,"));
    }

    void exportImageWritesPngOfTheChosenSizeOrSvg()
    {
        FormHarness h;
        QTemporaryDir dir;
        h.action("Draw_Nine")->trigger();
        h.platform.chooseFile(dir.filePath("w.png"));
        h.platform.answerWholeNumber(300);
        h.action("File_ExportImage")->trigger();
        QCOMPARE(QImage(dir.filePath("w.png")).size(), QSize(300, 300));

        h.platform.chooseFile(dir.filePath("w.svg"));  // what the drawing holds: tst_cli, tst_waferdrawing
        h.action("File_ExportImage")->trigger();
        QVERIFY(readFile(dir.filePath("w.svg")).startsWith("<?xml"));

        h.platform.chooseFile(dir.filePath("w.jpg"));
        h.platform.answerMessage(MessageAnswer::Ok);
        h.action("File_ExportImage")->trigger();
        QVERIFY(h.platform.messages().back().text.contains("an image is written as PNG (.png) or as SVG (.svg)"));
        QVERIFY(!QFile::exists(dir.filePath("w.jpg")));
    }
};

QTEST_MAIN(TestExport)
#include "tst_export.moc"
