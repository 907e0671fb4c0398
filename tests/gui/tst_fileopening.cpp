// Files named from outside the file dialogs: the command line (and a later start), a drop, the recent files; and
// the folder each kind of file dialog opens in.
#include <QAction>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QUrl>
#include <QtTest>

#include "formharness.h"

using namespace solvane;

namespace {

const QByteArray ThreePointCsv = "n,R_mm,Theta_deg,X_mm,Y_mm\r\n1,10,0,10,0\r\n2,20,0,20,0\r\n3,30,0,30,0\r\n";

// Drags files onto target as a file manager does; false when the drag was not accepted.
bool dropFiles(QWidget& target, const QStringList& files)
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& file : files) urls.append(QUrl::fromLocalFile(file));
    data.setUrls(urls);
    const QPoint middle = target.rect().center();
    QDragEnterEvent enter(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(QPointF(middle), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &drop);
    QCoreApplication::processEvents();  // the files open once the drop is over
    return drop.isAccepted();
}

}  // namespace

class TestFileOpening : public QObject {
    Q_OBJECT

private slots:
    void routing_data()
    {
        QTest::addColumn<QString>("way");        // "argument" (the command line, a later start) or a drop on a widget
        QTest::addColumn<QStringList>("files");  // in the work folder, made with the contents below
        QTest::addColumn<QString>("shown");      // message boxes; %1 is the work folder
        QTest::addColumn<QString>("state");      // the document afterwards
        const QString previous = QStringLiteral(
            "1 points, 3 rows; title \"\", status \"Untitled\"; Save off, unchanged");
        const QString notOpened = QStringLiteral("Solvane|Exclamation|Ok|\"%1/%2\" was not opened:\r\n%3.");
        const auto opened = [](int points, const char* name) {
            return QStringLiteral("%1 points, %2 rows; title \"%3\", status \"%3\"; Save on, unchanged")
                .arg(points)
                .arg(points + 2)
                .arg(QLatin1String(name));
        };
        const QString none =
            "Solvane opens profiles (.waf, .map), KLA results files and CSV files (.csv, .txt), and "
            "this file is none of these";
        const QString onlyOne = "Solvane|Information|Ok|Solvane edits one file at a time: only \"p.waf\" was opened.";
        // A drop hands its files to the same routing as the command line.
        // clang-format off
        QTest::newRow("Form1: two files") << "Form1" << QStringList{"p.waf", "points.csv"} << onlyOne
                                          << opened(2, "p.waf");
        QTest::newRow("descript: results file") << "descript" << QStringList{"lot.waf"} << "" << opened(1, "lot.waf");
        QTest::newRow("argument: point CSV") << "argument" << QStringList{"points.csv"} << ""
                                             << opened(3, "points.csv");
        QTest::newRow("argument: picture") << "argument" << QStringList{"a.png"} << notOpened.arg("%1", "a.png", none)
                                           << previous;
        // clang-format on
        QTest::newRow("argument: missing") << "argument" << QStringList{"gone.waf"}
                                           << notOpened.arg("%1", "gone.waf", "there is no such file") << previous;
        QTest::newRow("argument: unsaved, No") << "argument" << QStringList{"p.waf", "No"}
                                               << "Data Not Saved|Question|YesNo|The data has changed\r\nsince your "
                                                  "last save.\r\n    Clear anyway?"
                                               << QString(previous).replace("unchanged", "changed");
    }

    // The file's kind decides: a profile opens, a results file (by its first field) or a CSV file imports; anything
    // else is refused in plain words and the open document stays.
    void routing()
    {
        QFETCH(QString, way);
        QFETCH(QStringList, files);
        QFETCH(QString, shown);
        QFETCH(QString, state);
        FormHarness h;
        QTemporaryDir work;
        writeFile(work.filePath(QStringLiteral("p.waf")), TwoPointProfile);
        writeFile(work.filePath(QStringLiteral("lot.waf")), klaResultsFile(1));
        writeFile(work.filePath(QStringLiteral("points.csv")), ThreePointCsv);
        writeFile(work.filePath(QStringLiteral("a.png")), "\x89PNG\r\n");
        h.setPolarPoints({{10, 0}});
        if (files.last() == "No") {
            files.removeLast();
            h.profile().DataChanged = True;
            h.platform.answerMessage(MessageAnswer::No);
        } else if (!shown.isEmpty()) {
            h.platform.answerMessage(MessageAnswer::Ok);
        }
        for (QString& file : files) file = work.filePath(file);

        if (way == "argument")
            h.form().openFiles(files);
        else if (way == "Form1")
            QVERIFY(dropFiles(h.form(), files));
        else
            QVERIFY(dropFiles(h.form().descriptionBox(), files));
        QCOMPARE(h.boxes(), QString(shown).replace(QLatin1String("%1"), work.path()));
        QCOMPARE(h.document(), state);
    }

