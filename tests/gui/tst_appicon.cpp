#include <QApplication>
#include <QLabel>
#include <QtTest>

#include "help/appicon.h"
#include "help/frmabout.h"
#include "model/profile.h"
#include "offscreennoise.h"
#include "scriptedplatform.h"

using namespace solvane;

// The application icon reaches the program from the GUI library's resources, and the about box shows it.
class TestAppIcon : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { quietOffscreenWarnings(); }
    void cleanup() { QApplication::setWindowIcon(QIcon()); }

    void everySizeIsItsOwnPicture_data();
    void everySizeIsItsOwnPicture();
    void aboutBoxShowsTheWindowIcon();
};

void TestAppIcon::everySizeIsItsOwnPicture_data()
{
    QTest::addColumn<int>("size");
    for (const int size : {16, 32, 48, 64, 128, 256}) QTest::addRow("%d", size) << size;
}

// A resource dropped by the linker (static library, no initialiser call) leaves a null icon.
void TestAppIcon::everySizeIsItsOwnPicture()
{
    QFETCH(int, size);
    const QIcon icon = applicationIcon();
    QVERIFY(!icon.isNull());
    QVERIFY(icon.availableSizes().contains(QSize(size, size)));
    const QImage image = icon.pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QCOMPARE(image.size(), QSize(size, size));
    // The corners lie outside the round wafer, the centre on its middle spot.
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(image.pixel(size - 1, 0)), 0);
    QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);
    // Drawn for this size, not scaled from another one.
    const QImage own(QStringLiteral(":/icons/solvane-%1.png").arg(size));
    QCOMPARE(image, own.convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

void TestAppIcon::aboutBoxShowsTheWindowIcon()
{
    Profile profile;
    ScriptedPlatform platform;
    QApplication::setWindowIcon(applicationIcon());
    frmAbout dialog(profile, platform);
    const auto* picIcon = dialog.findChild<QLabel*>(QStringLiteral("picIcon"));
    QVERIFY(picIcon);
    const QPixmap shown = picIcon->pixmap();
    QVERIFY(!shown.isNull());
    QCOMPARE(shown.toImage(), QApplication::windowIcon().pixmap(shown.size()).toImage());
    QVERIFY(platform.scriptReport().isEmpty());
}

QTEST_MAIN(TestAppIcon)
#include "tst_appicon.moc"
