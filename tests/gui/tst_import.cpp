// File menu import commands: KLA results files, CSV files with their column dialog, and Save after an import.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QtTest>
#include <functional>
#include <vector>

#include "formharness.h"
#include "importers/frmwaferchoice.h"

using namespace solvane;

namespace {

// Three points of a profile named "previous.waf"; dialogs are counted, shown and handed to answer.
void prepare(FormHarness& h, int& dialogs, std::function<void(QDialog&)> answer)
{
    h.setPolarPoints({{10, 0}, {20, 0}, {30, 0}});
    h.profile().FileTitle = "previous.waf";
    h.answerDialogs([&dialogs, answer](QDialog& dialog) {
        ++dialogs;
        answer(dialog);
    });
}

}  // namespace

class TestImport : public QObject {
    Q_OBJECT

private slots:
    void kla_data()
    {
        QTest::addColumn<QByteArray>("bytes");  // of x.dat; none: no such file
        QTest::addColumn<QString>("answer");    // the wafer choice: a button or "double click"
        QTest::addColumn<QString>("shown");     // message boxes, or the wafer list with its selection, title, prompt
        QTest::addColumn<QString>("state");     // the document, and a table row
        const QString x = QStringLiteral("; title \"x.dat\", status \"x.dat\"; Save on, unchanged / ");
        const QString previous = QStringLiteral(
            "3 points, 5 rows; title \"previous.waf\", status \"Untitled\"; Save "
            "off, unchanged / 3|30.00|0.0");
        const QString refused = QStringLiteral("Solvane|Exclamation|Ok|\"x.dat\" was not imported.\r\n");
        const QByteArray two = readFile(QStringLiteral(SOLVANE_TEST_DATA "/kla/two_wafers.dat"));
        const QString listed = QStringLiteral(
            "A1 3 2 B2 4 1 0|Choose Wafer|The file holds 2 wafers. Choose the wafer to import:");
        const QString twoDone = "1 points, 3 rows" + x + "1|1.12|243.4";  // wafer B2: -0.5, -1
        QTest::newRow("damaged")
            << klaResultsFile(3).replace("10000 5000", "10000 abc") << ""
            << refused + "The file is damaged at line 7: \"abc\" is not a number (YREL field of defect 2)." << previous;
        QTest::newRow("wrong type, then another")
            << QByteArray("Name,XRel,YRel\r\nd1,1,2\r\n") << ""
            << "Invalid file type|Critical|Ok|File type error, please re-enter"
            << "1 points, 3 rows" + QString(x).replace("x.dat", "y.dat") + "1|7.07|45.0";
        QTest::newRow("wafer OK") << two << "CmdOK" << listed << twoDone;
        QTest::newRow("wafer double click") << two << "double click" << listed << twoDone;
        QTest::newRow("wafer Cancel") << two << "CmdCancel" << listed << previous;
    }