    // Up to eight, newest first, between Print and Exit with a separator of their own; one that has vanished is
    // taken off with a message, and the list is kept in the settings.
    void recentFiles()
    {
        FormHarness h;
        QTemporaryDir work;
        const auto fileMenu = [&h] {
            QStringList items;
            const auto* menu = qobject_cast<const QMenu*>(h.action("File_Exit")->parent());
            bool fromPrint = false;
            for (const QAction* item : menu->actions()) {
                fromPrint = fromPrint || item->objectName() == "File_PrintData";
                if (fromPrint && item->isVisible()) items << (item->isSeparator() ? QStringLiteral("-") : item->text());
            }
            return items.join('|');
        };
        QCOMPARE(fileMenu(), "&Print|-|E&xit");
        QStringList paths;
        for (int i = 1; i <= 9; ++i) {
            paths << writeFile(work.filePath(QStringLiteral("p%1 & co.waf").arg(i)), TwoPointProfile);
            h.form().openFiles({paths.last()});
        }
        QCOMPARE(fileMenu(),
                 "&Print|-|&1 p9 && co.waf|&2 p8 && co.waf|&3 p7 && co.waf|&4 p6 && co.waf|"
                 "&5 p5 && co.waf|&6 p4 && co.waf|&7 p3 && co.waf|&8 p2 && co.waf|-|E&xit");
        QCOMPARE(QString::fromStdString(h.platform.memoryStore().read("Recent Files", "File8", "")), paths[1]);

        QVERIFY(QFile::remove(paths[6]));
        h.platform.answerMessage(MessageAnswer::Ok);
        h.action("File_Recent_3")->trigger();
        QCOMPARE(h.boxes(), "Solvane|Exclamation|Ok|\"" + paths[6] +
                                "\" is no longer there.\r\nIt was taken off the "
                                "recent files.");
        QCOMPARE(h.document(), "2 points, 4 rows; title \"p9 & co.waf\", status \"p9 & co.waf\"; Save on, unchanged");
        h.action("File_Recent_7")->trigger();  // p2, now seventh: opened, and first again
        QCOMPARE(fileMenu(),
                 "&Print|-|&1 p2 && co.waf|&2 p9 && co.waf|&3 p8 && co.waf|&4 p6 && co.waf|"
                 "&5 p5 && co.waf|&6 p4 && co.waf|&7 p3 && co.waf|-|E&xit");
        QCOMPARE(h.profile().FileTitle, "p2 & co.waf");
        QCOMPARE(QString::fromStdString(h.platform.memoryStore().read("Recent Files", "File8", "")), QString());
    }

    // Each kind of file dialog opens in the profile folder of the settings until a file of its kind is chosen, then
    // where that was. (Kinds kept apart, a folder that is gone: tst_settings.)
    void dialogFolder()
    {
        for (const char* command : {"File_Open", "File_SaveAs", "mnuFileImporter", "mnuCSVFileImporter",
                                    "File_ExportCsv", "File_ExportImage"}) {
            FormHarness h;
            QTemporaryDir work;
            h.setPolarPoints({{10, 0}});
            h.profile().ProfileDir = "/srv/profiles";
            h.platform.cancelFileDialog();
            h.action(command)->trigger();
            QCOMPARE(h.platform.fileRequests().at(0).initialDir, QStringLiteral("/srv/profiles"));
            h.platform.chooseFile(work.filePath(QStringLiteral("chosen.map")));
            h.platform.answerMessage(MessageAnswer::Ok);  // whatever the command says of a file that is not there
            h.action(command)->trigger();
            h.platform.clear();
            h.platform.cancelFileDialog();
            h.action(command)->trigger();
            QCOMPARE(h.platform.fileRequests().at(0).initialDir, work.path());
        }
    }
};

QTEST_MAIN(TestFileOpening)
#include "tst_fileopening.moc"
