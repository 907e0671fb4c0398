// File menu document commands: New, Open, Save, Save As and the close check, driven through the menu.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "mainwindow/form1.h"
#include "offscreennoise.h"
#include "scriptedplatform.h"
#include "table/flexgrid.h"

using namespace solvane;

namespace {

const QString ClearPrompt = QStringLiteral("The data has changed\r\nsince your last save.\r\n    Clear anyway?");
const QString QuitPrompt = QStringLiteral("The data has changed\r\nsince your last save.\r\n    Quit anyway?");

// Two polar points as a 5.1 file holds them; the box text and the wafer parameters of a fresh start.
const QByteArray TwoPointFile = "\"Solvane 5.1\"\r\n\"Two points\"\r\n150\r\n5\r\n8\r\n\"Polar\"\r\n"
                                "-2147483633\r\n-2147483632\r\n2\r\n50,90,#TRUE#,0\r\n25.5,180,#TRUE#,0\r\n";

QAction* action(Form1& form, const char* name) { return form.findChild<QAction*>(QString::fromLatin1(name)); }

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Puts two polar points into the profile and refreshes the table, as an edit does (DataChanged True).
void addTwoPoints(Form1& form)
{
    Profile& p = form.profile();
    p.Points[1] = PointRec{50.0f, 90.0f, False, 0.0f, 50.0f};
    p.Points[2] = PointRec{25.5f, 180.0f, False, -25.5f, 0.0f};
    p.PointCount = 2;
    form.updategrid();
}

}  // namespace

