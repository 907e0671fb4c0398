#include "dialogs/ringsform.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QVBoxLayout>

#include "dialogs/dialogparts.h"
#include "dialogs/snapform.h"

namespace solvane {

namespace {

QScrollBar* makeCountBar(const char* name, int maximum, int value, QWidget* parent)
{
    QScrollBar* bar = makeScrollBar(name, 220, parent);
    bar->setRange(1, maximum);
    bar->setPageStep(5);
    bar->setValue(value);
    // The point count follows the thumb while it is dragged.
    bar->setTracking(true);
    return bar;
}

}  // namespace

RingsForm::RingsForm(RingCounts counts, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("RingsForm"));
    setWindowTitle(tr("Rings"));
    setModal(true);

    auto* Frame1 = new QGroupBox(this);
    QLabel* Label1 = makeLabel("Label1", tr("No. of Rings"), Frame1);
    Rings = makeLabel("Rings", QString(), Frame1);
    HScroll1 = makeCountBar("HScroll1", MaxRings, counts.rings, Frame1);
    QLabel* Label2 = makeLabel("Label2", tr("Points on First Ring"), Frame1);
    FirstRing = makeLabel("FirstRing", QString(), Frame1);
    HScroll2 = makeCountBar("HScroll2", MaxFirstRingPoints, counts.firstRing, Frame1);
    PointTotal = makeLabel("PointTotal", QString(), Frame1);
    Label1->setBuddy(HScroll1);
    Label2->setBuddy(HScroll2);
    Rings->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral(" 888")));

    auto* frameLayout = new QGridLayout(Frame1);
    frameLayout->addWidget(Label1, 0, 0);
    frameLayout->addWidget(Rings, 0, 1);
    frameLayout->addWidget(HScroll1, 1, 0, 1, 2);
    frameLayout->addWidget(Label2, 2, 0);
    frameLayout->addWidget(FirstRing, 2, 1);
    frameLayout->addWidget(HScroll2, 3, 0, 1, 2);
    frameLayout->addWidget(PointTotal, 4, 0, 1, 2);
    frameLayout->setColumnStretch(0, 1);

    auto* OKBtn = new QPushButton(tr("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    auto* CancelBtn = new QPushButton(tr("Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addLayout(makeOkCancelRow(OKBtn, CancelBtn));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(HScroll1, &QScrollBar::valueChanged, this, &RingsForm::showCounts);
    connect(HScroll2, &QScrollBar::valueChanged, this, &RingsForm::showCounts);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    showCounts();
}

RingCounts RingsForm::counts() const { return {HScroll1->value(), HScroll2->value()}; }

void RingsForm::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) centreOnScreen(*this);
    QDialog::showEvent(event);
}

void RingsForm::showCounts()
{
    Rings->setText(SnapForm::readOut(HScroll1->value()));
    FirstRing->setText(SnapForm::readOut(HScroll2->value()));
    PointTotal->setText(tr("%1 points").arg(ringPointCount(counts())));
}

}  // namespace solvane
