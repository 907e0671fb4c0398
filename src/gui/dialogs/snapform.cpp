#include "dialogs/snapform.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QVBoxLayout>

#include "dialogs/dialogparts.h"
#include "model/profile.h"

namespace solvane {

namespace {

constexpr int MinSteps = 1;
constexpr int MaxSteps = 30;

QScrollBar* makeStepBar(const char* name, QWidget* parent)
{
    QScrollBar* bar = makeScrollBar(name, 220, parent);
    bar->setRange(MinSteps, MaxSteps);
    bar->setSingleStep(1);
    bar->setPageStep(5);
    return bar;
}

}  // namespace

SnapForm::SnapForm(Profile& profile, QWidget* parent) : QDialog(parent), profile_(profile)
{
    setObjectName(QStringLiteral("SnapForm"));
    setWindowTitle(tr("Snap To Grid"));
    setModal(true);

    auto* Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Label1 = makeLabel("Label1", tr("Number of Angle Steps:"), Frame1);
    Ang = makeLabel("Ang", QString(), Frame1);
    HScroll1 = makeStepBar("HScroll1", Frame1);
    Label2 = makeLabel("Label2", tr("Number of Radius Steps:"), Frame1);
    Rad = makeLabel("Rad", QString(), Frame1);
    HScroll2 = makeStepBar("HScroll2", Frame1);
    Label1->setBuddy(HScroll1);
    Label2->setBuddy(HScroll2);
    Ang->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral(" 888")));
    Rad->setMinimumWidth(Ang->minimumWidth());

    auto* frameLayout = new QGridLayout(Frame1);
    frameLayout->addWidget(Label1, 0, 0);
    frameLayout->addWidget(Ang, 0, 1);
    frameLayout->addWidget(HScroll1, 1, 0, 1, 2);
    frameLayout->addWidget(Label2, 2, 0);
    frameLayout->addWidget(Rad, 2, 1);
    frameLayout->addWidget(HScroll2, 3, 0, 1, 2);
    frameLayout->setColumnStretch(0, 1);

    OKBtn = new QPushButton(tr("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    CancelBtn = new QPushButton(tr("Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addLayout(makeOkCancelRow(OKBtn, CancelBtn, ButtonRowPlacement::Right));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(HScroll1, HScroll2);
    setTabOrder(HScroll2, OKBtn);
    setTabOrder(OKBtn, CancelBtn);

    connect(HScroll1, &QScrollBar::valueChanged, this, &SnapForm::HScroll1_Change);
    connect(HScroll2, &QScrollBar::valueChanged, this, &SnapForm::HScroll2_Change);
    connect(OKBtn, &QPushButton::clicked, this, &SnapForm::OKBtn_Click);
    connect(CancelBtn, &QPushButton::clicked, this, &SnapForm::CancelBtn_Click);
}

void SnapForm::setCaptions(const QString& title, const QString& upperCaption, const QString& lowerCaption)
{
    setWindowTitle(title);
    Label1->setText(upperCaption);
    Label2->setText(lowerCaption);
}

QString SnapForm::readOut(int value)
{
    return value < 0 ? QString::number(value) : QLatin1Char(' ') + QString::number(value);
}

void SnapForm::showEvent(QShowEvent* event)
{
    // Every showing starts from the caller's pair, as a freshly loaded window does.
    if (!event->spontaneous()) Form_Load();
    QDialog::showEvent(event);
}

void SnapForm::Form_Load()
{
    centreOnScreen(*this);
    // The bars hold 1 to 30; a pair outside that range shows, and on OK hands back, the nearest end.
    QSignalBlocker blockUpper(HScroll1);
    QSignalBlocker blockLower(HScroll2);
    HScroll1->setValue(profile_.DlgAngSteps);
    HScroll2->setValue(profile_.DlgRadSteps);
    Ang->setText(readOut(HScroll1->value()));
    Rad->setText(readOut(HScroll2->value()));
}

void SnapForm::HScroll1_Change() { Ang->setText(readOut(HScroll1->value())); }

void SnapForm::HScroll2_Change() { Rad->setText(readOut(HScroll2->value())); }

void SnapForm::OKBtn_Click()
{
    profile_.DlgAngSteps = static_cast<std::int16_t>(HScroll1->value());
    profile_.DlgRadSteps = static_cast<std::int16_t>(HScroll2->value());
    accept();
}

void SnapForm::CancelBtn_Click() { reject(); }

}  // namespace solvane
