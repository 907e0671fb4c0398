#pragma once

#include <QDialog>
#include <array>
#include <cstdint>
#include <optional>

class QLineEdit;
class QPushButton;

namespace solvane {

class Platform;

// The six column numbers of a CSV import, as confirmed in frmCSVfields (fields counted from 1).
struct CsvColumnNumbers {
    std::int16_t centre = 0;  // sample centre location
    std::int16_t pitch = 0;   // die pitch
    std::int16_t xindex = 0;
    std::int16_t yindex = 0;
    std::int16_t xrel = 0;
    std::int16_t yrel = 0;
};

// Asks which column of a CSV file holds each of the six quantities of a defect. The boxes open
// empty at every showing. OK accepts only whole numbers of 0 or more in every box, naming the
// first box that is not; the numbers are then handed back by columns(). Cancel hands back nothing.
class frmCSVfields : public QDialog {
    Q_OBJECT
public:
    explicit frmCSVfields(Platform& platform, QWidget* parent = nullptr);

    // The numbers confirmed by the last OK of this showing; nothing after Cancel or the close box.
    std::optional<CsvColumnNumbers> columns() const { return columns_; }

    // Handlers, public so that the tests can drive them as the buttons do.
    void Form_Load();
    void CmdOK_Click();
    void CmdCancel_Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    Platform& platform_;
    QLineEdit* txtSampleCenterLoc = nullptr;
    QLineEdit* txtDiePitch = nullptr;
    QLineEdit* txtXIndex = nullptr;
    QLineEdit* txtYindex = nullptr;
    QLineEdit* txtXrel = nullptr;
    QLineEdit* txtYrel = nullptr;
    QPushButton* CmdOK = nullptr;
    QPushButton* CmdCancel = nullptr;
    std::optional<CsvColumnNumbers> columns_;
};

}  // namespace solvane
