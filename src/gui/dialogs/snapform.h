#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QScrollBar;

namespace solvane {

struct Profile;

// The grid steps dialog: two step counts (1 to 30) on two scroll bars. It edits the exchange values
// DlgAngSteps and DlgRadSteps of the profile and knows nothing of what they mean; the caller sets
// the window title and the two captions, fills the pair, shows the dialog and copies the pair back.
// OK writes the pair; Cancel and the close box leave it as the caller put it.
class SnapForm : public QDialog {
    Q_OBJECT
public:
    explicit SnapForm(Profile& profile, QWidget* parent = nullptr);

    // Window title and the captions of the upper and lower count, for one showing.
    void setCaptions(const QString& title, const QString& upperCaption, const QString& lowerCaption);

    // Handlers, public so that the tests can drive them as the buttons do.
    void Form_Load();
    void HScroll1_Change();
    void HScroll2_Change();
    void OKBtn_Click();
    void CancelBtn_Click();

    // " 4": the read-out form of a count, with the blank that stands for a plus sign.
    static QString readOut(int value);

protected:
    void showEvent(QShowEvent* event) override;

private:
    Profile& profile_;
    QLabel* Label1 = nullptr;
    QLabel* Ang = nullptr;
    QScrollBar* HScroll1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Rad = nullptr;
    QScrollBar* HScroll2 = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
};

}  // namespace solvane
