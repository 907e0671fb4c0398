// File menu document commands: New, Open, Save, Save As and the close check, driven through the menu.
#include <QAction>
#include <QLineEdit>
#include <QStatusBar>
#include <QtTest>
#include <csignal>

#include "files/profilefile.h"
#include "formharness.h"
#include "platform/terminationsignals.h"

using namespace solvane;

namespace {

const QString Prompt = QStringLiteral(
    "Data Not Saved|Question|YesNo|The data has changed\r\nsince your last save.\r\n"
    "    %1 anyway?");
const QString WafDialog = QStringLiteral("; *.waf; waf; Wafer File (*.waf)|*.waf|All Files (*.*)|*.*|; ");

}  // namespace

class TestDocument : public QObject {
    Q_OBJECT

private slots:
    void unsavedChangesPrompt_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("answer");  // empty: no changes, so no prompt
        for (const char* command :
             {"File_New", "File_Exit", "close box", "File_Open", "mnuFileImporter", "mnuCSVFileImporter"})
            for (const char* answer : {"", "Yes", "No"})
                QTest::addRow("%s, '%s'", command, answer) << command << answer;
    }

    // New, Open, the imports and every way of closing ask before dropping changes; New keeps the description.
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
        const bool goesAhead = answer != "No";
        const bool reads = command.startsWith(QLatin1String("File_O")) || command.startsWith(QLatin1String("mnu"));
        if (changed) h.platform.answerMessage(answer == "Yes" ? MessageAnswer::Yes : MessageAnswer::No);
        if (reads && goesAhead) h.platform.cancelFileDialog();
        command == "close box" ? void(h.form().close()) : h.action(qPrintable(command))->trigger();
        const bool cleared = command == "File_New" && goesAhead;
        const bool quits = command == "File_Exit" || command == "close box";
        QCOMPARE(h.boxes(), changed ? Prompt.arg(QLatin1String(quits ? "Quit" : "Clear")) : QString());
        QCOMPARE(h.document(), cleared ? QStringLiteral("0 points, 2 rows; title \"\", status \"Untitled\"; Save off, "
                                                        "unchanged")
                                       : QStringLiteral("2 points, 4 rows; title \"kept.waf\", status \"Untitled\"; "
                                                        "Save on, %1changed")
                                             .arg(QLatin1String(changed ? "" : "un")));
        QCOMPARE(h.row(1) + h.form().descriptionBox().text(), cleared ? "1||kept" : QStringLiteral("1|50.00|90.0kept"));
        QCOMPARE(int(h.action("Draw_Snap")->isChecked()) - p.SnapOn, cleared ? 0 : 2);
        QCOMPARE(p.WaferColor, cleared ? p.DefWaferColor : Colour(0x00FF0000));
        if (!quits) return;
        QCOMPARE(h.form().isVisible(), !goesAhead);
        QCOMPARE(h.platform.memoryStore().entries().empty(), !goesAhead);
        if (!goesAhead) return;
        const Form1 next(h.platform);  // in the same place: the frame's, as the window manager sees it
        QCOMPARE(QRect(next.pos(), next.size()), QRect(h.form().pos(), QSize(640, 480)));
    }

    // Exit stores the settings in one save, says when they could not be written, and still ends.
    void unwritableSettingsAreReported()
    {
        FormHarness h;
        h.platform.failSettingsSave("cannot write \"/x/Solvane.ini\": Permission denied");
        h.platform.answerMessage(MessageAnswer::Ok);
        h.action("File_Exit")->trigger();
        QCOMPARE(h.boxes(),
                 "Solvane|Exclamation|Ok|The settings could not be saved:\r\ncannot write "
                 "\"/x/Solvane.ini\": Permission denied.");
        QCOMPARE(std::pair(h.platform.settingsSaves(), h.form().isVisible()), std::pair(1, false));
    }

    void open_data()
    {
        QTest::addColumn<QByteArray>("bytes");  // of x.waf; none: no such file
        QTest::addColumn<QString>("message");   // after the unsaved-change prompt
        QTest::addColumn<QString>("points");    // the document afterwards, and the R of points 1 to 3
        QTest::addColumn<QString>("table");     // its rows below the header
        QTest::addColumn<int>("saveAsks");      // file dialogs Save then shows (none: it writes x.waf or is off)
        const QString previous = "5 points, 7 rows; title \"\", status \"Untitled\"; Save off, changed: 1 2 3";
        const QString shown = QStringLiteral("; title \"x.waf\", status \"x.waf\"; Save on, unchanged: ");
        const QString twoRows = QStringLiteral("1|50.00|90.0 2|25.50|180.0 3||");
        QTest::newRow("good") << TwoPointProfile << QString() << "2 points, 4 rows" + shown + "50 25.5 0" << twoRows
                              << 0;
        QTest::newRow("missing") << QByteArray() << "opened:\r\ncannot open \"%1\": No such file or directory."
                                 << previous << "1|1.00|0.0 2|2.00|0.0 3|3.00|0.0 4|4.00|0.0 5|5.00|0.0 6||" << 0;
        QTest::newRow("second point broken")
            << QByteArray(TwoPointProfile).replace("2\r\n50,90", "3\r\n12,45").replace("25.5,180", "1,x")
            << "read to the end:\r\nline 11: expected a number for the Theta of point 2, found \"x\".\r\n"
               "The profile shows what was read before that."
            << "1 points, 3 rows" + shown + "12 0 0"
            << "1|12.00|45.0 2||" << 1;
        QTest::newRow("long description")
            << QByteArray(TwoPointProfile).replace("Two points", QByteArray(1001, 'd'))
            << "Solvane|Exclamation|Ok|The description in \"x.waf\" is longer than 1000 characters.\r\nThe box "
               "shows it as a profile can hold it: at most 1000 characters, double quotes as apostrophes, other "
               "characters as \"?\". A save writes it so."
            << "2 points, 4 rows" + shown + "50 25.5 0" << twoRows << 0;
    }

    // Open asks before dropping unsaved points. A file with no readable header leaves the open document
    // alone; a partly read one is shown without invented points, and no row of the longer list stays in
    // the table. Save, enabled by every Open, asks for a name rather than write the partial profile over it.
    void open()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        QFETCH(QString, points);
        QFETCH(QString, table);
        QFETCH(int, saveAsks);
        FormHarness h;
        QTemporaryDir work;
        const Profile& p = h.profile();
        h.setPolarPoints({{1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}});
        h.profile().DataChanged = True;
        const QString path = work.filePath(QStringLiteral("x.waf"));
        if (!bytes.isEmpty()) writeFile(path, bytes);
        h.platform.answerMessage(MessageAnswer::Yes);
        h.platform.chooseFile(path);
        if (!message.isEmpty()) h.platform.answerMessage(MessageAnswer::Ok);
        h.action("File_Open")->trigger();
        QCOMPARE(h.request(0), "Open File; open" + WafDialog + QString::fromStdString(p.ProfileDir));
        const QString failure = "Solvane|Exclamation|Ok|\"x.waf\" could not be " + QString(message).replace("%1", path);
        QCOMPARE(h.boxes(), Prompt.arg("Clear") + (message.isEmpty() ? "" : "\n") +
                                (message.startsWith("Solvane") || message.isEmpty() ? message : failure));
        QCOMPARE(h.document() + QStringLiteral(": %1 %2 %3").arg(p.Points[1].R).arg(p.Points[2].R).arg(p.Points[3].R),
                 points);
        QCOMPARE(h.rows(), table);

        if (saveAsks) h.platform.cancelFileDialog();
        h.action("File_Save")->trigger();
        QCOMPARE(int(h.platform.fileRequests().size()) - 1, saveAsks);
        // Written back as read (the description as the box holds it), or not at all.
        QCOMPARE(readFile(path), bytes.replace(QByteArray(1001, 'd'), QByteArray(1000, 'd')));
    }

    // Save As onto a write-protected file asks first; No writes nothing and the profile stays unsaved.
    void readOnlyFileIsReplacedOnlyOnYes()
    {
        FormHarness h;
        QTemporaryDir work;
        const QString path = work.filePath(QStringLiteral("locked.waf"));
        QVERIFY(QFile::setPermissions(writeFile(path, "kept"), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        h.setPolarPoints({{50.0f, 90.0f}, {25.5f, 180.0f}});
        h.profile().DataChanged = True;
        for (const bool replace : {false, true}) {
            h.platform.clear();
            h.platform.chooseFile(path);
            h.platform.answerMessage(replace ? MessageAnswer::Yes : MessageAnswer::No);
            h.action("File_SaveAs")->trigger();
            QCOMPARE(h.boxes(), "Solvane|Question|YesNo|\"locked.waf\" is read-only.\r\nReplace it anyway?");
            QCOMPARE(readFile(path),
                     replace ? QByteArray(TwoPointProfile).replace("Two points", "No Description") : "kept");
            QCOMPARE(h.profile().DataChanged, replace ? False : True);
        }
    }

    // Without points Save and Save As do nothing. Save As names the document and enables Save, which then
    // writes there silently; a cancelled or failed Save As leaves name, file and unsaved state alone.
    void saveAsAndSave()
    {
        FormHarness h;
        QTemporaryDir work;
        h.form().documents().File_SaveAs_Click();
        h.form().documents().File_Save_Click();
        QVERIFY(h.platform.fileRequests().empty());
        h.setPolarPoints({{50.0f, 90.0f}, {25.5f, 180.0f}});
        h.profile().DataChanged = True;
        const QString path = work.filePath(QStringLiteral("mine.waf"));
        const QString bad = work.filePath(QStringLiteral("missing/x.waf"));
        const QString failed = QStringLiteral(
                                   "Solvane|Exclamation|Ok|The profile was not saved to \"%1\":\r\ncannot "
                                   "create a file in \"%2\": No such file or directory.")
                                   .arg(bad, work.filePath(QStringLiteral("missing")));
        const QByteArray saved = QByteArray(TwoPointProfile).replace("Two points", "No Description");
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
            // Once a file is chosen in a folder that is there, the dialog opens in it.
            QCOMPARE(h.request(0), "Save File As; save" + WafDialog +
                                       (step == 3 ? work.path() : QString::fromStdString(h.profile().ProfileDir)));
            QCOMPARE(h.boxes(), target == bad ? failed : QString());
            QCOMPARE(h.document(), "2 points, 4 rows; title " + states[step]);
            QCOMPARE(readFile(path), step++ < 2 ? QByteArray() : saved);
            h.profile().Points[2].R = step >= 3 ? 30.0f : 25.5f;  // an edit after the first save
            h.profile().DataChanged = True;
        }
        h.platform.clear();
        h.action("File_Save")->trigger();
        QVERIFY(h.platform.fileRequests().empty());
        QCOMPARE(readFile(path), QByteArray(saved).replace("25.5,180", "30,180"));
        QCOMPARE(h.document(), "2 points, 4 rows; title " + states[2]);
    }

    void descriptionBoxHoldsWhatAFileCan_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("typed");  // key by key
        QTest::addColumn<QString>("kept");
        // clang-format off
        QTest::newRow("Latin-1") << "" << QStringLiteral("Lot 7 \u00e9\u00ff") << QStringLiteral("Lot 7 \u00e9\u00ff");
        QTest::newRow("double quote") << "" << "a\"b" << "ab";
        QTest::newRow("1001st character") << QString(1000, 'x') << "y" << QString(1000, 'x');
        // clang-format on
    }

    // The description box refuses what a profile file would change, with a hint; what it takes is a change.
    void descriptionBoxHoldsWhatAFileCan()
    {
        QFETCH(QString, before);
        QFETCH(QString, typed);
        FormHarness h;
        QLineEdit& box = h.form().descriptionBox();
        box.setText(before);
        box.setFocus();
        for (const QChar c : typed) {
            QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(&box, &key);
        }
        QTEST(box.text(), "kept");
        QCOMPARE(h.profile().DataChanged != False, box.text() != before);
        QCOMPARE(h.form().statusBar()->currentMessage().contains("ISO-8859-1"), box.text() != before + typed);
    }

    void recoveryAfterTermination_data()
    {
        QTest::addColumn<bool>("restore");
        QTest::newRow("restored") << true;
        QTest::newRow("declined") << false;
    }

    // A SIGTERM keeps the unsaved profile in the recovery copy and stores the settings; the next start offers
    // it. Restored, it is unsaved under its file's name, and Save asks for a name; declined, it is gone.
    void recoveryAfterTermination()
    {
        QFETCH(bool, restore);
        FormHarness h;
        h.setPolarPoints({{50.0f, 90.0f}, {25.5f, 180.0f}});
        h.profile().FilePath = "/work/mine.waf";
        h.profile().FileTitle = "mine.waf";
        QTest::keyClicks(&h.form().descriptionBox(), "edited");
        Profile unsaved = h.profile();
        TerminationSignals termination;
        connect(&termination, &TerminationSignals::received, &h.form(), &Form1::quitKeepingUnsavedWork);
        QCOMPARE(std::raise(SIGTERM), 0);
        QTRY_VERIFY(!h.platform.memoryStore().entries().empty());

        const QString offer = QStringLiteral(
            "Solvane|Question|YesNo|Solvane was closed with unsaved changes to mine.waf. Restore them?");
        h.platform.answerMessage(restore ? MessageAnswer::Yes : MessageAnswer::No);
        Form1 next(h.platform);
        next.recoverUnsavedWork();
        Profile restored = next.profile();
        QCOMPARE(std::tuple(next.statusPanel(2), restored.DataChanged, next.descriptionBox().text()),
                 restore ? std::tuple(QStringLiteral("mine.waf"), True, QStringLiteral("edited"))
                         : std::tuple(QStringLiteral("Untitled"), False, QString()));
        if (restore) QCOMPARE(formatprofile(restored), formatprofile(unsaved));
        if (restore) h.platform.cancelFileDialog();
        next.documents().File_Save_Click();
        QCOMPARE(h.platform.fileRequests().size(), std::size_t(restore));

        // Still unsaved after a restore, the copy stays until saved or declined.
        if (restore) h.platform.answerMessage(MessageAnswer::No);
        Form1(h.platform).recoverUnsavedWork();
        Form1(h.platform).recoverUnsavedWork();
        QCOMPARE(h.boxes(), restore ? offer + '\n' + offer : offer);
    }
};

QTEST_MAIN(TestDocument)
#include "tst_document.moc"
