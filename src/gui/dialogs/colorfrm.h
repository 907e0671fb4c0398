#pragma once

#include <QDialog>
#include <cstdint>

class QPushButton;

namespace solvane {

class Platform;
struct Profile;

// The colour dialog: a preview of the wafer disc (Shape1) with one spot on it (Shape2); clicking a
// circle opens the colour chooser for that colour. OK stores both choices in the profile, refusing
// to let the spot take the wafer's colour; Reset stores the default colours at once; Cancel stores
// nothing. Lengths of the preview are kept in twips, as its layout is given, and converted with the
// screen's logical DPI only for painting and for mouse positions.
class ColorFrm : public QDialog {
    Q_OBJECT
public:
    // A circle of the preview: its bounding square in twips from the preview's top-left corner.
    struct Circle {
        double left = 0.0;
        double top = 0.0;
        double size = 0.0;
    };

    // The preview is a square of this side.
    static constexpr double PreviewTwips = 2300.0;

    ColorFrm(Profile& profile, Platform& platform, QWidget* parent = nullptr);

    // Handlers, public so that the tests can drive them as the controls do. X and Y are in twips
    // from the preview's top-left corner.
    void Form_Load();
    void Picture1_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, double X, double Y);
    void SaveBtn_Click();
    void ResetBtn_Click();
    void CancelBtn_Click();

    Circle shape1() const { return shape1_; }
    Circle shape2() const { return shape2_; }
    std::uint32_t newWaferColor() const { return NewWaferColor; }
    std::uint32_t newSpotColor() const { return NewSpotColor; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void placeShapes();

    Profile& profile_;
    Platform& platform_;
    QWidget* Picture1 = nullptr;
    QPushButton* CancelBtn = nullptr;
    QPushButton* ResetBtn = nullptr;
    QPushButton* SaveBtn = nullptr;
    Circle shape1_;
    Circle shape2_;
    std::uint32_t NewWaferColor = 0;
    std::uint32_t NewSpotColor = 0;
};

}  // namespace solvane
