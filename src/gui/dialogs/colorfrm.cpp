#include "dialogs/colorfrm.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <cmath>

#include "dialogs/dialogparts.h"
#include "model/profile.h"
#include "platform/platform.h"
#include "platform/twips.h"
#include "render/colours.h"

namespace solvane {

namespace {

// Strictly inside: a point on the rim is outside.
bool inside(const ColorFrm::Circle& circle, double x, double y)
{
    const double radius = circle.size / 2.0;
    const double dx = x - (circle.left + circle.size / 2.0);
    const double dy = y - (circle.top + circle.size / 2.0);
    return std::sqrt(dx * dx + dy * dy) < radius;
}

// The preview square: paints the two circles of the dialog and hands mouse presses back in twips.
class ColourPreview : public QWidget {
public:
    explicit ColourPreview(ColorFrm& dialog) : QWidget(&dialog), dialog_(dialog)
    {
        setObjectName(QStringLiteral("Picture1"));
        const int side = static_cast<int>(std::lround(twipsToPixels(ColorFrm::PreviewTwips, logicalDpiX())));
        setFixedSize(side, side);
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillRect(rect(), palette().color(QPalette::Button));
        paintCircle(painter, dialog_.shape1(), dialog_.newWaferColor());
        paintCircle(painter, dialog_.shape2(), dialog_.newSpotColor());
    }

    void mousePressEvent(QMouseEvent* event) override
    {
        const QPointF at = event->position();
        dialog_.Picture1_MouseDown(event->button(), event->modifiers(), pixelsToTwips(at.x(), logicalDpiX()),
                                   pixelsToTwips(at.y(), logicalDpiY()));
    }

private:
    void paintCircle(QPainter& painter, const ColorFrm::Circle& circle, std::uint32_t colour)
    {
        const QRectF box(twipsToPixels(circle.left, logicalDpiX()), twipsToPixels(circle.top, logicalDpiY()),
                         twipsToPixels(circle.size, logicalDpiX()), twipsToPixels(circle.size, logicalDpiY()));
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
        painter.setBrush(toQColor(colour, palette()));
        painter.drawEllipse(box);
    }

    ColorFrm& dialog_;
};

}  // namespace

ColorFrm::ColorFrm(Profile& profile, Platform& platform, QWidget* parent)
    : QDialog(parent), profile_(profile), platform_(platform)
{
    setObjectName(QStringLiteral("ColorFrm"));
    setWindowTitle(tr("Color"));
    setModal(true);

    Picture1 = new ColourPreview(*this);
    CancelBtn = new QPushButton(tr("Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    ResetBtn = new QPushButton(tr("Reset"), this);
    ResetBtn->setObjectName(QStringLiteral("ResetBtn"));
    SaveBtn = new QPushButton(tr("OK"), this);
    SaveBtn->setObjectName(QStringLiteral("SaveBtn"));
    SaveBtn->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(CancelBtn);
    buttons->addWidget(ResetBtn);
    buttons->addWidget(SaveBtn);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, layout->contentsMargins().bottom());
    layout->addWidget(Picture1, 0, Qt::AlignLeft | Qt::AlignTop);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    buttons->setContentsMargins(8, 0, 8, 0);

    setTabOrder(CancelBtn, ResetBtn);
    setTabOrder(ResetBtn, SaveBtn);

    placeShapes();
    NewWaferColor = profile_.WaferColor;
    NewSpotColor = profile_.SpotColor;

    connect(CancelBtn, &QPushButton::clicked, this, &ColorFrm::CancelBtn_Click);
    connect(ResetBtn, &QPushButton::clicked, this, &ColorFrm::ResetBtn_Click);
    connect(SaveBtn, &QPushButton::clicked, this, &ColorFrm::SaveBtn_Click);
}

void ColorFrm::placeShapes()
{
    // The disc is inset 100 twips from the preview's edges; the spot, a quarter of its size, sits a
    // quarter of the way in from the disc's top and left.
    shape1_ = Circle{100.0, 100.0, PreviewTwips - 200.0};
    shape2_ = Circle{shape1_.left + shape1_.size / 4.0, shape1_.top + shape1_.size / 4.0, shape1_.size / 4.0};
}

void ColorFrm::showEvent(QShowEvent* event)
{
    // Every showing starts from the stored colours, as a freshly loaded window does.
    if (!event->spontaneous()) Form_Load();
    QDialog::showEvent(event);
}

void ColorFrm::Form_Load()
{
    centreOnScreen(*this);
    placeShapes();
    NewWaferColor = profile_.WaferColor;
    NewSpotColor = profile_.SpotColor;
    Picture1->update();
}

void ColorFrm::Picture1_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, double X, double Y)
{
    // The spot lies on the disc, so it is tested first. The chooser starts from the stored colour,
    // not from one chosen earlier in this showing.
    if (inside(shape2_, X, Y)) {
        NewSpotColor = platform_.chooseColour(profile_.SpotColor);
    } else if (inside(shape1_, X, Y)) {
        NewWaferColor = platform_.chooseColour(profile_.WaferColor);
    } else {
        return;
    }
    Picture1->update();
}

void ColorFrm::SaveBtn_Click()
{
    if (NewSpotColor == NewWaferColor) {
        platform_.messageBox(QStringLiteral("Wafer and Spot colors are the same. ") +
                                 QStringLiteral("Spot color will be changed "),
                             QStringLiteral("Caution"), MessageIcon::None, MessageButtons::Ok);
        NewSpotColor = profile_.DefSpotColor;
    }
    profile_.WaferColor = NewWaferColor;
    profile_.SpotColor = NewSpotColor;
    accept();
}

void ColorFrm::ResetBtn_Click()
{
    NewWaferColor = profile_.DefWaferColor;
    NewSpotColor = profile_.DefSpotColor;
    // Stored at once: a later Cancel keeps the defaults.
    profile_.WaferColor = NewWaferColor;
    profile_.SpotColor = NewSpotColor;
    Picture1->update();
}

void ColorFrm::CancelBtn_Click() { reject(); }

}  // namespace solvane
