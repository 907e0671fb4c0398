// Undo and Redo: every command that changes what a Save writes is one step, undone and redone byte for byte;
// the saved state, the title's modified mark and the unsaved-changes prompt follow the history.
#include <QAction>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QtTest>
#include <functional>

#include "files/profilefile.h"
#include "formharness.h"
#include "table/flexgrid.h"

using namespace solvane;

using Command = std::function<void(FormHarness&)>;
Q_DECLARE_METATYPE(Command)

namespace {

// Press at one profile position and release at another, as the drawing's handlers receive them.
Command drag(float fromX, float fromY, float toX, float toY)
{
    return [=](FormHarness& h) {
        h.form().mouse().Picture1_MouseMove(-fromX, -fromY);
        h.form().mouse().Picture1_MouseDown(-fromX, -fromY);
        h.form().mouse().Picture1_MouseMove(-toX, -toY);
        h.form().mouse().Picture1_MouseUp(-toX, -toY);
    };
}

// Types text into a cell of the table and ends the edit with key (Enter or Down).
Command typeInCell(int row, const char* text, int key)
{
    return [=](FormHarness& h) {
        h.form().grid().setRow(row);
        h.form().grid().setCol(1);
        h.form().table().grdData_KeyPress(text[0]);
        QTest::keyClicks(&h.form().editBox(), QString::fromLatin1(text + 1));
        h.form().table().txtedit_KeyDown(key);
    };
}

Command menu(const char* item, std::function<void(QDialog&)> answer = {})
{
    return [=](FormHarness& h) {
        h.answerDialogs(answer);
        h.action(item)->trigger();
    };
}

// The grid steps dialog with 6 steps of each kind.
void sixSteps(QDialog& dialog)
{
    for (const char* bar : {"HScroll1", "HScroll2"}) dialog.findChild<QScrollBar*>(bar)->setValue(6);
    click(dialog, "OKBtn");
}

}  // namespace

class TestUndo : public QObject {
    Q_OBJECT

    std::unique_ptr<FormHarness> h;
    QTemporaryDir work;

    QByteArray saved() const
    {
        Profile copy = h->profile();
        return QByteArray::fromStdString(formatprofile(copy));
    }
    void undo() { h->action("Edit_Undo")->trigger(); }
    void redo() { h->action("Edit_Redo")->trigger(); }
    // Whether the document counts as changed, in the flag, the title's mark and Undo's caption.
    QString state() const
    {
        return QStringLiteral("%1 %2 %3")
            .arg(h->profile().DataChanged ? "changed" : "unchanged", h->form().isWindowModified() ? "[*]" : "-",
                 h->action("Edit_Undo")->text());
    }

private slots:

    // The 17 point pattern on a 200 mm wafer, blue with green spots, its first and last points swapped so that
    // both sorts change it, saved as p17.waf.
    void init()
    {
        h = std::make_unique<FormHarness>();
        setStandardWafer(h->profile());
        h->action("Draw_Seventeen")->trigger();
        std::swap(h->profile().Points[1], h->profile().Points[17]);
        h->form().updategrid();
        h->form().descriptionBox().setText(QStringLiteral("before"));
        h->platform.chooseFile(work.filePath(QStringLiteral("p17.waf")));
        h->action("File_SaveAs")->trigger();
    }
    void cleanup() { h.reset(); }

