#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QPalette>
#include <QTextBrowser>
#include <QTemporaryDir>
#include <QtTest>
#include <unistd.h>

#include "offscreennoise.h"
#include "platform/colours.h"
#include "platform/helpwindow.h"
#include "platform/qtplatform.h"
#include "platform/qtsettingsstore.h"

using namespace solvane;

class TestPlatform : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { quietOffscreenWarnings(); }
    void fileFilterConversion_data();
    void fileFilterConversion();

    void settingsKeysIgnoreCase();
    void settingsWriteReplacesOtherSpelling();
    void settingsKeepLatin1Text();
    void settingsDamagedFileGivesDefaults_data();
    void settingsDamagedFileGivesDefaults();
    void settingsUnreadableFileGivesDefaults();
    void settingsFolderInPlaceOfFileGivesDefaults();

    void colours_data();
    void colours();
    void twips();

    void helpWindowShowsFile();
    void helpWindowUnreadableFile();
    void pointerIsOneOverrideAtMost();

private:
    QString writeFile(const QString& name, const QByteArray& bytes);
    QTemporaryDir dir_;
};

QString TestPlatform::writeFile(const QString& name, const QByteArray& bytes)
{
    const QString path = dir_.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(path));
    file.write(bytes);
    return path;
}

void TestPlatform::fileFilterConversion_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("expected");
    QTest::newRow("wafer") << "Wafer File (*.waf)|*.waf|All Files (*.*)|*.*|" << "Wafer File (*.waf);;All Files (*.*)";
    QTest::newRow("map") << "Map File (*.map)|*.map|All Files (*.*)|*.*|" << "Map File (*.map);;All Files (*.*)";
    QTest::newRow("no trailing bar") << "CSV File (*.csv)|*.csv" << "CSV File (*.csv)";
    QTest::newRow("description without pattern") << "KLA File|*.dat|" << "KLA File (*.dat)";
    QTest::newRow("several patterns") << "Profiles (*.waf;*.map)|*.waf;*.map|" << "Profiles (*.waf *.map)";
    QTest::newRow("empty") << "" << "";
}

void TestPlatform::fileFilterConversion()
{
    QFETCH(QString, filter);
    QFETCH(QString, expected);
    QCOMPARE(qtFileFilter(filter), expected);
}

void TestPlatform::settingsKeysIgnoreCase()
{
    const QString path = writeFile(QStringLiteral("case.ini"), "[QDX]\nunits=inches\nCoord%20Sys=Rectangular\n");
    const QtSettingsStore store(path);
    QCOMPARE(store.read("QDX", "Units", "mms"), std::string("inches"));
    QCOMPARE(store.read("QDX", "UNITS", "mms"), std::string("inches"));
    QCOMPARE(store.read("QDX", "coord sys", ""), std::string("Rectangular"));
    QCOMPARE(store.read("QDX", "Beam", "8"), std::string("8"));
    // Sections are separate: the same key elsewhere is absent.
    QCOMPARE(store.read("Main", "units", "none"), std::string("none"));
}

void TestPlatform::settingsWriteReplacesOtherSpelling()
{
    const QString path = writeFile(QStringLiteral("write.ini"), "[QDX]\nUnits=mms\nBeam=8\n");
    {
        QtSettingsStore store(path);
        store.write("QDX", "units", "inches");
        store.write("QDX", "Coord Sys", "Polar");
        QCOMPARE(store.read("QDX", "Units", ""), std::string("inches"));
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY2(text.contains("units=inches"), text.constData());
    QVERIFY2(!text.contains("Units="), text.constData());
    QVERIFY(text.contains("Beam=8"));
    // A second store on the same file sees what the first wrote.
    const QtSettingsStore reopened(path);
    QCOMPARE(reopened.read("QDX", "coord sys", ""), std::string("Polar"));
}

void TestPlatform::settingsKeepLatin1Text()
{
    const QString path = dir_.filePath(QStringLiteral("latin1.ini"));
    const std::string value = "C:\\Profils\\\xE9t\xE9, 2";  // é in ISO-8859-1, a comma and backslashes
    {
        QtSettingsStore store(path);
        store.write("Main", "Profile", value);
    }
    const QtSettingsStore reopened(path);
    QCOMPARE(reopened.read("Main", "profile", ""), value);
}

void TestPlatform::settingsDamagedFileGivesDefaults_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("binary") << QByteArray("\x00\x01\xff\xfe[[[\x00=\n\x80\x81", 14);
    QTest::newRow("unclosed section") << QByteArray("[QDX\nBeam=3\n");
    QTest::newRow("empty") << QByteArray();
}

void TestPlatform::settingsDamagedFileGivesDefaults()
{
    QFETCH(QByteArray, bytes);
    const QString path = writeFile(QStringLiteral("damaged.ini"), bytes);
    QtSettingsStore store(path);
    QCOMPARE(store.read("QDX", "Beam", "8"), std::string("8"));
    QCOMPARE(store.read("Main", "Type", "0"), std::string("0"));
    store.write("QDX", "Beam", "6");  // must not crash either
}

