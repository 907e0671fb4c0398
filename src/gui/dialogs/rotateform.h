#pragma once

#include <QDialog>

class QDoubleSpinBox;

namespace solvane {

// The rotate dialog: an angle in degrees, counter-clockwise, -360 to 360 with one decimal. Takes
// the angle to show and, after OK, gives back the chosen one.
class RotateForm : public QDialog {
    Q_OBJECT
public:
    explicit RotateForm(double angleDeg, QWidget* parent = nullptr);

    double angleDeg() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QDoubleSpinBox* txtAngle = nullptr;
};

}  // namespace solvane
