#include "dialogs/rotateform.h"

#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "dialogs/dialogparts.h"

namespace solvane {

RotateForm::RotateForm(double angleDeg, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("RotateForm"));
    setWindowTitle(tr("Rotate"));
    setModal(true);

    txtAngle = new QDoubleSpinBox(this);
    txtAngle->setObjectName(QStringLiteral("txtAngle"));
    txtAngle->setRange(-360.0, 360.0);
    txtAngle->setDecimals(1);
    txtAngle->setSingleStep(1.0);
    txtAngle->setSuffix(QStringLiteral(" \u00B0"));
    txtAngle->setValue(angleDeg);

    auto* OKBtn = new QPushButton(tr("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    auto* CancelBtn = new QPushButton(tr("Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));

    auto* fields = new QFormLayout;
    fields->addRow(tr("&Angle (counter-clockwise):"), txtAngle);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(makeOkCancelRow(OKBtn, CancelBtn));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

double RotateForm::angleDeg() const { return txtAngle->value(); }

void RotateForm::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        centreOnScreen(*this);
        txtAngle->selectAll();
    }
    QDialog::showEvent(event);
}

}  // namespace solvane
