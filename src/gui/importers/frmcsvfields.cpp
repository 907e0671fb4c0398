#include "importers/frmcsvfields.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <limits>

#include "dialogs/dialogplacement.h"
#include "platform/platform.h"

namespace solvane {

namespace {

// The box's text as a column number: digits only (blanks around them allowed), 0 to 32767.
std::optional<std::int16_t> columnNumber(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) return std::nullopt;
    for (const QChar c : trimmed) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
    }
    bool ok = false;
    const uint value = trimmed.toUInt(&ok);
    if (!ok || value > static_cast<uint>(std::numeric_limits<std::int16_t>::max())) return std::nullopt;
    return static_cast<std::int16_t>(value);
}

}  // namespace

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
    CmdOK->setDefault(true);
    CmdCancel = new QPushButton(tr("Cancel"), this);
    CmdCancel->setObjectName(QStringLiteral("CmdCancel"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(CmdOK);
    buttons->addWidget(CmdCancel);
    buttons->addStretch(1);

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
    struct Box {
        QLineEdit* edit;
        const char* name;
        std::int16_t CsvColumnNumbers::*field;
    };
    const Box boxes[] = {
        {txtSampleCenterLoc, "Sample Center Location", &CsvColumnNumbers::centre},
        {txtDiePitch, "Die Pitch", &CsvColumnNumbers::pitch},
        {txtXIndex, "X index", &CsvColumnNumbers::xindex},
        {txtYindex, "Y index", &CsvColumnNumbers::yindex},
        {txtXrel, "X rel", &CsvColumnNumbers::xrel},
        {txtYrel, "Y rel", &CsvColumnNumbers::yrel},
    };

    CsvColumnNumbers chosen;
    for (const Box& box : boxes) {
        const std::optional<std::int16_t> number = columnNumber(box.edit->text());
        if (!number) {
            platform_.messageBox(tr("Please enter a column number (a whole number of 0 or more) for %1.")
                                     .arg(QLatin1String(box.name)),
                                 tr("CSV File Information"), MessageIcon::Exclamation, MessageButtons::Ok);
            box.edit->setFocus();
            box.edit->selectAll();
            return;
        }
        chosen.*box.field = *number;
    }
    columns_ = chosen;
    accept();
}

void frmCSVfields::CmdCancel_Click() { reject(); }

}  // namespace solvane
