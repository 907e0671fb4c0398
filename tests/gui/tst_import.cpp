// File menu import commands: KLA results files (file-type retry, wafer choice, capacity) and CSV files
// (column dialog), and what Save does after an import.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <memory>

#include "importers/frmcsvfields.h"
#include "importers/frmwaferchoice.h"
#include "mainwindow/form1.h"
#include "model/conversions.h"
#include "offscreennoise.h"
#include "scriptedplatform.h"
#include "table/flexgrid.h"

using namespace solvane;

namespace {

const char* const CsvBoxes[] = {"txtSampleCenterLoc", "txtDiePitch", "txtXIndex", "txtYindex", "txtXrel", "txtYrel"};

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

// A results file with centre 100000 100000 and pitch 10000 10000 (micrometres) and these defect lines.
QByteArray resultsFile(const QByteArray& defectLines)
{
    return "FileVersion 1 1;\r\nSampleCenterLocation 100000.0 100000.0;\r\nDiePitch 10000.0 10000.0;\r\n"
           "DefectRecordSpec 9 DEFECTID XREL YREL XINDEX YINDEX XSIZE YSIZE DEFECTAREA DSIZE;\r\nDefectList\r\n" +
           defectLines + "SummarySpec 2 TESTNO NDEFECT;\r\nSummaryList\r\n1 1;\r\nEndOfFile;\r\n";
}

// n defects in die (10, 10): defect i lies at X i/1000 mm, Y 0.5 mm.
QByteArray manyDefects(int n)
{
    QByteArray lines;
    for (int i = 1; i <= n; ++i)
        lines += QByteArray::number(i) + " " + QByteArray::number(i) + ".0 500.0 10 10 0 0 0 0" + (i == n ? ";" : "") +
                 "\r\n";
    return resultsFile(lines);
}

// The worked example: one defect at (5000, 5000) inside die (10, 10) lies at X 5, Y 5 mm.
const QByteArray WorkedExample = resultsFile("1 5000.0 5000.0 10 10 0.0 0.0 0.0 0.0;\r\n");

QString testData(const QString& relative) { return QStringLiteral(SOLVANE_TEST_DATA "/") + relative; }

}  // namespace

