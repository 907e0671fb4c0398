// The icon comes from the GUI library's resources, each size drawn for itself; the about box shows it.
#include "help/appicon.h"
#include "help/frmabout.h"
#include "model/profile.h"
#include "offscreennoise.h"
#include "scriptedplatform.h"
#include <QLabel>
#include <QtTest>

class TestAppIcon : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { solvane::quietOffscreenWarnings(); }
    void iconSizesAndAboutBox()
    {
        const QIcon icon = solvane::applicationIcon();
        for (const int size : {16, 32, 48, 64, 128, 256}) {
            const QImage image = icon.pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
            QCOMPARE(image, QImage(QStringLiteral(":/icons/solvane-%1.png").arg(size)).convertToFormat(image.format()));
            QCOMPARE(std::pair(qAlpha(image.pixel(0, 0)), qAlpha(image.pixel(size / 2, size / 2))), std::pair(0, 255));
        }
        solvane::Profile profile;
        solvane::ScriptedPlatform platform;
        QApplication::setWindowIcon(icon);
        const QPixmap shown = solvane::frmAbout(profile, platform).findChild<QLabel*>("picIcon")->pixmap();
        QCOMPARE(shown.toImage(), icon.pixmap(shown.size()).toImage());
    }
};
QTEST_MAIN(TestAppIcon)
#include "tst_appicon.moc"
