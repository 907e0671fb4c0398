// The wafer drawing, checked on sample pixels of a rendered surface (4 pixels per mm).
#include <QtTest>

#include "model/profile.h"
#include "view/waferdrawing.h"

using namespace solvane;

namespace {

constexpr Colour Blue = 0x00FF0000;  // 0x00BBGGRR
constexpr Colour Green = 0x0000FF00;
constexpr Colour Magenta = 0x00FF00FF;

QPalette testPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Button, QColor(200, 200, 200));
    palette.setColor(QPalette::Dark, QColor(100, 100, 100));
    palette.setColor(QPalette::Light, QColor(250, 250, 240));
    palette.setColor(QPalette::WindowText, QColor(0, 0, 0));
    return palette;
}

}  // namespace

class TestWaferDrawing : public QObject {
    Q_OBJECT

private:
    // Pixel colour at a user position (mm) of an 800 x 800 drawing of a 200 mm wafer.
    static QColor at(const WaferSurface& surface, double x, double y)
    {
        const QPointF p = surface.toPixels(x, y);
        return surface.image().pixelColor(static_cast<int>(p.x()), static_cast<int>(p.y()));
    }

    Profile profile_;
    WaferSurface surface_{QSize(800, 800)};

private slots:
    void init()
    {
        profile_ = Profile();
        profile_.WaferDiameter = 200;
        profile_.EdgeExclusion = 5;
        profile_.BeamDiameter = 8;
        profile_.WaferColor = Blue;
        profile_.SpotColor = Green;
        profile_.GridColor = Magenta;
        surface_.resize(QSize(800, 800));
    }

    void discAndFlat()
    {
        WaferDrawing(surface_, profile_, testPalette()).drawwafer();
        QCOMPARE(surface_.toPixels(-100, 100), QPointF(0, 0));
        QCOMPARE(at(surface_, 0, 0), QColor(0, 0, 255));
        QCOMPARE(at(surface_, 0, 90), QColor(0, 0, 255));
        // Beyond the flat (y above 92.56 mm), and outside the 97.56 mm disc: background.
        QCOMPARE(at(surface_, 0, 95), QColor(250, 250, 240));
        QCOMPARE(at(surface_, -98.5, 0), QColor(250, 250, 240));
        QCOMPARE(at(surface_, 97, 0), QColor(0, 0, 255));
        // Just below the flat's edge at 92.56 mm the disc shows; the edge itself is a black line.
        QCOMPARE(at(surface_, 0, 91.5), QColor(0, 0, 255));
        QCOMPARE(at(surface_, 29, 92.56), QColor(0, 0, 0));
    }

    void spotsAreDrawnTurnedByHalfATurn()
    {
        profile_.Points[1] = PointRec{91.0f, 90.0f, False, 0.0f, 91.0f};
        profile_.Points[2] = PointRec{91.0f, 0.0f, False, 91.0f, 0.0f};
        profile_.PointCount = 2;
        WaferDrawing(surface_, profile_, testPalette()).redrawall();
        // Theta 90 is drawn below the centre, Theta 0 on the left; each spot is 4 mm in radius.
        QCOMPARE(at(surface_, 2.5, -91 - 2.5), QColor(0, 255, 0));
        QCOMPARE(at(surface_, -91 - 3, 0), QColor(0, 255, 0));
        QCOMPARE(at(surface_, 91, 0), QColor(0, 0, 255));
        QCOMPARE(at(surface_, -91 - 5, 0), QColor(0, 0, 255));
    }

    void snapDotsSitOnTheStartUpGrid()
    {
        profile_.SnapOn = True;
        WaferDrawing(surface_, profile_, testPalette()).redrawall();
        // Dots of 0.8 mm radius at the centre and at 91 mm on 180, 270, 0 and 90 degrees.
        for (const QPointF dot : {QPointF(0, 0), QPointF(-91, 0), QPointF(0, -91), QPointF(91, 0), QPointF(0, 91)})
            QCOMPARE(at(surface_, dot.x(), dot.y()), QColor(255, 0, 255));
        QCOMPARE(at(surface_, 45, 45), QColor(0, 0, 255));
    }

    void zeroDiameterKeepsThePreviousDrawing()
    {
        WaferDrawing(surface_, profile_, testPalette()).drawwafer();
        const QImage before = surface_.image();
        profile_.WaferDiameter = 0;
        WaferDrawing(surface_, profile_, testPalette()).redrawall();
        QCOMPARE(surface_.image(), before);
    }
};

QTEST_MAIN(TestWaferDrawing)
#include "tst_waferdrawing.moc"
