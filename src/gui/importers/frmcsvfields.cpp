#include "importers/frmcsvfields.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <array>
#include <string>

#include "dialogs/dialogparts.h"
#include "platform/platform.h"
#include "render/qttext.h"

namespace solvane {

frmCSVfields::frmCSVfields(Platform& platform, QWidget* parent) : QDialog(parent), platform_(platform)
{
    setObjectName(QStringLiteral("frmCSVfields"));
    setWindowTitle(tr("CSV File Information"));
    setModal(true);

    auto* frame = new QGroupBox(tr("Import Field Column Numbers"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* form = new QFormLayout(frame);
    const auto addBox = [&](const char* name, const QString& caption) {
        auto* box = new QLineEdit(frame);
        box->setObjectName(QLatin1String(name));
        box->setMaxLength(6);
        auto* label = new QLabel(caption, frame);
        label->setBuddy(box);
        form->addRow(label, box);
        return box;
    };
    txtSampleCenterLoc = addBox("txtSampleCenterLoc", tr("Sample Center Location:"));
    txtDiePitch = addBox("txtDiePitch", tr("Die Pitch:"));
    txtXIndex = addBox("txtXIndex", tr("X index:"));
    txtYindex = addBox("txtYindex", tr("Y index:"));
    txtXrel = addBox("txtXrel", tr("X rel:"));
    txtYrel = addBox("txtYrel", tr("Y rel:"));

    CmdOK = new QPushButton(tr("OK"), this);
    CmdOK->setObjectName(QStringLiteral("CmdOK"));
    CmdCancel = new QPushButton(tr("Cancel"), this);
    CmdCancel->setObjectName(QStringLiteral("CmdCancel"));

    QHBoxLayout* buttons = makeOkCancelRow(CmdOK, CmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(txtSampleCenterLoc, txtDiePitch);
    setTabOrder(txtDiePitch, txtXIndex);
    setTabOrder(txtXIndex, txtYindex);
    setTabOrder(txtYindex, txtXrel);
    setTabOrder(txtXrel, txtYrel);
    setTabOrder(txtYrel, CmdOK);
    setTabOrder(CmdOK, CmdCancel);

    connect(CmdOK, &QPushButton::clicked, this, &frmCSVfields::CmdOK_Click);
    connect(CmdCancel, &QPushButton::clicked, this, &frmCSVfields::CmdCancel_Click);
}

void frmCSVfields::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) Form_Load();
    QDialog::showEvent(event);
}

void frmCSVfields::Form_Load()
{
    centreOnScreen(*this);
    // Every import asks afresh: the boxes never show an earlier answer.
    for (QLineEdit* box : {txtSampleCenterLoc, txtDiePitch, txtXIndex, txtYindex, txtXrel, txtYrel}) box->clear();
    columns_.reset();
    txtSampleCenterLoc->setFocus();
}

void frmCSVfields::CmdOK_Click()
{
    const std::array<QLineEdit*, 6> boxes{txtSampleCenterLoc, txtDiePitch, txtXIndex, txtYindex, txtXrel, txtYrel};
    std::array<std::string, 6> texts;
    for (std::size_t i = 0; i < boxes.size(); ++i) texts[i] = toBytes(boxes[i]->text());

    // The import's own check, so the dialog never confirms columns the import would refuse.
    const CsvColumnsCheck check = checkCsvColumnBoxes(texts);
    if (!check.columns) {
        platform_.messageBox(fromBytes(check.message), tr("CSV File Information"), MessageIcon::Exclamation,
                             MessageButtons::Ok);
        if (check.box >= 0 && check.box < static_cast<int>(boxes.size())) {
            QLineEdit* refused = boxes[static_cast<std::size_t>(check.box)];
            refused->setFocus();
            refused->selectAll();
        }
        return;
    }
    columns_ = check.columns;
    accept();
}

void frmCSVfields::CmdCancel_Click() { reject(); }

}  // namespace solvane