void TestPlatform::settingsUnreadableFileGivesDefaults()
{
    if (::geteuid() == 0) QSKIP("the superuser can read any file");
    const QString path = writeFile(QStringLiteral("locked.ini"), "[QDX]\nBeam=3\n");
    QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions()));
    const QtSettingsStore store(path);
    QCOMPARE(store.read("QDX", "Beam", "8"), std::string("8"));
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

void TestPlatform::settingsFolderInPlaceOfFileGivesDefaults()
{
    const QString path = dir_.filePath(QStringLiteral("folder.ini"));
    QVERIFY(QDir().mkpath(path));
    QtSettingsStore store(path);
    QCOMPARE(store.read("QDX", "Edge", "5"), std::string("5"));
    store.write("QDX", "Edge", "4");
    QCOMPARE(store.read("QDX", "Edge", "5"), std::string("5"));
}

void TestPlatform::colours_data()
{
    QTest::addColumn<uint>("colour");
    QTest::addColumn<int>("role");
    QTest::addColumn<QColor>("direct");
    QTest::newRow("red") << 0x000000FFu << -1 << QColor(255, 0, 0);
    QTest::newRow("blue") << 0x00FF0000u << -1 << QColor(0, 0, 255);
    QTest::newRow("cyan of 16") << 0x00808000u << -1 << QColor(0, 128, 128);
    QTest::newRow("button face") << 0x8000000Fu << int(QPalette::Button) << QColor();
    QTest::newRow("button shadow") << 0x80000010u << int(QPalette::Dark) << QColor();
    QTest::newRow("3-D light") << 0x80000016u << int(QPalette::Light) << QColor();
    QTest::newRow("window text") << 0x80000008u << int(QPalette::WindowText) << QColor();
}

void TestPlatform::colours()
{
    QFETCH(uint, colour);
    QFETCH(int, role);
    QFETCH(QColor, direct);
    QPalette palette;
    palette.setColor(QPalette::Button, QColor(1, 2, 3));
    palette.setColor(QPalette::Dark, QColor(4, 5, 6));
    palette.setColor(QPalette::Light, QColor(7, 8, 9));
    palette.setColor(QPalette::WindowText, QColor(10, 11, 12));
    const QColor shown = toQColor(colour, palette);
    if (role < 0) {
        QCOMPARE(shown, direct);
        QCOMPARE(fromQColor(shown), colour);
    } else {
        QCOMPARE(shown, palette.color(QPalette::Active, QPalette::ColorRole(role)));
    }
}

void TestPlatform::twips()
{
    QCOMPARE(twipsToPixels(2300, 96), 2300.0 * 96 / 1440);
    QCOMPARE(twipsToPixels(1440, 120), 120.0);
    QCOMPARE(pixelsToTwips(96, 96), 1440.0);
}

void TestPlatform::helpWindowShowsFile()
{
    const QString path = writeFile(QStringLiteral("qdx5.hlp"),
                                   "<html><body><h1>Contents</h1><p>Caf\xE9 table</p></body></html>");
    HelpWindow window;
    QVERIFY(window.showFile(path));
    QVERIFY(window.problemText().isEmpty());
    const QString shown = window.findChild<QTextBrowser*>(QStringLiteral("helpBrowser"))->toPlainText();
    QVERIFY2(shown.contains(QStringLiteral("Caf\u00E9 table")), qPrintable(shown));
}

void TestPlatform::helpWindowUnreadableFile()
{
    QtPlatform platform(std::make_unique<MemorySettingsStore>());
    platform.showHelp(dir_.filePath(QStringLiteral("missing/qdx5.hlp")));
    HelpWindow* window = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* help = qobject_cast<HelpWindow*>(top)) window = help;
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QVERIFY(window->problemText().contains(QStringLiteral("could not be read")));
    QVERIFY(window->findChild<QTextBrowser*>(QStringLiteral("helpBrowser"))->toPlainText().isEmpty());
    // Asking again reuses the one window.
    platform.showHelp(dir_.filePath(QStringLiteral("missing/qdx5.hlp")));
    int windows = 0;
    for (QWidget* top : QApplication::topLevelWidgets()) windows += qobject_cast<HelpWindow*>(top) ? 1 : 0;
    QCOMPARE(windows, 1);
}

void TestPlatform::pointerIsOneOverrideAtMost()
{
    QtPlatform platform(std::make_unique<MemorySettingsStore>());
    platform.setPointer(Pointer::Busy);
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    platform.setPointer(Pointer::Cross);
    platform.setPointer(Pointer::Text);
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::IBeamCursor);
    platform.setPointer(Pointer::Default);
    QVERIFY(!QGuiApplication::overrideCursor());
}

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