    // The import replaces the profile, or says why not and changes nothing; a wrong type asks again.
    void kla()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, answer);
        QFETCH(QString, shown);
        QFETCH(QString, state);
        FormHarness h;
        QTemporaryDir work;
        const auto write = [&work](const char* name, const QByteArray& content) {
            const QString path = work.filePath(QLatin1String(name));
            return content.isEmpty() ? path : writeFile(path, content);
        };
        int dialogs = 0;
        QStringList listing;
        prepare(h, dialogs, [&](QDialog& dialog) {
            auto* list = dialog.findChild<QTableWidget*>(QStringLiteral("lstWafers"));
            for (int i = 0; i < list->rowCount() * 3; ++i) listing << list->item(i / 3, i % 3)->text();
            listing.last() += QStringLiteral(" %1|%2|").arg(list->currentRow()).arg(dialog.windowTitle()) +
                              dialog.findChild<QLabel*>(QStringLiteral("lblPrompt"))->text();
            const QPoint cell = list->visualItemRect(list->item(1, 0)).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell);  // the second wafer
            answer == "double click" ? QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell)
                                     : click(dialog, qPrintable(answer));
        });
        const QString path = write("x.dat", bytes);
        h.platform.chooseFile(path);
        if (answer.isEmpty() && !shown.isEmpty()) h.platform.answerMessage(MessageAnswer::Ok);
        if (shown.startsWith(QLatin1String("Invalid"))) h.platform.chooseFile(write("y.dat", klaResultsFile(1)));
        h.action("mnuFileImporter")->trigger();
        QCOMPARE(h.request(0),
                 "Import File; open; *.dat; .dat; KLA results files (*.dat *.000 *.001 *.klarf)|"
                 "*.dat;*.000;*.001;*.klarf|KLA Resource File (*.dat)|*.dat|All Files (*.*)|*.*|; " +
                     QString::fromStdString(h.profile().ProfileDir));
        QCOMPARE(listing.join(' ') + h.boxes(), QString(shown).replace(QLatin1String("%1"), path));
        QCOMPARE(h.document() + " / " + h.row(state.section(" / ", 1).section('|', 0, 0).toInt()), state);
    }

    // The column dialog opens empty; Cancel after an OK imports with the stored columns; Save then asks for a name.
    void csv()
    {
        FormHarness h;
        QTemporaryDir work;
        int dialogs = 0;
        QString button, seen;
        prepare(h, dialogs, [&](QDialog& dialog) {
            int column = 2;  // the fixture's columns 2..7, in the order of the boxes
            for (const char* name :
                 {"txtSampleCenterLoc", "txtDiePitch", "txtXIndex", "txtYindex", "txtXrel", "txtYrel"}) {
                seen += dialog.findChild<QLineEdit*>(QLatin1String(name))->text();
                dialog.findChild<QLineEdit*>(QLatin1String(name))->setText(QString::number(column++));
            }
            click(dialog, qPrintable(button));
        });
        const QString path = work.filePath(QStringLiteral("defects.csv"));
        const QString fixture = QStringLiteral(SOLVANE_TEST_DATA "/csv/defects.csv");
        QVERIFY(QFile::copy(fixture, path));
        for (const char* step : {"CmdOK", "CmdCancel", "no file"}) {
            button = QLatin1String(step);
            h.platform.clear();
            button == "no file" ? h.platform.cancelFileDialog() : h.platform.chooseFile(path);
            if (button != "no file") h.setPolarPoints({{10, 0}});
            h.action("mnuCSVFileImporter")->trigger();
            SOLVANE_VERIFY_ALL_PROMPTS_SCRIPTED(h.platform);
            QCOMPARE(h.request(0).section(QLatin1String("; "), 0, 4),  // its folder: tst_fileopening
                     "Import File; open; *.csv; .csv; CSV File (*.csv *.txt)|*.csv;*.txt|All Files (*.*)|*.*|");
            QCOMPARE(h.document(), QStringLiteral("3 points, 5 rows; title \"defects.csv\", status \"defects.csv\"; "
                                                  "Save on, unchanged"));
        }
        QCOMPARE(dialogs, 2);
        QCOMPARE(seen, QString());
        QCOMPARE(h.row(1), QStringLiteral("1|67.68|274.2"));  // centre 100000 50000, pitch 10000: X 5, Y -67.4995
        h.platform.chooseFile(work.filePath(QStringLiteral("named.waf")));
        h.action("File_Save")->trigger();
        QCOMPARE(h.request(1).section(QLatin1String("; "), 0, 1), QStringLiteral("Save File As; save"));
        QCOMPARE(QFileInfo(path).size(), QFileInfo(fixture).size());
        QCOMPARE(h.document(), QStringLiteral("3 points, 5 rows; title \"named.waf\", status \"named.waf\"; Save on, "
                                              "unchanged"));
    }

    // A file of a million wafers once took gigabytes of rows: the chooser lists the first ones and says so.
    void waferChoiceIsCapped()
    {
        const std::vector<KlaWafer> wafers(frmWaferChoice::MaxListedWafers + 1, KlaWafer{"W", "1", 3});
        frmWaferChoice chooser(wafers);
        auto* list = chooser.findChild<QTableWidget*>(QStringLiteral("lstWafers"));
        QCOMPARE(list->rowCount(), 10000);
        QCOMPARE(chooser.findChild<QLabel*>(QStringLiteral("lblPrompt"))->text(),
                 QStringLiteral(
                     "The file holds 10001 wafers; the first 10000 are listed. Choose the wafer to import:"));
    }
};

QTEST_MAIN(TestImport)
#include "tst_import.moc"
