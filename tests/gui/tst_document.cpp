// File menu document commands: New, Open, Save, Save As and the close check, driven through the menu.
#include <QAction>
#include <QLineEdit>
#include <QtTest>

#include "formharness.h"

using namespace solvane;

namespace {

const QString Prompt = QStringLiteral(
    "Data Not Saved|Question|YesNo|The data has changed\r\nsince your last save.\r\n"
    "    %1 anyway?");
const QString WafDialog = QStringLiteral("; *.waf; waf; Wafer File (*.waf)|*.waf|All Files (*.*)|*.*|; ");
// Two polar points as a 5.1 file holds them, with the wafer parameters and colours of a fresh start.
const QByteArray TwoPointFile =
    "\"Solvane 5.1\"\r\n\"Two points\"\r\n150\r\n5\r\n8\r\n\"Polar\"\r\n"
    "-2147483633\r\n-2147483632\r\n2\r\n50,90,#TRUE#,0\r\n25.5,180,#TRUE#,0\r\n";

}  // namespace

class TestDocument : public QObject {
    Q_OBJECT

private slots:
    void unsavedChangesPrompt_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("answer");  // empty: no changes, so no prompt
        for (const char* command : {"File_New", "File_Exit", "close box"})
            for (const char* answer : {"", "Yes", "No"})
                QTest::addRow("%s, '%s'", command, answer) << command << answer;
    }

    // New and every way of closing ask before dropping changes; New keeps the description.
    void unsavedChangesPrompt()
    {
        QFETCH(QString, command);
        QFETCH(QString, answer);
        const bool changed = !answer.isEmpty();
        FormHarness h;
        Profile& p = h.profile();
        h.setPolarPoints({{50.0f, 90.0f}, {25.5f, 180.0f}});
        h.form().descriptionBox().setText(QStringLiteral("kept"));
        p.FileTitle = "kept.waf";
        h.action("Draw_Snap")->trigger();
        p.WaferColor = 0x00FF0000;
        h.action("File_Save")->setEnabled(true);
        p.DataChanged = changed ? True : False;
        h.form().setGeometry(40, 30, 640, 480);
        if (changed) h.platform.answerMessage(answer == "Yes" ? MessageAnswer::Yes : MessageAnswer::No);
        command == "close box" ? void(h.form().close()) : h.action(qPrintable(command))->trigger();
        SOLVANE_VERIFY_ALL_PROMPTS_SCRIPTED(h.platform);
        const bool goesAhead = answer != "No";
        const bool cleared = command == "File_New" && goesAhead;
        QCOMPARE(h.boxes(), changed ? Prompt.arg(QLatin1String(command == "File_New" ? "Clear" : "Quit")) : QString());
        QCOMPARE(h.document(), cleared ? QStringLiteral("0 points, 2 rows; title \"\", status \"Untitled\"; Save off, "
                                                        "unchanged")
                                       : QStringLiteral("2 points, 4 rows; title \"kept.waf\", status \"Untitled\"; "
                                                        "Save on, %1changed")
                                             .arg(QLatin1String(changed ? "" : "un")));
        QCOMPARE(h.row(1) + h.form().descriptionBox().text(), cleared ? "1||kept" : QStringLiteral("1|50.00|90.0kept"));
        QCOMPARE(int(h.action("Draw_Snap")->isChecked()) - p.SnapOn, cleared ? 0 : 2);
        QCOMPARE(p.WaferColor, cleared ? p.DefWaferColor : Colour(0x00FF0000));
        if (command == "File_New") return;
        QCOMPARE(h.form().isVisible(), !goesAhead);
        QCOMPARE(h.platform.memoryStore().entries().empty(), !goesAhead);
        if (goesAhead) QCOMPARE(Form1(h.platform).geometry(), QRect(40, 30, 640, 480));
    }

    void open_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("points");
        QTest::newRow("good") << TwoPointFile << QString() << "2 points, 4 rows: 50 25.5 0";
        QTest::newRow("missing") << QByteArray() << "opened:\r\ncannot open \"%1\": No such file or directory."
                                 << "0 points, 2 rows: 0 0 0";
        QTest::newRow("second point broken")
            << QByteArray(TwoPointFile).replace("2\r\n50,90", "3\r\n12,45").replace("25.5,180", "1,x")
            << "read to the end:\r\nline 11: expected a number for the Theta of point 2, found \"x\".\r\n"
               "The profile shows what was read before that."
            << "1 points, 3 rows: 12 0 0";  // only the points read count: no empty ones to save back
    }

    // Open replaces unsaved points without asking and leaves Save disabled; a failed read keeps what was
    // read and never leaves a point the file did not hold.
    void open()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        QFETCH(QString, points);
        FormHarness h;
        QTemporaryDir work;
        const Profile& p = h.profile();
        h.setPolarPoints({{1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}});
        h.profile().DataChanged = True;
        const QString path = work.filePath(QStringLiteral("x.waf"));
        QFile file(path);
        QVERIFY(bytes.isEmpty() || (file.open(QIODevice::WriteOnly) && file.write(bytes) > 0 && file.flush()));
        h.platform.chooseFile(path);
        if (!message.isEmpty()) h.platform.answerMessage(MessageAnswer::Ok);
        h.action("File_Open")->trigger();
        SOLVANE_VERIFY_ALL_PROMPTS_SCRIPTED(h.platform);
        QCOMPARE(h.request(0), "Open File; open" + WafDialog + QString::fromStdString(p.ProfileDir));
        QCOMPARE(h.boxes(), message.isEmpty() ? message
                                              : "Solvane|Exclamation|Ok|\"x.waf\" could not be " +
                                                    (bytes.isEmpty() ? message.arg(path) : message));
        QCOMPARE(h.document() + QStringLiteral(": %1 %2 %3").arg(p.Points[1].R).arg(p.Points[2].R).arg(p.Points[3].R),
                 points.replace(": ", "; title \"x.waf\", status \"x.waf\"; Save off, unchanged: "));
        QCOMPARE(p.FilePath, path.toStdString());
        if (bytes == TwoPointFile) QCOMPARE(h.form().descriptionBox().text(), QStringLiteral("Two points"));
    }

    // Without points Save and Save As do nothing. Save As names the document and enables Save, which then
    // writes there silently; a cancelled or failed Save As leaves name, file and unsaved state alone.
    void saveAsAndSave()
    {
        FormHarness h;
        QTemporaryDir work;
        const auto readAll = [](const QString& name) {
            QFile file(name);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        h.form().File_SaveAs_Click();
        h.form().File_Save_Click();
        QVERIFY(h.platform.fileRequests().empty());
        h.setPolarPoints({{50.0f, 90.0f}, {25.5f, 180.0f}});
        h.profile().DataChanged = True;
        const QString path = work.filePath(QStringLiteral("mine.waf"));
        const QString bad = work.filePath(QStringLiteral("missing/x.waf"));
        const QString failed = QStringLiteral(
                                   "Solvane|Exclamation|Ok|The profile was not saved to \"%1\":\r\ncannot "
                                   "create a file in \"%2\": No such file or directory.")
                                   .arg(bad, work.filePath(QStringLiteral("missing")));
        const QByteArray saved = QByteArray(TwoPointFile).replace("Two points", "No Description");
        const QString untitled = QStringLiteral("\"\", status \"Untitled\"; Save off, changed");
        const QString states[] = {untitled, untitled,
                                  QStringLiteral("\"mine.waf\", status \"mine.waf\"; Save on, unchanged"),
                                  QStringLiteral("\"mine.waf\", status \"mine.waf\"; Save on, changed")};
        int step = 0;
        for (const QString& target : {QString(), bad, path, bad}) {
            h.platform.clear();
            target.isEmpty() ? h.platform.cancelFileDialog() : h.platform.chooseFile(target);
            if (target == bad) h.platform.answerMessage(MessageAnswer::Ok);
            h.action("File_SaveAs")->trigger();
            SOLVANE_VERIFY_ALL_PROMPTS_SCRIPTED(h.platform);
            QCOMPARE(h.request(0), "Save File As; save" + WafDialog + QString::fromStdString(h.profile().ProfileDir));
            QCOMPARE(h.boxes(), target == bad ? failed : QString());
            QCOMPARE(h.document(), "2 points, 4 rows; title " + states[step]);
            QCOMPARE(readAll(path), step++ < 2 ? QByteArray() : saved);
            h.profile().Points[2].R = step >= 3 ? 30.0f : 25.5f;  // an edit after the first save
            h.profile().DataChanged = True;
        }
        h.platform.clear();
        h.action("File_Save")->trigger();
        QVERIFY(h.platform.fileRequests().empty());
        QCOMPARE(readAll(path), QByteArray(saved).replace("25.5,180", "30,180"));
        QCOMPARE(h.document(), "2 points, 4 rows; title " + states[2]);
    }
};

QTEST_MAIN(TestDocument)
#include "tst_document.moc"
