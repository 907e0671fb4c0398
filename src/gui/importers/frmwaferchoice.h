#pragma once

#include <QDialog>
#include <cstddef>
#include <optional>
#include <vector>

#include "importers/klaimport.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace solvane {

// Lists the wafers of a results file (wafer ID, slot, defect count), one row each in file order, so the user can pick
// the one to import: the first MaxListedWafers of them, which the prompt then says (a file of a million wafers would
// otherwise take gigabytes of rows). The first wafer is preselected. OK or a double click on a row hands back the
// chosen wafer's index; Cancel and the close box hand back nothing.
class frmWaferChoice : public QDialog {
    Q_OBJECT
public:
    static constexpr std::size_t MaxListedWafers = 10000;

    explicit frmWaferChoice(const std::vector<KlaWafer>& wafers, QWidget* parent = nullptr);

    // The index into the wafer list confirmed by OK; nothing after Cancel or before any answer.
    std::optional<std::size_t> chosenWafer() const { return chosen_; }

    // The row selected in the list (the wafer OK would confirm).
    int currentWafer() const;
    void setCurrentWafer(int index);

    // Handlers, public so that the tests can drive them as the buttons do.
    void CmdOK_Click();
    void CmdCancel_Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* lblPrompt = nullptr;
    QTableWidget* lstWafers = nullptr;
    QPushButton* CmdOK = nullptr;
    QPushButton* CmdCancel = nullptr;
    std::optional<std::size_t> chosen_;
};

}  // namespace solvane