class TestDocument : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        quietOffscreenWarnings();
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void init()
    {
        helpDir_ = std::make_unique<QTemporaryDir>();
        QFile help(helpDir_->filePath(QStringLiteral("qdx5.hlp")));
        QVERIFY(help.open(QIODevice::WriteOnly));
        work_ = std::make_unique<QTemporaryDir>();
        platform_ = std::make_unique<ScriptedPlatform>();
        platform_->setProgramDir(helpDir_->path());
        form_ = std::make_unique<Form1>(*platform_);
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    }

    void cleanup()
    {
        form_.reset();
        platform_.reset();
    }

    void newCommand_data()
    {
        QTest::addColumn<bool>("changed");
        QTest::addColumn<bool>("answerYes");
        QTest::addColumn<bool>("cleared");
        QTest::newRow("no changes: no prompt") << false << false << true;
        QTest::newRow("changes, Yes clears") << true << true << true;
        QTest::newRow("changes, No keeps everything") << true << false << false;
    }

    void newCommand()
    {
        QFETCH(bool, changed);
        QFETCH(bool, answerYes);
        QFETCH(bool, cleared);
        Form1& form = *form_;
        Profile& p = form.profile();
        addTwoPoints(form);
        form.descriptionBox().setText(QStringLiteral("kept description"));
        p.FilePath = "/somewhere/kept.waf";
        p.FileTitle = "kept.waf";
        p.WaferDiameter = 100.0;
        p.CoordSys = "Rectangular";
        p.SnapOn = True;
        action(form, "Draw_Snap")->setChecked(true);
        p.WaferColor = 0x00FF0000;
        p.SpotColor = 0x000000FF;
        action(form, "File_Save")->setEnabled(true);
        p.DataChanged = changed ? True : False;
        platform_->clear();
        if (changed) platform_->answerMessage(answerYes ? MessageAnswer::Yes : MessageAnswer::No);

        action(form, "File_New")->trigger();

        if (changed) {
            QCOMPARE(platform_->messages().size(), std::size_t(1));
            const auto& prompt = platform_->messages().front();
            QCOMPARE(prompt.text, ClearPrompt);
            QCOMPARE(prompt.title, QStringLiteral("Data Not Saved"));
            QCOMPARE(prompt.icon, MessageIcon::Question);
            QCOMPARE(prompt.buttons, MessageButtons::YesNo);
        } else {
            QVERIFY(platform_->messages().empty());
        }
        SOLVANE_VERIFY_ALL_PROMPTS_SCRIPTED(*platform_);

        // New never touches the description, the path, the wafer or the coordinate system.
        QCOMPARE(form.descriptionBox().text(), QStringLiteral("kept description"));
        QCOMPARE(p.FilePath, std::string("/somewhere/kept.waf"));
        QCOMPARE(p.WaferDiameter, 100.0);
        QCOMPARE(p.CoordSys, std::string("Rectangular"));
        if (cleared) {
            QCOMPARE(p.PointCount, std::int16_t(0));
            QCOMPARE(p.Points[1].R, 0.0f);
            QCOMPARE(p.Points[2].X, 0.0f);
            QCOMPARE(p.SnapOn, False);
            QVERIFY(!action(form, "Draw_Snap")->isChecked());
            QCOMPARE(p.WaferColor, p.DefWaferColor);
            QCOMPARE(p.SpotColor, p.DefSpotColor);
            QCOMPARE(p.FileTitle, std::string());
            QCOMPARE(form.statusPanel(2), QStringLiteral("Untitled"));
            QVERIFY(!action(form, "File_Save")->isEnabled());
            QCOMPARE(p.DataChanged, False);
            QCOMPARE(form.grid().Rows(), 2);
            QCOMPARE(form.grid().TextMatrix(1, 0), QStringLiteral("1"));
            QCOMPARE(form.grid().TextMatrix(1, 1), QString());
            QCOMPARE(form.grid().TextMatrix(1, 2), QString());
            QVERIFY(std::count(platform_->pointerChanges().begin(), platform_->pointerChanges().end(), Pointer::Busy) > 0);
        } else {
            QCOMPARE(p.PointCount, std::int16_t(2));
            QCOMPARE(p.Points[2].R, 25.5f);
            QCOMPARE(p.SnapOn, True);
            QVERIFY(action(form, "Draw_Snap")->isChecked());
            QCOMPARE(p.WaferColor, Colour(0x00FF0000));
            QCOMPARE(p.FileTitle, std::string("kept.waf"));
            QVERIFY(action(form, "File_Save")->isEnabled());
            QCOMPARE(p.DataChanged, True);
            QCOMPARE(form.grid().TextMatrix(2, 1), QStringLiteral("25.50"));
            QVERIFY(platform_->pointerChanges().empty());
        }
        QCOMPARE(platform_->pointer(), Pointer::Default);
    }

    void closeCheck_data()
    {
        QTest::addColumn<bool>("changed");
        QTest::addColumn<bool>("answerYes");
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("no changes, menu") << false << false << true;
        QTest::newRow("changes, Yes, menu") << true << true << true;
        QTest::newRow("changes, No, menu") << true << false << true;
        QTest::newRow("changes, No, close box") << true << false << false;
        QTest::newRow("changes, Yes, close box") << true << true << false;
    }

    void closeCheck()
    {
        QFETCH(bool, changed);
        QFETCH(bool, answerYes);
        QFETCH(bool, byMenu);
        Form1& form = *form_;
        addTwoPoints(form);
        form.profile().DataChanged = changed ? True : False;
        QVERIFY(platform_->memoryStore().entries().empty());
        if (changed) platform_->answerMessage(answerYes ? MessageAnswer::Yes : MessageAnswer::No);

        if (byMenu)
            action(form, "File_Exit")->trigger();
        else
            form.close();

        const bool goesAhead = !changed || answerYes;
        if (changed) {
            QCOMPARE(platform_->messages().size(), std::size_t(1));
            QCOMPARE(platform_->messages().front().text, QuitPrompt);
            QCOMPARE(platform_->messages().front().title, QStringLiteral("Data Not Saved"));
            QCOMPARE(platform_->messages().front().buttons, MessageButtons::YesNo);
        }
        SOLVANE_VERIFY_ALL_PROMPTS_SCRIPTED(*platform_);
        QCOMPARE(form.isVisible(), !goesAhead);
        const auto& entries = platform_->memoryStore().entries();
        if (goesAhead) {
            QCOMPARE(entries.at("QDX/diameter"), std::string("150"));
            QCOMPARE(entries.at("QDX/coord sys"), std::string("Polar"));
            QVERIFY(entries.count("QDX/width") == 1);
        } else {
            // A refused close leaves the profile and writes nothing.
            QVERIFY(entries.empty());
            QCOMPARE(form.profile().PointCount, std::int16_t(2));
            QCOMPARE(form.profile().DataChanged, True);
        }
    }

    // The placement written at exit brings the next window back to the same place and size.
    void exitPlacementRoundTrips()
    {
        form_->setGeometry(form_->geometry().adjusted(20, 10, 60, 30));
        const QRect before = form_->geometry();
        action(*form_, "File_Exit")->trigger();
        QVERIFY(!form_->isVisible());
        Form1 again(*platform_);
        QVERIFY(std::abs(again.geometry().left() - before.left()) <= 1);
        QVERIFY(std::abs(again.geometry().top() - before.top()) <= 1);
        QVERIFY(std::abs(again.geometry().width() - before.width()) <= 1);
        QVERIFY(std::abs(again.geometry().height() - before.height()) <= 1);
    }

    void openReadsWithoutAskingAndKeepsSaveAsItWas_data()
    {
        QTest::addColumn<bool>("saveEnabled");
        QTest::newRow("Save disabled") << false;
        QTest::newRow("Save enabled") << true;
    }

    void openReadsWithoutAskingAndKeepsSaveAsItWas()
    {
        QFETCH(bool, saveEnabled);
        Form1& form = *form_;
        Profile& p = form.profile();
        // Five unsaved points: Open replaces them without a prompt.
        for (int i = 1; i <= 5; ++i) p.Points[static_cast<std::size_t>(i)] = PointRec{float(i), 0.0f, False, float(i), 0.0f};
        p.PointCount = 5;
        form.updategrid();
        action(form, "File_Save")->setEnabled(saveEnabled);
        const QString path = work_->filePath(QStringLiteral("two.waf"));
        writeFile(path, TwoPointFile);
        platform_->chooseFile(path);

        action(form, "File_Open")->trigger();

        SOLVANE_VERIFY_ALL_PROMPTS_SCRIPTED(*platform_);
        QVERIFY(platform_->messages().empty());
        QCOMPARE(platform_->fileRequests().size(), std::size_t(1));
        const FileDialogRequest& request = platform_->fileRequests().front();
        QCOMPARE(request.title, QStringLiteral("Open File"));
        QCOMPARE(request.pattern, QStringLiteral("*.waf"));
        QCOMPARE(request.defaultExt, QStringLiteral("waf"));
        QCOMPARE(request.filter, QStringLiteral("Wafer File (*.waf)|*.waf|All Files (*.*)|*.*|"));
        QCOMPARE(request.initialDir, QString::fromStdString(p.ProfileDir));
        QVERIFY(!request.save);

        QCOMPARE(p.PointCount, std::int16_t(2));
        QCOMPARE(p.Points[2].R, 25.5f);
        QCOMPARE(p.Points[3].R, 0.0f);
        QCOMPARE(p.FileTitle, std::string("two.waf"));
        QCOMPARE(p.FilePath, path.toStdString());
        QCOMPARE(form.statusPanel(2), QStringLiteral("two.waf"));
        QCOMPARE(form.descriptionBox().text(), QStringLiteral("Two points"));
        QCOMPARE(p.DataChanged, False);
        QCOMPARE(action(form, "File_Save")->isEnabled(), saveEnabled);
        // The table lost the three old rows: the entry row follows the last point.
        QCOMPARE(form.grid().Rows(), 4);
        QCOMPARE(form.grid().TextMatrix(1, 1), QStringLiteral("50.00"));
        QCOMPARE(form.grid().TextMatrix(2, 2), QStringLiteral("180.0"));
        QCOMPARE(form.grid().TextMatrix(3, 0), QStringLiteral("3"));
        QCOMPARE(form.grid().TextMatrix(3, 1), QString());
        QCOMPARE(platform_->pointer(), Pointer::Default);
    }

    void openCancelledChangesNothing()
    {
        Form1& form = *form_;
        addTwoPoints(form);
        form.profile().FileTitle = "mine.waf";
        platform_->cancelFileDialog();
        action(form, "File_Open")->trigger();
        SOLVANE_VERIFY_ALL_PROMPTS_SCRIPTED(*platform_);
        QCOMPARE(form.profile().PointCount, std::int16_t(2));
        QCOMPARE(form.profile().FileTitle, std::string("mine.waf"));
        QCOMPARE(form.profile().DataChanged, True);
        QCOMPARE(form.statusPanel(2), QStringLiteral("Untitled"));
    }

    // The previous layout has no coordinate system line: the name stays what it was, the points are polar.
    void openPreviousLayout()
    {
        Form1& form = *form_;
        Profile& p = form.profile();
        p.CoordSys = "Rectangular";
        const QString path = work_->filePath(QStringLiteral("old.waf"));
        writeFile(path, "\"Solvane 5.0\"\r\n\"Old one\"\r\n125\r\n3\r\n6\r\n255\r\n65280\r\n1\r\n10,0,#TRUE#,0\r\n");
        platform_->chooseFile(path);
        action(form, "File_Open")->trigger();
        SOLVANE_VERIFY_ALL_PROMPTS_SCRIPTED(*platform_);
        QCOMPARE(p.CoordSys, std::string("Rectangular"));
        QCOMPARE(p.WaferDiameter, 125.0);
        QCOMPARE(p.SpotColor, Colour(65280));
        QCOMPARE(p.PointCount, std::int16_t(1));
        QCOMPARE(p.Points[1].X, 10.0f);
        QCOMPARE(form.descriptionBox().text(), QStringLiteral("Old one"));
    }

    void openDamagedFileReportsAndKeepsWhatWasRead_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("pointCount");
        QTest::addColumn<int>("pointsRead");
        QTest::newRow("empty file") << QByteArray() << 0 << 0;
        QTest::newRow("count not a number")
            << QByteArray("\"Solvane 5.1\"\r\n\"d\"\r\n150\r\n5\r\n8\r\n\"Polar\"\r\n0\r\n0\r\nabc\r\n") << 0 << 0;
        QTest::newRow("second point broken")
            << QByteArray("\"Solvane 5.1\"\r\n\"d\"\r\n150\r\n5\r\n8\r\n\"Polar\"\r\n0\r\n0\r\n3\r\n"
                          "12,45,#TRUE#,0\r\n1,x,#TRUE#,0\r\n")
            << 3 << 1;
    }

    void openDamagedFileReportsAndKeepsWhatWasRead()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, pointCount);
        QFETCH(int, pointsRead);
        Form1& form = *form_;
        Profile& p = form.profile();
        addTwoPoints(form);
        const QString path = work_->filePath(QStringLiteral("bad.waf"));
        writeFile(path, bytes);
        platform_->chooseFile(path);
        platform_->answerMessage(MessageAnswer::Ok);

        action(form, "File_Open")->trigger();

        SOLVANE_VERIFY_ALL_PROMPTS_SCRIPTED(*platform_);
        QCOMPARE(platform_->messages().size(), std::size_t(1));
        const auto& message = platform_->messages().front();
        QVERIFY2(message.text.startsWith(QStringLiteral("\"bad.waf\" could not be read to the end:\r\n")),
                 qPrintable(message.text));
        QVERIFY2(message.text.contains(QStringLiteral("line")), qPrintable(message.text));
        QCOMPARE(message.title, QStringLiteral("Solvane"));
        QCOMPARE(message.icon, MessageIcon::Exclamation);
        QCOMPARE(message.buttons, MessageButtons::Ok);
        // A failed read never leaves a point at the centre that the file did not hold.
        QCOMPARE(int(p.PointCount), pointCount);
        if (pointsRead > 0) QCOMPARE(p.Points[1].R, 12.0f);
        QCOMPARE(p.Points[2].R, 0.0f);
        QCOMPARE(form.grid().Rows(), pointCount + 2);
        QCOMPARE(form.statusPanel(2), QStringLiteral("bad.waf"));
        QCOMPARE(p.DataChanged, False);
        QCOMPARE(platform_->pointer(), Pointer::Default);
    }

    void openMissingFileSaysItCouldNotBeOpened()
    {
        Form1& form = *form_;
        platform_->chooseFile(work_->filePath(QStringLiteral("gone.waf")));
        platform_->answerMessage(MessageAnswer::Ok);
        action(form, "File_Open")->trigger();
        SOLVANE_VERIFY_ALL_PROMPTS_SCRIPTED(*platform_);
        QVERIFY2(platform_->messages().front().text.startsWith(QStringLiteral("\"gone.waf\" could not be opened:\r\n")),
                 qPrintable(platform_->messages().front().text));
        QCOMPARE(form.profile().PointCount, std::int16_t(0));
    }

    void saveAndSaveAsDoNothingWithoutPoints()
    {
        Form1& form = *form_;
        form.profile().DataChanged = True;
        form.profile().FileTitle = "named.waf";
        form.profile().FilePath = work_->filePath(QStringLiteral("named.waf")).toStdString();
        action(form, "File_SaveAs")->trigger();
        form.File_Save_Click();
        SOLVANE_VERIFY_ALL_PROMPTS_SCRIPTED(*platform_);
        QVERIFY(platform_->fileRequests().empty());
        QVERIFY(!QFile::exists(work_->filePath(QStringLiteral("named.waf"))));
        QCOMPARE(form.profile().DataChanged, True);
    }

    // Save stays disabled until a Save As names the document; from then on it writes silently.
    void saveAsNamesTheDocumentThenSaveWritesSilently()
    {
        Form1& form = *form_;
        Profile& p = form.profile();
        addTwoPoints(form);
        form.descriptionBox().setText(QStringLiteral("Mine"));
        QVERIFY(!action(form, "File_Save")->isEnabled());
        action(form, "File_Save")->trigger();
        QVERIFY(platform_->fileRequests().empty());

        const QString path = work_->filePath(QStringLiteral("mine.waf"));
        platform_->chooseFile(path);
        action(form, "File_SaveAs")->trigger();

        QCOMPARE(platform_->fileRequests().size(), std::size_t(1));
        const FileDialogRequest& request = platform_->fileRequests().front();
        QCOMPARE(request.title, QStringLiteral("Save File As"));
        QVERIFY(request.save);
        QCOMPARE(request.pattern, QStringLiteral("*.waf"));
        QCOMPARE(request.filter, QStringLiteral("Wafer File (*.waf)|*.waf|All Files (*.*)|*.*|"));
        QCOMPARE(readAll(path), QByteArray(TwoPointFile).replace("Two points", "Mine"));
        QCOMPARE(form.statusPanel(2), QStringLiteral("mine.waf"));
        QCOMPARE(p.FileTitle, std::string("mine.waf"));
        QCOMPARE(p.DataChanged, False);
        QVERIFY(action(form, "File_Save")->isEnabled());

        p.Points[2].R = 30.0f;
        p.DataChanged = True;
        action(form, "File_Save")->trigger();
        SOLVANE_VERIFY_ALL_PROMPTS_SCRIPTED(*platform_);
        QCOMPARE(platform_->fileRequests().size(), std::size_t(1));
        QVERIFY(readAll(path).endsWith("30,180,#TRUE#,0\r\n"));
        QCOMPARE(p.DataChanged, False);
        QCOMPARE(platform_->pointer(), Pointer::Default);
    }

    void saveAsCancelledChangesNothing()
    {
        Form1& form = *form_;
        addTwoPoints(form);
        platform_->cancelFileDialog();
        action(form, "File_SaveAs")->trigger();
        SOLVANE_VERIFY_ALL_PROMPTS_SCRIPTED(*platform_);
        QCOMPARE(form.profile().DataChanged, True);
        QCOMPARE(form.statusPanel(2), QStringLiteral("Untitled"));
        QVERIFY(!action(form, "File_Save")->isEnabled());
        QVERIFY(QDir(work_->path()).isEmpty());
    }

    void failedSaveKeepsTheOldFileAndTheDocumentUnsaved_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("folder does not exist") << QStringLiteral("missing/other.waf");
        QTest::newRow("path is a folder") << QStringLiteral("folder.waf");
    }

    void failedSaveKeepsTheOldFileAndTheDocumentUnsaved()
    {
        QFETCH(QString, target);
        Form1& form = *form_;
        Profile& p = form.profile();
        QVERIFY(QDir(work_->path()).mkdir(QStringLiteral("folder.waf")));
        writeFile(work_->filePath(QStringLiteral("folder.waf/inside.txt")), "inside");
        addTwoPoints(form);
        const QString saved = work_->filePath(QStringLiteral("saved.waf"));
        platform_->chooseFile(saved);
        action(form, "File_SaveAs")->trigger();
        const QByteArray savedBytes = readAll(saved);
        QVERIFY(!savedBytes.isEmpty());

        p.Points[1].R = 40.0f;
        p.DataChanged = True;
        const QString badPath = work_->filePath(target);
        platform_->chooseFile(badPath);
        platform_->answerMessage(MessageAnswer::Ok);
        action(form, "File_SaveAs")->trigger();

        SOLVANE_VERIFY_ALL_PROMPTS_SCRIPTED(*platform_);
        QCOMPARE(platform_->messages().size(), std::size_t(1));
        const auto& message = platform_->messages().front();
        QVERIFY2(message.text.startsWith(QStringLiteral("The profile was not saved to \"%1\":\r\n").arg(badPath)),
                 qPrintable(message.text));
        QCOMPARE(message.title, QStringLiteral("Solvane"));
        QCOMPARE(message.icon, MessageIcon::Exclamation);
        QCOMPARE(message.buttons, MessageButtons::Ok);
        QCOMPARE(readAll(saved), savedBytes);
        QCOMPARE(readAll(work_->filePath(QStringLiteral("folder.waf/inside.txt"))), QByteArray("inside"));
        QVERIFY(!QFileInfo(work_->filePath(QStringLiteral("missing"))).exists());
        QCOMPARE(QDir(work_->path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
        QCOMPARE(p.DataChanged, True);
        QCOMPARE(p.FileTitle, std::string("saved.waf"));
        QCOMPARE(form.statusPanel(2), QStringLiteral("saved.waf"));
        QCOMPARE(platform_->pointer(), Pointer::Default);

        // The document still names the file it came from: Save writes there.
        action(form, "File_Save")->trigger();
        QVERIFY(readAll(saved).contains("\r\n40,90,#TRUE#,0\r\n"));
        QCOMPARE(p.DataChanged, False);
    }

    // An untitled document whose first save fails stays untitled, with Save disabled.
    void failedFirstSaveStaysUntitled()
    {
        Form1& form = *form_;
        addTwoPoints(form);
        platform_->chooseFile(work_->filePath(QStringLiteral("missing/x.waf")));
        platform_->answerMessage(MessageAnswer::Ok);
        action(form, "File_SaveAs")->trigger();
        SOLVANE_VERIFY_ALL_PROMPTS_SCRIPTED(*platform_);
        QCOMPARE(form.profile().FileTitle, std::string());
        QCOMPARE(form.statusPanel(2), QStringLiteral("Untitled"));
        QVERIFY(!action(form, "File_Save")->isEnabled());
        QCOMPARE(form.profile().DataChanged, True);
    }

private:
    std::unique_ptr<QTemporaryDir> helpDir_;
    std::unique_ptr<QTemporaryDir> work_;
    std::unique_ptr<ScriptedPlatform> platform_;
    std::unique_ptr<Form1> form_;
};

QTEST_MAIN(TestDocument)
#include "tst_document.moc"