    void steps_data()
    {
        QTest::addColumn<Command>("command");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("endsSaved");  // the command leaves the document saved: its undo is a change
        QTest::newRow("add by mouse") << drag(0, 20, 0, 20) << "Add Point 18" << false;
        QTest::newRow("move by mouse") << drag(45.5f, 0, 60, 0) << "Move Point 9" << false;
        QTest::newRow("cell value") << typeInCell(3, "12", 13) << "Edit Point 3" << false;
        QTest::newRow("entry row, Down") << Command([](FormHarness& f) {
            f.form().grid().setRow(18);
            f.form().table().grdData_KeyDown(40);
        }) << "Add Point 18" << false;
        QTest::newRow("delete") << Command([](FormHarness& f) {
            f.form().grid().setRow(3);
            f.action("Edit_Delete")->trigger();
        }) << "Delete Point 3" << false;
        QTest::newRow("sort theta") << menu("Edit_SortA") << "Sort Theta" << false;
        QTest::newRow("sort radius") << menu("Edit_SortR") << "Sort Radius" << false;
        QTest::newRow("clear") << menu("Edit_Clear") << "Clear Points" << true;
        QTest::newRow("polar") << menu("Draw_Polar", sixSteps) << "Polar Pattern" << false;
        QTest::newRow("rings") << menu("Draw_Rings", [](QDialog& d) { click(d, "OKBtn"); }) << "Ring Pattern" << false;
        QTest::newRow("paste") << Command([](FormHarness& f) {
            f.platform.setClipboardText(QStringLiteral("10\t20\r\n30\t40\r\n"));
            f.action("Edit_Paste")->trigger();
        }) << "Paste" << false;
        QTest::newRow("optimise") << menu("Edit_Optimise") << "Optimise Order" << false;
        QTest::newRow("rotate") << menu("Edit_Rotate", [](QDialog& d) {
            d.findChild<QDoubleSpinBox*>("txtAngle")->setValue(30);
            click(d, "OKBtn");
        }) << "Rotate" << false;
        QTest::newRow("parameters") << menu("Setup_Size", [](QDialog& d) {
            auto* combo = d.findChild<QComboBox*>(QStringLiteral("Combo1"));
            combo->setCurrentIndex(combo->findText(QStringLiteral("150mm")));
            click(d, "OKBtn");
        }) << "Parameters" << false;
        QTest::newRow("colours") << menu("Setup_Color", [](QDialog& d) {
            click(d, "ResetBtn");
            click(d, "SaveBtn");
        }) << "Colours" << false;
        QTest::newRow("description, one step for the session") << Command([](FormHarness& f) {
            QTest::keyClicks(&f.form().descriptionBox(), QStringLiteral(" and after"));
        }) << "Description" << false;
        QTest::newRow("kla import") << Command([this](FormHarness& f) {
            f.platform.chooseFile(writeFile(work.filePath(QStringLiteral("x.dat")), klaResultsFile(1)));
            f.action("mnuFileImporter")->trigger();
        }) << "KLA Import" << true;
    }

    // Do, undo, redo: the profile a Save writes is the one before, then the one after; undo reaches the saved
    // state again.
    void steps()
    {
        QFETCH(Command, command);
        QFETCH(QString, caption);
        QFETCH(bool, endsSaved);
        const QByteArray before = this->saved();
        command(*h);
        const QByteArray after = this->saved();
        QVERIFY(after != before);
        QCOMPARE(h->action("Edit_Undo")->text(), "&Undo " + caption);
        undo();
        QCOMPARE(this->saved(), before);
        QCOMPARE(std::pair(h->profile().DataChanged != False, h->form().isWindowModified()),
                 std::pair(endsSaved, endsSaved));
        QCOMPARE(h->action("Edit_Redo")->text(), "R&edo " + caption);
        redo();
        QCOMPARE(this->saved(), after);
        QCOMPARE(std::pair(h->profile().DataChanged != False, h->form().isWindowModified()),
                 std::pair(!endsSaved, !endsSaved));
    }

    // Ctrl+Z in the description box, where the focus starts, undoes the last step as anywhere in the window.
    void undoKeyFromTheDescriptionBox()
    {
        h->action("Edit_SortR")->trigger();
        h->form().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&h->form()));
        h->form().descriptionBox().setFocus();
        QTest::keyClick(&h->form().descriptionBox(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(h->action("Edit_Undo")->text(), QStringLiteral("&Undo 17 Point Pattern"));
    }

    // The title names the document; its mark and the prompt at Exit follow the saved state through the history.
    void savedStateFollowsTheHistory()
    {
        QCOMPARE(h->form().windowTitle(), QStringLiteral("p17.waf[*] \u2014 Solvane/Wafer"));
        h->action("Edit_SortR")->trigger();
        undo();
        QVERIFY(h->form().close());  // asks nothing
        h->form().show();
        undo();
        QCOMPARE(state(), QStringLiteral("changed [*] &Undo"));
        h->platform.answerMessage(MessageAnswer::No);
        QVERIFY(!h->form().close());
        QVERIFY(h->boxes().startsWith(QStringLiteral("Data Not Saved|")));
        redo();
        QCOMPARE(state(), QStringLiteral("unchanged - &Undo 17 Point Pattern"));

        h->action("File_New")->trigger();
        QCOMPARE(std::pair(h->action("Edit_Undo")->isEnabled(), h->action("Edit_Redo")->isEnabled()),
                 std::pair(false, false));
        QCOMPARE(h->form().windowTitle(), QStringLiteral("Untitled[*] \u2014 Solvane/Wafer"));
    }
};

QTEST_MAIN(TestUndo)
#include "tst_undo.moc"
