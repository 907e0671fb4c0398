// The Qt platform: file filters, the settings file, colours, the help window and the pointer.
#include "offscreennoise.h"
#include "platform/colours.h"
#include "platform/helpwindow.h"
#include "platform/qtplatform.h"
#include "platform/qtsettingsstore.h"
#include <QtTest>
#include <QtWidgets>

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
    // Filters in Qt's form; the colour chooser's answer comes back as 0x00BBGGRR (system colours: tst_waferdrawing).
    void filtersAndColours()
    {
        QCOMPARE(fromQColor(QColor(0, 128, 255)), 0x00FF8000u);
        QCOMPARE(qtFileFilter("Wafer File (*.waf)|*.waf|All Files (*.*)|*.*|"), "Wafer File (*.waf);;All Files (*.*)");
        QCOMPARE(qtFileFilter("KLA File|*.dat"), "KLA File (*.dat)");  // no pattern in the text, no trailing bar
        QCOMPARE(qtFileFilter("Profiles (*.waf;*.map)|*.waf;*.map|"), "Profiles (*.waf *.map)");
    }
    // Keys match in any case, sections apart; a write replaces the other spelling and keeps ISO-8859-1 bytes.
    void settingsFile()
    {
        const QString path = write("qdx.ini", "[QDX]\nunits=inches\nCoord%20Sys=Rectangular\nBeam=8\n");
        const std::string latin1 = "C:\\Profils\\\xE9t\xE9, 2";
        QtSettingsStore s(path);  // read back by the other spelling: a left-over "units=inches" would win
        QCOMPARE(s.read("QDX", "UNITS", "mms") + '|' + s.read("QDX", "coord sys", "") + '|' +
                     s.read("Main", "units", "-"),
                 std::string("inches|Rectangular|-"));
        s.write("QDX", "Units", "mms");
        s.write("Main", "Profile", latin1);
        const QtSettingsStore r(path);
        QCOMPARE(r.read("QDX", "units", "") + '|' + r.read("QDX", "beam", "") + '|' + r.read("Main", "profile", ""),
                 "mms|8|" + latin1);
        // A damaged file (binary, unclosed section) or a folder in its place reads as the defaults, writes or not.
        QVERIFY(QDir().mkpath(dir_.filePath(QStringLiteral("folder.ini"))));
        for (const QString& bad : {write("bin.ini", QByteArrayLiteral("\x00\x01\xff\xfe[[[\x00=\n\x80\x81")),
                                   write("open.ini", "[QDX\nBeam=3\n"), dir_.filePath(QStringLiteral("folder.ini"))}) {
            QtSettingsStore damaged(bad);
            damaged.write("QDX", "Edge", "4");
            QCOMPARE(damaged.read("QDX", "Beam", "8") + damaged.read("QDX", "Edge", "5"), std::string("85"));
        }
    }
    // One help window shows the file as ISO-8859-1 or says it could not be read; one pointer override at most.
    void helpWindowAndPointer()
    {
        QtPlatform platform(std::make_unique<MemorySettingsStore>());
        for (const QString& file : {write("qdx5.hlp", "<p>Caf\xE9 table</p>"), dir_.filePath("missing/qdx5.hlp")}) {
            platform.showHelp(file);
            QList<QWidget*> windows = QApplication::topLevelWidgets();
            windows.removeIf([](QWidget* w) { return !qobject_cast<HelpWindow*>(w); });
            QCOMPARE(windows.size(), 1);
            const bool read = !file.contains(QLatin1String("missing"));
            QCOMPARE(windows[0]->findChild<QTextBrowser*>()->toPlainText(), read ? "Caf\u00E9 table" : "");
            QCOMPARE(static_cast<HelpWindow*>(windows[0])->problemText().contains("could not be read"), !read);
        }
        platform.setPointer(Pointer::Busy);
        platform.setPointer(Pointer::Text);
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::IBeamCursor);
        platform.setPointer(Pointer::Default);
        QVERIFY(!QGuiApplication::overrideCursor());
    }
};
QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