class TestImport : public QObject {
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
        form_->runDialog = [this](QDialog& dialog) {
            ++dialogsShown_;
            if (!answerDialog_) {
                ++unexpectedDialogs_;
                return int(QDialog::Rejected);
            }
            dialog.show();
            answerDialog_(dialog);
            return dialog.result();
        };
        dialogsShown_ = 0;
        unexpectedDialogs_ = 0;
        answerDialog_ = nullptr;
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    }

    void cleanup()
    {
        QCOMPARE(unexpectedDialogs_, 0);
        form_.reset();
        platform_.reset();
    }

    void klaImportReplacesTheProfile()
    {
        Form1& form = *form_;
        Profile& p = form.profile();
        givePreviousProfile();
        const QString path = work_->filePath(QStringLiteral("example.dat"));
        writeFile(path, WorkedExample);
        platform_->chooseFile(path);

        action(form, "mnuFileImporter")->trigger();

        SOLVANE_VERIFY_ALL_PROMPTS_SCRIPTED(*platform_);
        QVERIFY(platform_->messages().empty());
        QCOMPARE(dialogsShown_, 0);
        QCOMPARE(platform_->fileRequests().size(), std::size_t(1));
        const FileDialogRequest& request = platform_->fileRequests().front();
        QCOMPARE(request.pattern, QStringLiteral("*.dat"));
        QCOMPARE(request.defaultExt, QStringLiteral(".dat"));
        QCOMPARE(request.filter, QStringLiteral("KLA Resource File (*.dat)|*.dat|All Files (*.*)|*.*|"));
        QCOMPARE(request.initialDir, QString::fromStdString(p.ProfileDir));
        QCOMPARE(request.title, QStringLiteral("Import File"));
        QVERIFY(!request.save);

        QCOMPARE(p.PointCount, std::int16_t(1));
        QCOMPARE(p.Points[1].X, 5.0f);
        QCOMPARE(p.Points[1].Y, 5.0f);
        QCOMPARE(p.Points[1].R, float(std::sqrt(50.0)));
        QCOMPARE(p.Points[1].Theta, arctan(5.0f, 5.0f));
        QCOMPARE(p.Points[2].X, 0.0f);  // the old points are gone
        QCOMPARE(p.CoordSys, std::string("Rectangular"));
        QCOMPARE(p.PolarSys, True);  // only the name changes
        QCOMPARE(p.FileTitle, std::string("example.dat"));
        QCOMPARE(p.FilePath, path.toStdString());
        QCOMPARE(form.statusPanel(2), QStringLiteral("example.dat"));
        QCOMPARE(p.DataChanged, False);
        QCOMPARE(form.grid().Rows(), 3);
        QCOMPARE(form.grid().TextMatrix(1, 1), QStringLiteral("7.07"));
        QCOMPARE(form.grid().TextMatrix(1, 2), QStringLiteral("45.0"));
        QCOMPARE(form.grid().TextMatrix(2, 1), QString());
        QCOMPARE(platform_->pointer(), Pointer::Default);
    }

    // A file of the wrong type is refused with the fixed box and the command asks for another file.
    void klaWrongTypeAsksForAnotherFile()
    {
        Form1& form = *form_;
        const QString csv = work_->filePath(QStringLiteral("defects.csv"));
        writeFile(csv, "Name,XRel,YRel\r\nd1,1,2\r\n");
        const QString good = work_->filePath(QStringLiteral("good.dat"));
        writeFile(good, WorkedExample);
        platform_->chooseFile(csv);
        platform_->answerMessage(MessageAnswer::Ok);
        platform_->chooseFile(good);

        action(form, "mnuFileImporter")->trigger();

        SOLVANE_VERIFY_ALL_PROMPTS_SCRIPTED(*platform_);
        QCOMPARE(platform_->fileRequests().size(), std::size_t(2));
        QCOMPARE(platform_->fileRequests().back().title, QStringLiteral("Import File"));
        QCOMPARE(platform_->messages().size(), std::size_t(1));
        const auto& box = platform_->messages().front();
        QCOMPARE(box.text, QStringLiteral("File type error, please re-enter"));
        QCOMPARE(box.title, QStringLiteral("Invalid file type"));
        QCOMPARE(box.icon, MessageIcon::Critical);
        QCOMPARE(box.buttons, MessageButtons::Ok);
        QCOMPARE(form.profile().PointCount, std::int16_t(1));
        QCOMPARE(form.profile().Points[1].X, 5.0f);
        QCOMPARE(form.statusPanel(2), QStringLiteral("good.dat"));
        QCOMPARE(form.profile().FilePath, good.toStdString());
    }

    // Cancelling after a refused file, or cancelling the wafer choice, keeps the profile that was open.
    void klaCancelAfterWrongTypeKeepsTheProfile()
    {
        Form1& form = *form_;
        givePreviousProfile();
        const QString csv = work_->filePath(QStringLiteral("defects.csv"));
        writeFile(csv, "a,b\r\n");
        platform_->chooseFile(csv);
        platform_->answerMessage(MessageAnswer::Ok);
        platform_->cancelFileDialog();
        action(form, "mnuFileImporter")->trigger();
        SOLVANE_VERIFY_ALL_PROMPTS_SCRIPTED(*platform_);
        expectPreviousProfile();
    }

    void klaWaferChoice_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::newRow("second wafer chosen") << true;
        QTest::newRow("cancelled") << false;
    }

    void klaWaferChoice()
    {
        QFETCH(bool, ok);
        Form1& form = *form_;
        givePreviousProfile();
        platform_->chooseFile(testData(QStringLiteral("kla/two_wafers.dat")));
        answerDialog_ = [ok](QDialog& dialog) {
            auto* chooser = qobject_cast<frmWaferChoice*>(&dialog);
            QVERIFY(chooser);
            auto* list = dialog.findChild<QTableWidget*>(QStringLiteral("lstWafers"));
            QVERIFY(list);
            QCOMPARE(list->rowCount(), 2);
            const QStringList expected{"A1", "3", "2", "B2", "4", "1"};
            for (int i = 0; i < 6; ++i) QCOMPARE(list->item(i / 3, i % 3)->text(), expected.at(i));
            QCOMPARE(chooser->currentWafer(), 0);
            QVERIFY(dialog.findChild<QLabel*>(QStringLiteral("lblPrompt"))->text().contains(QLatin1String("2 wafers")));
            if (ok) {
                chooser->setCurrentWafer(1);
                QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("CmdOK")), Qt::LeftButton);
            } else {
                QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("CmdCancel")), Qt::LeftButton);
            }
        };

        action(form, "mnuFileImporter")->trigger();

        SOLVANE_VERIFY_ALL_PROMPTS_SCRIPTED(*platform_);
        QCOMPARE(dialogsShown_, 1);
        if (!ok) {
            expectPreviousProfile();
            return;
        }
        // Wafer B2: 0 + .5 - 1 = -0.5, 2 + 0 - 3 = -1.
        QCOMPARE(form.profile().PointCount, std::int16_t(1));
        QCOMPARE(form.profile().Points[1].X, -0.5f);
        QCOMPARE(form.profile().Points[1].Y, -1.0f);
        QCOMPARE(form.statusPanel(2), QStringLiteral("two_wafers.dat"));
    }

    void klaCapacity_data()
    {
        QTest::addColumn<int>("defects");
        QTest::newRow("1000 import") << 1000;
        QTest::newRow("1001 import nothing") << 1001;
    }

    void klaCapacity()
    {
        QFETCH(int, defects);
        Form1& form = *form_;
        givePreviousProfile();
        const QString path = work_->filePath(QStringLiteral("many.dat"));
        writeFile(path, manyDefects(defects));
        platform_->chooseFile(path);
        if (defects > 1000) platform_->answerMessage(MessageAnswer::Ok);

        action(form, "mnuFileImporter")->trigger();

        SOLVANE_VERIFY_ALL_PROMPTS_SCRIPTED(*platform_);
        QCOMPARE(form.statusPanel(2), QStringLiteral("many.dat"));
        QCOMPARE(form.profile().DataChanged, False);
        if (defects <= 1000) {
            QCOMPARE(int(form.profile().PointCount), defects);
            QCOMPARE(form.grid().Rows(), defects + 2);
            return;
        }
        QCOMPARE(platform_->messages().size(), std::size_t(1));
        const auto& message = platform_->messages().front();
        QCOMPARE(message.text, QStringLiteral("\"many.dat\" was not imported.\r\n"
                                              "The file holds 1001 defects; an import takes at most 1000."));
        QCOMPARE(message.title, QStringLiteral("Solvane"));
        QCOMPARE(message.icon, MessageIcon::Exclamation);
        QCOMPARE(form.profile().PointCount, std::int16_t(0));
        QCOMPARE(form.profile().Points[1].R, 0.0f);
        QCOMPARE(form.grid().Rows(), 2);
    }

    void klaDamagedFileLeavesAnEmptyProfile()
    {
        Form1& form = *form_;
        givePreviousProfile();
        const QString path = work_->filePath(QStringLiteral("bad.dat"));
        writeFile(path, "FileVersion 1 1;\r\nDefectRecordSpec 5 DEFECTID XREL YREL XINDEX YINDEX;\r\nDefectList\r\n"
                        "1 0 0 0 0;\r\nEndOfFile;\r\n");
        platform_->chooseFile(path);
        platform_->answerMessage(MessageAnswer::Ok);
        action(form, "mnuFileImporter")->trigger();
        SOLVANE_VERIFY_ALL_PROMPTS_SCRIPTED(*platform_);
        const QString text = platform_->messages().front().text;
        QVERIFY2(text.startsWith(QStringLiteral("\"bad.dat\" was not imported.\r\nThe file is damaged at line ")),
                 qPrintable(text));
        QCOMPARE(form.profile().PointCount, std::int16_t(0));
        QCOMPARE(form.statusPanel(2), QStringLiteral("bad.dat"));
    }

    void klaUnreadableFileChangesNothing()
    {
        Form1& form = *form_;
        givePreviousProfile();
        platform_->chooseFile(work_->filePath(QStringLiteral("gone.dat")));
        platform_->answerMessage(MessageAnswer::Ok);
        action(form, "mnuFileImporter")->trigger();
        SOLVANE_VERIFY_ALL_PROMPTS_SCRIPTED(*platform_);
        QVERIFY(platform_->messages().front().text.startsWith(QStringLiteral("\"gone.dat\" was not imported.\r\n")));
        expectPreviousProfile();
    }

    // Save never writes a profile over the file it was imported from: it asks for a name.
    void saveAfterImportAsksForAName()
    {
        Form1& form = *form_;
        Profile& p = form.profile();
        givePreviousProfile();
        platform_->chooseFile(work_->filePath(QStringLiteral("first.waf")));
        action(form, "File_SaveAs")->trigger();
        QVERIFY(action(form, "File_Save")->isEnabled());

        const QString imported = work_->filePath(QStringLiteral("example.dat"));
        writeFile(imported, WorkedExample);
        platform_->chooseFile(imported);
        action(form, "mnuFileImporter")->trigger();
        QVERIFY(action(form, "File_Save")->isEnabled());

        const QString named = work_->filePath(QStringLiteral("named.waf"));
        platform_->clear();
        platform_->chooseFile(named);
        action(form, "File_Save")->trigger();
        SOLVANE_VERIFY_ALL_PROMPTS_SCRIPTED(*platform_);
        QCOMPARE(platform_->fileRequests().size(), std::size_t(1));
        QCOMPARE(platform_->fileRequests().front().title, QStringLiteral("Save File As"));
        QCOMPARE(readAll(imported), WorkedExample);
        QVERIFY(readAll(named).contains("\"Rectangular\"\r\n"));
        QVERIFY(readAll(named).endsWith("\r\n1\r\n5,5,#TRUE#,0\r\n"));
        QCOMPARE(form.statusPanel(2), QStringLiteral("named.waf"));
        QCOMPARE(p.DataChanged, False);

        // Named now: the next Save writes there without asking.
        p.DataChanged = True;
        action(form, "File_Save")->trigger();
        QCOMPARE(platform_->fileRequests().size(), std::size_t(1));
        QCOMPARE(p.DataChanged, False);
    }

    void klaSharedFiles()
    {
        const QString folder = QStringLiteral(SOLVANE_SHARED_TESTDATA "/klarf");
        if (!QDir(folder).exists()) QSKIP(qPrintable(QStringLiteral("the shared results files are not at %1").arg(folder)));
        Form1& form = *form_;

        platform_->chooseFile(folder + QStringLiteral("/jklarfreader_klarf12Example.klarf"));
        action(form, "mnuFileImporter")->trigger();
        SOLVANE_VERIFY_ALL_PROMPTS_SCRIPTED(*platform_);
        QCOMPARE(form.profile().PointCount, std::int16_t(2));
        QVERIFY(std::abs(form.profile().Points[1].X - -11.4994f) < 2e-5f);
        QVERIFY(std::abs(form.profile().Points[2].Y - 3.5568f) < 2e-5f);

        // Three wafers: the second one, "06", holds 36 defects.
        platform_->chooseFile(folder + QStringLiteral("/wafermap-clustering_QUU_NUU.000"));
        answerDialog_ = [](QDialog& dialog) {
            auto& chooser = static_cast<frmWaferChoice&>(dialog);
            QCOMPARE(dialog.findChild<QTableWidget*>(QStringLiteral("lstWafers"))->item(1, 0)->text(),
                     QStringLiteral("06"));
            chooser.setCurrentWafer(1);
            chooser.CmdOK_Click();
        };
        action(form, "mnuFileImporter")->trigger();
        SOLVANE_VERIFY_ALL_PROMPTS_SCRIPTED(*platform_);
        QCOMPARE(form.profile().PointCount, std::int16_t(36));
    }

    // OK stores the columns; a later Cancel in the column dialog still imports, with those columns.
    void csvColumnsConfirmedThenCancelled()
    {
        Form1& form = *form_;
        Profile& p = form.profile();
        const QString path = testData(QStringLiteral("csv/defects.csv"));
        platform_->chooseFile(path);
        bool cancel = false;
        answerDialog_ = [&cancel](QDialog& dialog) {
            QVERIFY(qobject_cast<frmCSVfields*>(&dialog));
            for (int i = 0; i < 6; ++i) {
                auto* box = dialog.findChild<QLineEdit*>(QLatin1String(CsvBoxes[i]));
                QVERIFY(box->text().isEmpty());  // never the previous answer
                box->setText(QString::number(i + 2));
            }
            const char* button = cancel ? "CmdCancel" : "CmdOK";
            QTest::mouseClick(dialog.findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
            QVERIFY(!dialog.isVisible());
        };

        action(form, "mnuCSVFileImporter")->trigger();

        SOLVANE_VERIFY_ALL_PROMPTS_SCRIPTED(*platform_);
        QCOMPARE(dialogsShown_, 1);
        const FileDialogRequest& request = platform_->fileRequests().front();
        QCOMPARE(request.pattern, QStringLiteral("*.csv"));
        QCOMPARE(request.defaultExt, QStringLiteral(".csv"));
        QCOMPARE(request.filter, QStringLiteral("CSV File (*.csv)|*.csv|All Files (*.*)|*.*|"));
        QCOMPARE(request.title, QStringLiteral("Import File"));
        QCOMPARE(request.initialDir, QString::fromStdString(p.ProfileDir));
        QCOMPARE(p.PointCount, std::int16_t(3));
        // Centre 100000 50000, pitch 10000: 100 + 5 - 100, -20 + 2.5005 - 50.
        QVERIFY(std::abs(p.Points[1].X - 5.0f) < 2e-5f);
        QVERIFY(std::abs(p.Points[1].Y - -67.4995f) < 2e-5f);
        QCOMPARE(p.CoordSys, std::string("Rectangular"));
        QCOMPARE(form.statusPanel(2), QStringLiteral("defects.csv"));
        QCOMPARE(p.DataChanged, False);

        // Second import: the boxes are typed but cancelled; the confirmed columns 2..7 still apply.
        resetPoints(p);
        p.PointCount = 0;
        cancel = true;
        platform_->chooseFile(path);
        action(form, "mnuCSVFileImporter")->trigger();
        SOLVANE_VERIFY_ALL_PROMPTS_SCRIPTED(*platform_);
        QCOMPARE(dialogsShown_, 2);
        QCOMPARE(p.PointCount, std::int16_t(3));
        QCOMPARE(p.Points[2].X, -100.0f);
        QCOMPARE(p.Points[2].Y, -100.0f);
    }

    // Cancel before any OK leaves the columns at 0, which name no X rel column: nothing is imported.
    void csvCancelWithoutEarlierColumns()
    {
        Form1& form = *form_;
        givePreviousProfile();
        platform_->chooseFile(testData(QStringLiteral("csv/defects.csv")));
        platform_->answerMessage(MessageAnswer::Ok);
        answerDialog_ = [](QDialog& dialog) { static_cast<frmCSVfields&>(dialog).CmdCancel_Click(); };
        action(form, "mnuCSVFileImporter")->trigger();
        SOLVANE_VERIFY_ALL_PROMPTS_SCRIPTED(*platform_);
        QVERIFY(platform_->messages().front().text.startsWith(QStringLiteral("\"defects.csv\" was not imported.\r\n")));
        QCOMPARE(form.profile().PointCount, std::int16_t(0));
        QCOMPARE(form.statusPanel(2), QStringLiteral("defects.csv"));
    }

    void csvFileDialogCancelledAsksNothingElse()
    {
        Form1& form = *form_;
        givePreviousProfile();
        platform_->cancelFileDialog();
        action(form, "mnuCSVFileImporter")->trigger();
        SOLVANE_VERIFY_ALL_PROMPTS_SCRIPTED(*platform_);
        QCOMPARE(dialogsShown_, 0);
        expectPreviousProfile();
    }

    void csvTooManyRows()
    {
        Form1& form = *form_;
        QByteArray text = "XRel,YRel\r\n";
        for (int i = 1; i <= 1001; ++i) text += QByteArray::number(i) + ",0\r\n";
        const QString path = work_->filePath(QStringLiteral("big.csv"));
        writeFile(path, text);
        platform_->chooseFile(path);
        platform_->answerMessage(MessageAnswer::Ok);
        answerDialog_ = [](QDialog& dialog) {
            dialog.findChild<QLineEdit*>(QStringLiteral("txtXrel"))->setText(QStringLiteral("1"));
            dialog.findChild<QLineEdit*>(QStringLiteral("txtYrel"))->setText(QStringLiteral("2"));
            for (const char* name : {"txtSampleCenterLoc", "txtDiePitch", "txtXIndex", "txtYindex"})
                dialog.findChild<QLineEdit*>(QLatin1String(name))->setText(QStringLiteral("0"));
            static_cast<frmCSVfields&>(dialog).CmdOK_Click();
        };
        action(form, "mnuCSVFileImporter")->trigger();
        SOLVANE_VERIFY_ALL_PROMPTS_SCRIPTED(*platform_);
        QCOMPARE(platform_->messages().front().text,
                 QStringLiteral("\"big.csv\" was not imported.\r\n"
                                "The file holds 1001 defect rows; an import takes at most 1000."));
        QCOMPARE(form.profile().PointCount, std::int16_t(0));
    }

    void waferChoiceDoubleClickChooses()
    {
        const std::vector<KlaWafer> wafers{{"W1", "01", 3}, {"", "", 7}, {"W3", "09", 1200}};
        frmWaferChoice chooser(wafers);
        chooser.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chooser));
        auto* list = chooser.findChild<QTableWidget*>(QStringLiteral("lstWafers"));
        QCOMPARE(list->rowCount(), 3);
        QCOMPARE(list->item(2, 2)->text(), QStringLiteral("1200"));
        QCOMPARE(chooser.windowTitle(), QStringLiteral("Choose Wafer"));
        QVERIFY(!chooser.chosenWafer());
        const QRect cell = list->visualItemRect(list->item(1, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell.center());
        QVERIFY(!chooser.isVisible());
        QCOMPARE(chooser.chosenWafer(), std::optional<std::size_t>(1));
    }

