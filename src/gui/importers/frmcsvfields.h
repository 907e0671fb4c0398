#pragma once

#include <QDialog>
#include <optional>

#include "importers/csvimport.h"

class QLineEdit;
class QPushButton;

namespace solvane {

class Platform;

// Asks which column of a CSV file holds each of the six quantities of a defect. The boxes open
// empty at every showing. OK accepts the boxes only as the import's column check does, naming the
// first box it refuses; the numbers are then handed back by columns(). Cancel hands back nothing.
class frmCSVfields : public QDialog {
    Q_OBJECT
public:
    explicit frmCSVfields(Platform& platform, QWidget* parent = nullptr);

    // The numbers confirmed by the last OK of this showing; nothing after Cancel or the close box.
    std::optional<CsvColumns> columns() const { return columns_; }

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
    std::optional<CsvColumns> columns_;
};

}  // namespace solvane
