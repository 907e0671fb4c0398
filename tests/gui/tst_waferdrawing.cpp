// The wafer drawing, checked on sample pixels of a rendered 800 x 800 surface of a 200 mm wafer (4 pixels per mm).
#include <QtTest>

#include "model/profile.h"
#include "render/waferdrawing.h"

using namespace solvane;

class TestWaferDrawing : public QObject {
    Q_OBJECT

private:
    Profile profile_;
    WaferSurface surface_{QSize(800, 800)};
    bool showPath_ = false;

    // Draws the profile (the palette's Light colour is the background) and reads the pixel at each user position.
    QList<QColor> draw(bool all, const QList<QPointF>& positions)
    {
        QPalette palette;
        palette.setColor(QPalette::Light, QColor(250, 250, 240));
        palette.setColor(QPalette::WindowText, QColor(0, 0, 0));
        WaferDrawing drawing(surface_, profile_, palette);
        drawing.setShowPath(showPath_);
        all ? drawing.redrawall() : drawing.drawwafer();
        QList<QColor> colours;
        for (const QPointF& p : positions) {
            const QPointF pixel = surface_.toPixels(p.x(), p.y());
            colours.append(surface_.image().pixelColor(static_cast<int>(pixel.x()), static_cast<int>(pixel.y())));
        }
        return colours;
    }

private slots:
    void init()
    {
        profile_ = Profile();
        showPath_ = false;
        profile_.WaferDiameter = 200;
        profile_.EdgeExclusion = 5;
        profile_.BeamDiameter = 8;
        profile_.WaferColor = 0x00FF0000;  // 0x00BBGGRR: blue
        profile_.SpotColor = 0x0000FF00;
        profile_.GridColor = 0x00FF00FF;
    }

    // The disc ends at 97.56 mm, the flat at y 92.56 mm with a black edge line.
    void discAndFlat()
    {
        const QColor background(250, 250, 240);
        QCOMPARE(draw(false, {{0, 0}, {0, 95}, {-98.5, 0}, {97, 0}, {0, 91.5}, {29, 92.56}}),
                 QList<QColor>({Qt::blue, background, background, Qt::blue, Qt::blue, Qt::black}));
    }

    // The path runs under the spots; a segment towards a point far off the surface is clipped to it, and one
    // with a position that is not a number is left out.
    void pathIsClippedToTheSurface()
    {
        profile_.Points[1] = PointRec{91.0f, 0.0f, False, 91.0f, 0.0f};     // drawn at (-91, 0)
        profile_.Points[2] = PointRec{91.0f, 180.0f, False, -91.0f, 0.0f};  // drawn at (91, 0)
        profile_.Points[3] = PointRec{1e30f, 90.0f, False, 0.0f, 1e30f};    // far below the surface
        profile_.Points[4] = PointRec{NAN, 0.0f, False, NAN, 0.0f};
        profile_.PointCount = 4;
        showPath_ = true;
        QCOMPARE(draw(true, {{0, 0}, {91.1, -50}, {-91, 0}, {0, 50}}),
                 QList<QColor>({Qt::magenta, Qt::magenta, Qt::green, Qt::blue}));
    }

    // At twice the pixel density the image has four device pixels to a logical one and positions stay logical.
    // The outline of a spot 16 logical pixels wide, centred on device pixel 800, covers device pixels 831 and 832:
    // a logical pixel's width at a place between logical pixels, which only drawing at full density gives.
    void spotEdgeIsSharpAtTwiceTheDensity()
    {
        surface_.resize(QSize(800, 800), 2.0);
        profile_.Points[1] = PointRec{0.0f, 0.0f, False, 0.0f, 0.0f};
        profile_.PointCount = 1;
        draw(true, {});
        const QImage& image = surface_.image();
        QCOMPARE(std::tuple(image.size(), surface_.toPixels(0, 0), surface_.toUser(QPointF(800, 0))),
                 std::tuple(QSize(1600, 1600), QPointF(400, 400), QPointF(100, 100)));
        QList<QColor> edge;
        for (int x = 829; x <= 834; ++x) edge.append(image.pixelColor(x, 800));
        QCOMPARE(edge, QList<QColor>({Qt::green, Qt::green, Qt::black, Qt::black, Qt::blue, Qt::blue}));
    }

    void highlightAreaHoldsAllItDraws_data()
    {
        QTest::addColumn<qreal>("devicePixelRatio");
        QTest::addColumn<double>("beam");
        QTest::addColumn<float>("R");
        QTest::addColumn<int>("n");
        QTest::newRow("one digit") << 1.0 << 8.0 << 50.0f << 7;
        QTest::newRow("four digits") << 1.0 << 8.0 << 50.0f << 2000;
        QTest::newRow("twice the density") << 2.0 << 8.0 << 50.0f << 1999;
        QTest::newRow("across the image's edge") << 1.0 << 8.0 << 99.0f << 12;
        QTest::newRow("beam too wide for a stamp") << 1.0 << 40.0 << 20.0f << 345;
    }

    // A spot with its number drawn over the picture and the pixels saved from its spotArea put back: the
    // picture is as before, so taking back a highlight this way leaves nothing of it.
    void highlightAreaHoldsAllItDraws()
    {
        QFETCH(qreal, devicePixelRatio);
        QFETCH(double, beam);
        QFETCH(float, R);
        QFETCH(int, n);
        surface_.resize(QSize(800, 800), devicePixelRatio);
        profile_.BeamDiameter = beam;
        for (int i = 1; i <= 40; ++i)
            profile_.Points[static_cast<std::size_t>(i)] = PointRec{i * 2.4f, i * 9.0f, False, 0, 0};
        profile_.PointCount = 40;
        draw(true, {});
        const QImage before = surface_.image().copy();
        WaferDrawing drawing(surface_, profile_, QPalette());
        const WaferSurface::SavedArea saved = surface_.save(drawing.spotArea(R, 30.0f, n));
        drawing.drawspot(R, 30.0f, Red, Black);
        drawing.drawnumber(R, 30.0f, n);
        QVERIFY(surface_.image() != before);
        surface_.restore(saved);
        QCOMPARE(surface_.image(), before);
    }
};

QTEST_MAIN(TestWaferDrawing)
#include "tst_waferdrawing.moc"
