// The Qt platform: file filters, the settings file, colours, the help window and the pointer.
#include <QtTest>
#include <QtWidgets>

#include "offscreennoise.h"
#include "platform/colours.h"
#include "platform/helpwindow.h"
#include "platform/qtplatform.h"
#include "platform/qtsettingsstore.h"

using namespace solvane;

class TestPlatform : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString write(const char* name, const QByteArray& bytes)
    {
        QFile file(dir_.filePath(QLatin1String(name)));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) qFatal("cannot write %s", name);
        return file.fileName();
    }

private slots:
    void initTestCase() { quietOffscreenWarnings(); }

    void fileFilter_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("expected");
        QTest::newRow("wafer") << "Wafer File (*.waf)|*.waf|All Files (*.*)|*.*|"
                               << "Wafer File (*.waf);;All Files (*.*)";
        QTest::newRow("no trailing bar") << "CSV File (*.csv)|*.csv"
                                         << "CSV File (*.csv)";
        QTest::newRow("description without pattern") << "KLA File|*.dat|"
                                                     << "KLA File (*.dat)";
        QTest::newRow("several patterns") << "Profiles (*.waf;*.map)|*.waf;*.map|"
                                          << "Profiles (*.waf *.map)";
        QTest::newRow("empty") << ""
                               << "";
    }
    void fileFilter()
    {
        QFETCH(QString, filter);
        QTEST(qtFileFilter(filter), "expected");
    }

    // Keys match in any case, sections apart; a write replaces the other spelling and keeps ISO-8859-1 bytes.
    void settingsFile()
    {
        const QString path = write("qdx.ini", "[QDX]\nunits=inches\nCoord%20Sys=Rectangular\nBeam=8\n");
        const std::string latin1 = "C:\\Profils\\\xE9t\xE9, 2";
        QtSettingsStore store(path);
        QCOMPARE(store.read("QDX", "UNITS", "mms"), std::string("inches"));
        QCOMPARE(store.read("QDX", "coord sys", ""), std::string("Rectangular"));
        QCOMPARE(store.read("Main", "units", "none"), std::string("none"));
        store.write("QDX", "Units", "mms");
        store.write("Main", "Profile", latin1);
        // Read back by the other spelling: a left-over "units=inches" would win as the exact match.
        const QtSettingsStore reopened(path);
        QCOMPARE(std::tuple(reopened.read("QDX", "units", ""), reopened.read("QDX", "beam", "")),
                 std::tuple(std::string("mms"), std::string("8")));
        QCOMPARE(reopened.read("Main", "profile", ""), latin1);
    }

    // A damaged file, or a folder in its place, reads as the defaults for the whole run, writes or not.
    void settingsDamagedFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("binary") << QByteArrayLiteral("\x00\x01\xff\xfe[[[\x00=\n\x80\x81");
        QTest::newRow("unclosed section") << QByteArray("[QDX\nBeam=3\n");
        QTest::newRow("folder") << QByteArray();
    }
    void settingsDamagedFile()
    {
        QFETCH(QByteArray, bytes);
        const QString path = bytes.isEmpty() ? dir_.filePath(QStringLiteral("folder.ini")) : write("bad.ini", bytes);
        QVERIFY(!bytes.isEmpty() || QDir().mkpath(path));
        QtSettingsStore store(path);
        QCOMPARE(store.read("QDX", "Beam", "8"), std::string("8"));
        store.write("QDX", "Edge", "4");
        QCOMPARE(store.read("QDX", "Edge", "5"), std::string("5"));
    }

    // The chooser's answer comes back as 0x00BBGGRR; a system colour is the palette's (more in tst_waferdrawing).
    void colours()
    {
        QCOMPARE(fromQColor(QColor(0, 128, 255)), 0x00FF8000u);
        QPalette palette;
        palette.setColor(QPalette::Dark, QColor(4, 5, 6));
        QCOMPARE(toQColor(0x80000010u, palette), QColor(4, 5, 6));
    }

    // One help window shows the file read as ISO-8859-1, or says an unreadable one could not be read.
    void helpWindow()
    {
        QtPlatform platform(std::make_unique<MemorySettingsStore>());
        for (const QString& file : {write("qdx5.hlp", "<p>Caf\xE9 table</p>"), dir_.filePath("missing/qdx5.hlp")}) {
            platform.showHelp(file);
            QList<HelpWindow*> windows;
            for (QWidget* top : QApplication::topLevelWidgets())
                if (auto* help = qobject_cast<HelpWindow*>(top)) windows << help;
            QCOMPARE(windows.size(), 1);
            const bool read = !file.contains(QLatin1String("missing"));
            QCOMPARE(windows[0]->findChild<QTextBrowser*>()->toPlainText(), read ? "Caf\u00E9 table" : "");
            QCOMPARE(windows[0]->problemText().contains(QLatin1String("could not be read")), !read);
        }
    }

    void pointerIsOneOverrideAtMost()
    {
        QtPlatform platform(std::make_unique<MemorySettingsStore>());
        platform.setPointer(Pointer::Busy);
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        platform.setPointer(Pointer::Text);
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::IBeamCursor);
        platform.setPointer(Pointer::Default);
        QVERIFY(!QGuiApplication::overrideCursor());
    }
};

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
