#pragma once

#include <QDialog>
#include <functional>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace solvane {

class Platform;
struct Profile;

// The Parameters dialog: wafer size, coordinate system, beam diameter and edge exclusion of the open
// profile. It works on the profile directly: every change of the size box's text stores
// WaferDiameter at once, OK stores the rest, Cancel stores nothing more. The size box and the edge
// exclusion are greyed once the profile holds two or more points.
// The caller hands in the table refresh (called when a confirmed change of coordinate system needs
// it) and, optionally, the setting of the wafer view's scale for the new diameter (called by OK).
class SetupFrm : public QDialog {
    Q_OBJECT
public:
    SetupFrm(Profile& profile, Platform& platform, std::function<void()> updategrid,
             std::function<void()> setscale = {}, QWidget* parent = nullptr);

    // The sizes offered for the units and accessory model, top to bottom ("300mm" ... or 8" ...).
    static QStringList sizeList(const std::string& units, int modelType);

    // Handlers, public so that the tests can drive them as the controls do.
    void Form_Load();
    void Form_Paint();
    void Combo1_Change();
    void HScroll1_Change();
    void HScroll2_Change();
    void OKBtn_Click();
    void CancelBtn_Click();

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // "2.20 mm": a bar value in tenths of a millimetre as its read-out shows it.
    QString readOut(int tenths) const;
    // The number at the start of a read-out, whatever decimal separator it was printed with.
    double readOutValue(const QString& text) const;

    Profile& profile_;
    Platform& platform_;
    std::function<void()> updategrid_;
    std::function<void()> setscale_;
    double openingDiameter_ = 0.0;

    QLabel* Label6 = nullptr;
    QComboBox* Combo1 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QRadioButton* OptPolarSys = nullptr;
    QRadioButton* OptRectSys = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* EdgeExcl = nullptr;
    QScrollBar* HScroll1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* BeamDia = nullptr;
    QScrollBar* HScroll2 = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
};

}  // namespace solvane