private:
    // Three polar points, named "previous.waf", Save enabled, unsaved.
    void givePreviousProfile()
    {
        Profile& p = form_->profile();
        for (int i = 1; i <= 3; ++i)
            p.Points[static_cast<std::size_t>(i)] = PointRec{10.0f * float(i), 0.0f, True, 10.0f * float(i), 0.0f};
        p.PointCount = 3;
        p.FileTitle = "previous.waf";
        p.FilePath = "/nowhere/previous.waf";
        form_->updategrid();
        platform_->clear();
    }

    void expectPreviousProfile()
    {
        const Profile& p = form_->profile();
        QCOMPARE(p.PointCount, std::int16_t(3));
        QCOMPARE(p.Points[3].R, 30.0f);
        QCOMPARE(p.CoordSys, std::string("Polar"));
        QCOMPARE(p.FileTitle, std::string("previous.waf"));
        QCOMPARE(p.FilePath, std::string("/nowhere/previous.waf"));
        QCOMPARE(p.DataChanged, True);
        QCOMPARE(form_->statusPanel(2), QStringLiteral("Untitled"));
        QCOMPARE(form_->grid().TextMatrix(3, 1), QStringLiteral("30.00"));
    }

    std::unique_ptr<QTemporaryDir> helpDir_;
    std::unique_ptr<QTemporaryDir> work_;
    std::unique_ptr<ScriptedPlatform> platform_;
    std::unique_ptr<Form1> form_;
    // Answers the dialog the command opens through runDialog, synchronously; null when none is expected.
    std::function<void(QDialog&)> answerDialog_;
    int dialogsShown_ = 0;
    int unexpectedDialogs_ = 0;
};

QTEST_MAIN(TestImport)
#include "tst_import.moc"
