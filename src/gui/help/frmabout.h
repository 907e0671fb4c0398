#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QTextEdit;

namespace solvane {

class Platform;
struct Profile;

// The about box: program title and version, the title of the current profile flavour, the notice
// and the support contact. System Info has no tool to start on this platform and says so.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    frmAbout(const Profile& profile, Platform& platform, QWidget* parent = nullptr);

    // The program's title, as the window captions show it.
    static QString applicationTitle();

    // Handlers, public so that the tests can drive them as the buttons do.
    void Form_Load();
    void CmdOK_Click();
    void cmdSysInfo_Click();
    void StartSysInfo();

protected:
    void showEvent(QShowEvent* event) override;

private:
    const Profile& profile_;
    Platform& platform_;
    QLabel* picIcon = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* Lbl_KORV = nullptr;
    QTextEdit* Text1 = nullptr;
    QPushButton* CmdOK = nullptr;
    QPushButton* cmdSysInfo = nullptr;
};

}  // namespace solvane
