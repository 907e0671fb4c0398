#include "platform/instanceguard.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QWidget>
#include <unistd.h>

namespace solvane {

namespace {

constexpr int HandOverTimeoutMs = 1000;
const QByteArray ShowRequest = "show\n";

}  // namespace

InstanceGuard::InstanceGuard(QString serverName, QObject* parent)
    : QObject(parent),
      serverName_(serverName.isEmpty() ? QStringLiteral("solvane-%1").arg(::getuid()) : std::move(serverName))
{}

bool InstanceGuard::handOverToRunningInstance() const
{
    QLocalSocket socket;
    socket.connectToServer(serverName_);
    if (!socket.waitForConnected(HandOverTimeoutMs)) return false;
    socket.write(ShowRequest);
    if (!socket.waitForBytesWritten(HandOverTimeoutMs)) return false;
    // The running instance answers once its window is up again.
    return socket.waitForReadyRead(HandOverTimeoutMs) && socket.readAll().startsWith("ok");
}

void InstanceGuard::listen(QWidget* window)
{
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket left by an instance that crashed would block the name.
    QLocalServer::removeServer(serverName_);
    if (!server_->listen(serverName_)) return;
    QPointer<QWidget> target(window);
    connect(server_, &QLocalServer::newConnection, this, [this, target] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, socket, [socket, target] {
                if (!socket->readAll().startsWith(ShowRequest.trimmed())) return;
                if (target) {
                    target->showNormal();
                    target->raise();
                    target->activateWindow();
                }
                socket->write("ok\n");
                socket->flush();
            });
        }
    });
}

}  // namespace solvane
