// The Qt platform: file filters, the settings file, colours, the help window and the pointer.
#include "formharness.h"
#include "offscreennoise.h"
#include "platform/helpwindow.h"
#include "platform/instanceguard.h"
#include "platform/qtplatform.h"
#include "platform/qtsettingsstore.h"
#include "render/qttext.h"
#include <QtNetwork>
#include <QtTest>
#include <QtWidgets>
#include <chrono>
#include <future>
#include <memory>
#include <optional>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace solvane;

class TestPlatform : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString write(const char* name, const QByteArray& bytes) { return writeFile(dir_.filePath(name), bytes); }
private slots:
    void initTestCase() { quietOffscreenWarnings(); }
    // Filters in Qt's form.
    void fileFilters()
    {
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
        QCOMPARE(QtSettingsStore(path).read("QDX", "units", ""), std::string("inches"));  // written only by save
        QCOMPARE(s.save(), std::nullopt);
        const QtSettingsStore r(path);
        QCOMPARE(r.read("QDX", "units", "") + '|' + r.read("QDX", "beam", "") + '|' + r.read("Main", "profile", ""),
                 "mms|8|" + latin1);
    }
    // A damaged file reads as the defaults and is replaced by clean keys; what cannot be written (a FIFO, a
    // read-only file, a lock nobody releases) is said in words, without hanging. (A folder: tst_filefaults.)
    void settingsFaults_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("savedBytes");  // the file after the save, when it is a file
        QTest::addColumn<QString>("reason");         // %1: the path
        QTest::addColumn<QString>("beam");           // as read: the default 8 unless the file is whole
        const QString dir = dir_.path();
        QVERIFY(::mkfifo(QFile::encodeName(dir + "/fifo.ini").constData(), 0600) == 0);
        QVERIFY(QDir().mkpath(dir + "/stale.ini.lock"));
        QFile::setPermissions(write("locked.ini", "[QDX]\nBeam=3\n"), QFile::ReadOwner | QFile::ReadOther);
        const QByteArray clean("[QDX]\nEdge=4\n");
        // clang-format off
        QTest::newRow("binary") << write("bin.ini", QByteArrayLiteral("\x00\x01\xff\xfe[[[\x00=\n\x80\x81")) << clean
                                << "" << "8";
        QTest::newRow("fifo") << dir + "/fifo.ini" << QByteArray() << "\"%1\" is not a plain file" << "8";
        QTest::newRow("read-only") << dir + "/locked.ini" << QByteArray("[QDX]\nBeam=3\n") << "\"%1\" is read-only"
                                   << "3";
        QTest::newRow("stale lock") << write("stale.ini", "") << QByteArray()
                                    << "the settings file is locked by \"%1.lock\"; remove it if no other Solvane is "
                                       "running" << "8";
        // clang-format on
    }
    void settingsFaults()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, savedBytes);
        QFETCH(QString, reason);
        QFETCH(QString, beam);
        QtSettingsStore store(path);
        QCOMPARE(store.read("QDX", "Beam", "8"), toBytes(beam));
        store.write("QDX", "Edge", "4");
        const std::optional<std::string> saved = store.save();
        QCOMPARE(saved.value_or(""), toBytes(reason.arg(path)));
        if (savedBytes.isEmpty()) return;  // a FIFO is not opened here either: that would wait for a writer
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), savedBytes);
    }
    // The user's own store finds its file where QSettings keeps it, without opening a FIFO put there.
    void userSettingsFileIsAFifo()
    {
        const QString config = dir_.filePath(QStringLiteral("config"));
        QVERIFY(QDir().mkpath(config + "/Solvane"));
        QVERIFY(::mkfifo(QFile::encodeName(config + "/Solvane/Solvane.ini").constData(), 0600) == 0);
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));
        QtSettingsStore store;
        QCOMPARE(store.fileName(), config + "/Solvane/Solvane.ini");
        QCOMPARE(store.read("QDX", "Beam", "8"), std::string("8"));
        qunsetenv("XDG_CONFIG_HOME");
    }
    // The hand-over socket is looked for per display, in a folder of this user's only.
    void instanceSocketPlace()
    {
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir_.path()));
        qputenv("DISPLAY", ":1");
        QCOMPARE(InstanceGuard::defaultSocketPath(), dir_.path() + "/solvane-offscreen-_1.socket");
        const QString open = dir_.filePath("open"), foreign = dir_.filePath("foreign");
        QVERIFY(::mkdir(QFile::encodeName(open).constData(), 0777) == 0 && ::chmod(QFile::encodeName(open), 0777) == 0);
        QVERIFY(::mkdir(QFile::encodeName(foreign).constData(), 0700) == 0);  // private, but not this user's
        if (::getuid() == 0) QVERIFY(::chown(QFile::encodeName(foreign).constData(), 65534, 65534) == 0);
        QCOMPARE(privateRuntimeFolder(QFile::encodeName(dir_.path())), dir_.path());
        for (const QString& unsafe : {open, foreign})
            QVERIFY(privateRuntimeFolder(QFile::encodeName(unsafe)) != unsafe);
    }
    // A second start is handed over; a live but silent instance keeps its socket, a dead one's socket is taken, and
    // a socket that is not this user's is neither asked nor removed.
    void instanceHandOver()
    {
        // From another thread: this one serves the socket.
        const auto handOver = [](const QString& socket, const QString& path = QString()) {
            auto asked = std::async(std::launch::async,
                                    [socket, path] { return InstanceGuard(socket).handOverToRunningInstance(path); });
            while (asked.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready)
                QCoreApplication::processEvents();
            return asked.get();
        };
        const QString live = dir_.filePath("live.socket");
        InstanceGuard first(live);
        QWidget window;
        QStringList opened;
        QVERIFY(first.listen(&window, [&opened](const QString& path) { opened.append(path); }));
        QCOMPARE(handOver(live), InstanceGuard::HandOver::Done);
        QVERIFY(window.isVisible());
        // Any byte of a file name travels, a line feed and a percent sign too; the file opens after the answer.
        const QString odd = QStringLiteral("/data/lot 7%41\\n\u00e9\nnext.waf");
        QCOMPARE(handOver(live, odd), InstanceGuard::HandOver::Done);
        QTRY_COMPARE(opened, QStringList{odd});

        QLocalServer silent;  // never answers: its event loop is not asked to
        QVERIFY(silent.listen(dir_.filePath("silent.socket")));
        QCOMPARE(InstanceGuard(silent.fullServerName()).handOverToRunningInstance(),
                 InstanceGuard::HandOver::NotAnswering);
        QVERIFY(QFile::exists(silent.fullServerName()));

        const QString dead = dir_.filePath("dead.socket");  // bound, then its owner ended without removing it
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, QFile::encodeName(dead).constData(), sizeof address.sun_path);
        QVERIFY(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0);
        ::close(fd);
        QCOMPARE(InstanceGuard(dead).handOverToRunningInstance(), InstanceGuard::HandOver::NoneRunning);
        QVERIFY(!QFile::exists(dead));

        const QString planted = write("planted.socket", "not a socket");
        QCOMPARE(InstanceGuard(planted).handOverToRunningInstance(), InstanceGuard::HandOver::Unsafe);
        QVERIFY(QFile::exists(planted));
    }
    // One help window shows the file as ISO-8859-1 or says it could not be read (missing, a FIFO); one pointer override
    // at most.
    void helpWindowAndPointer()
    {
        QtPlatform platform(std::make_unique<MemorySettingsStore>());
        const QString fifo = dir_.filePath("fifo.hlp");  // used to freeze the window for good
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        for (const QString& file :
             {write("qdx5.hlp", "<p>Caf\xE9 table</p>"), dir_.filePath("missing/qdx5.hlp"), fifo}) {
            platform.showHelp(file);
            QList<QWidget*> windows = QApplication::topLevelWidgets();
            windows.removeIf([](QWidget* w) { return !qobject_cast<HelpWindow*>(w); });
            QCOMPARE(windows.size(), 1);
            const bool read = file.endsWith(QLatin1String("/qdx5.hlp")) && !file.contains(QLatin1String("missing"));
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
