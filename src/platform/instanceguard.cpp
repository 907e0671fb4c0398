#include "platform/instanceguard.h"

#include <QFile>
#include <QGuiApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>
#include <QWidget>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace solvane {

namespace {

const QByteArray ShowRequest = "show\n";
const QByteArray OpenRequest = "open ";
const QByteArray DoneReply = "ok\n";
const QByteArray UnknownReply = "unknown\n";

// A real folder (not a link) of this user's own that no one else may enter.
bool isPrivateFolder(const QByteArray& path)
{
    struct stat status {};
    return ::lstat(path.constData(), &status) == 0 && S_ISDIR(status.st_mode) && status.st_uid == ::getuid() &&
           (status.st_mode & 077) == 0;
}

// The display this instance shows its window on, as letters safe in a file name: editors on two
// X displays of the same user are two instances.
QString displayTag()
{
    QByteArray display = qgetenv("WAYLAND_DISPLAY");
    if (display.isEmpty()) display = qgetenv("DISPLAY");
    QString tag = QGuiApplication::platformName();
    if (!display.isEmpty()) tag += QLatin1Char('-') + QString::fromLocal8Bit(display);
    for (QChar& c : tag) {
        if (!c.isLetterOrNumber() && c != QLatin1Char('.') && c != QLatin1Char('-')) c = QLatin1Char('_');
    }
    return tag;
}

}  // namespace

QString privateRuntimeFolder(const QByteArray& runtimeDir)
{
    if (!runtimeDir.isEmpty() && isPrivateFolder(runtimeDir)) return QFile::decodeName(runtimeDir);
    const QByteArray own = "/tmp/solvane-runtime-" + QByteArray::number(::getuid());
    ::mkdir(own.constData(), 0700);  // an existing one is checked below like any other
    return isPrivateFolder(own) ? QFile::decodeName(own) : QString();
}

QString InstanceGuard::defaultSocketPath()
{
    const QString folder = privateRuntimeFolder(qgetenv("XDG_RUNTIME_DIR"));
    if (folder.isEmpty()) return {};
    return folder + QStringLiteral("/solvane-") + displayTag() + QStringLiteral(".socket");
}

InstanceGuard::InstanceGuard(QString socketPath, QObject* parent) : QObject(parent), socketPath_(std::move(socketPath))
{}

InstanceGuard::HandOver InstanceGuard::handOverToRunningInstance(const QString& path) const
{
    if (socketPath_.isEmpty()) return HandOver::Unsafe;
    struct stat status {};
    if (::lstat(QFile::encodeName(socketPath_).constData(), &status) != 0)
        return errno == ENOENT ? HandOver::NoneRunning : HandOver::Unsafe;
    // Someone else's socket is neither asked nor removed.
    if (!S_ISSOCK(status.st_mode) || status.st_uid != ::getuid()) return HandOver::Unsafe;

    QLocalSocket socket;
    socket.connectToServer(socketPath_);
    if (!socket.waitForConnected(ReplyTimeoutMs)) {
        if (socket.error() == QLocalSocket::ServerNotFoundError) return HandOver::NoneRunning;
        if (socket.error() != QLocalSocket::ConnectionRefusedError) return HandOver::NotAnswering;
        // Refused: the instance that made the socket is gone, and its name can be taken.
        QFile::remove(socketPath_);
        return HandOver::NoneRunning;
    }
    socket.write(path.isEmpty() ? ShowRequest : OpenRequest + QFile::encodeName(path).toPercentEncoding() + '\n');
    if (!socket.waitForBytesWritten(ReplyTimeoutMs)) return HandOver::NotAnswering;
    // The running instance answers once its window is up again.
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(ReplyTimeoutMs)) return HandOver::NotAnswering;
    }
    return socket.readLine(MaxRequestBytes) == DoneReply ? HandOver::Done : HandOver::NotAnswering;
}

bool InstanceGuard::listen(QWidget* window, std::function<void(const QString&)> open)
{
    if (socketPath_.isEmpty()) return false;
    window_ = window;
    open_ = std::move(open);
    if (!server_) {
        server_ = new QLocalServer(this);
        server_->setSocketOptions(QLocalServer::UserAccessOption);
        server_->setMaxPendingConnections(MaxConnections);
        connect(server_, &QLocalServer::newConnection, this, &InstanceGuard::acceptConnections);
        auto* watch = new QTimer(this);
        connect(watch, &QTimer::timeout, this, &InstanceGuard::relistenIfClosed);
        watch->start(RelistenCheckMs);
    }
    return server_->listen(socketPath_);
}

void InstanceGuard::relistenIfClosed()
{
    // A failed accept (no file descriptors left, say) closes the server and removes its socket.
    if (!server_->isListening() && !QFile::exists(socketPath_)) server_->listen(socketPath_);
}

void InstanceGuard::acceptConnections()
{
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        if (connections_ >= MaxConnections) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        ++connections_;
        connect(socket, &QObject::destroyed, this, [this] { --connections_; });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        // A client that never finishes its request must not hold a place for good.
        QTimer::singleShot(IdleTimeoutMs, socket, [socket] {
            socket->abort();
            socket->deleteLater();
        });
        connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
            while (socket->canReadLine()) socket->write(answer(socket->readLine(MaxRequestBytes)));
            if (socket->bytesAvailable() > MaxRequestBytes) socket->abort();
            socket->flush();
        });
    }
}

QByteArray InstanceGuard::answer(const QByteArray& request)
{
    const bool opens = request.startsWith(OpenRequest) && request.endsWith('\n') && open_;
    if (request != ShowRequest && !opens) return UnknownReply;
    if (window_) {
        window_->showNormal();
        window_->raise();
        window_->activateWindow();
    }
    if (opens) {
        const QString path = QFile::decodeName(
            QByteArray::fromPercentEncoding(request.mid(OpenRequest.size()).chopped(1)));
        QTimer::singleShot(0, this, [this, path] { open_(path); });
    }
    return DoneReply;
}

}  // namespace solvane
