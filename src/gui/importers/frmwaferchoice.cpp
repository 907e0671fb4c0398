#include "importers/frmwaferchoice.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "dialogs/dialogparts.h"

namespace solvane {

namespace {

QTableWidgetItem* readOnlyItem(const QString& text, Qt::Alignment alignment)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    item->setTextAlignment(alignment);
    return item;
}

}  // namespace

frmWaferChoice::frmWaferChoice(const std::vector<KlaWafer>& wafers, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmWaferChoice"));
    setWindowTitle(tr("Choose Wafer"));
    setModal(true);

    const std::size_t listed = std::min(wafers.size(), MaxListedWafers);
    const QString prompt = listed < wafers.size()
                               ? tr("The file holds %1 wafers; the first %2 are listed. Choose the wafer to import:")
                                     .arg(wafers.size())
                                     .arg(listed)
                               : tr("The file holds %1 wafers. Choose the wafer to import:").arg(wafers.size());
    lblPrompt = new QLabel(prompt, this);
    lblPrompt->setObjectName(QStringLiteral("lblPrompt"));

    lstWafers = new QTableWidget(static_cast<int>(listed), 3, this);
    lstWafers->setObjectName(QStringLiteral("lstWafers"));
    lstWafers->setHorizontalHeaderLabels({tr("Wafer ID"), tr("Slot"), tr("Defects")});
    // Row numbers stay visible: they tell apart wafers of a file that gives no IDs or slots.
    lstWafers->setSelectionBehavior(QAbstractItemView::SelectRows);
    lstWafers->setSelectionMode(QAbstractItemView::SingleSelection);
    lstWafers->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstWafers->setTabKeyNavigation(false);
    for (std::size_t i = 0; i < listed; ++i) {
        const int row = static_cast<int>(i);
        const KlaWafer& wafer = wafers[i];
        const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
        lstWafers->setItem(row, 0, readOnlyItem(QString::fromLatin1(wafer.WaferID.c_str()), left));
        lstWafers->setItem(row, 1, readOnlyItem(QString::fromLatin1(wafer.Slot.c_str()), left));
        lstWafers->setItem(row, 2, readOnlyItem(QString::number(wafer.DefectCount), Qt::AlignRight | Qt::AlignVCenter));
    }
    lstWafers->resizeColumnsToContents();
    lstWafers->horizontalHeader()->setStretchLastSection(true);
    if (!wafers.empty()) setCurrentWafer(0);

    CmdOK = new QPushButton(tr("OK"), this);
    CmdOK->setObjectName(QStringLiteral("CmdOK"));
    CmdOK->setEnabled(!wafers.empty());
    CmdCancel = new QPushButton(tr("Cancel"), this);
    CmdCancel->setObjectName(QStringLiteral("CmdCancel"));

    QHBoxLayout* buttons = makeOkCancelRow(CmdOK, CmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblPrompt);
    layout->addWidget(lstWafers);
    layout->addLayout(buttons);

    connect(CmdOK, &QPushButton::clicked, this, &frmWaferChoice::CmdOK_Click);
    connect(CmdCancel, &QPushButton::clicked, this, &frmWaferChoice::CmdCancel_Click);
    connect(lstWafers, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        setCurrentWafer(row);
        CmdOK_Click();
    });
}

void frmWaferChoice::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        centreOnScreen(*this);
        lstWafers->setFocus();
    }
    QDialog::showEvent(event);
}

int frmWaferChoice::currentWafer() const { return lstWafers->currentRow(); }

void frmWaferChoice::setCurrentWafer(int index)
{
    if (index < 0 || index >= lstWafers->rowCount()) return;
    lstWafers->setCurrentCell(index, 0);
    lstWafers->selectRow(index);
}

void frmWaferChoice::CmdOK_Click()
{
    const int row = currentWafer();
    if (row < 0) return;  // nothing to confirm yet
    chosen_ = static_cast<std::size_t>(row);
    accept();
}

void frmWaferChoice::CmdCancel_Click()
{
    chosen_.reset();
    reject();
}

}  // namespace solvane
