#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

class QLocalServer;

namespace solvane {

// Keeps to one running editor per user and display: a second start asks the running one, over a
// local socket, to restore and raise its window (and to open the file it was given), and then ends.
//
// The socket lives in a folder only this user may enter ($XDG_RUNTIME_DIR, or /tmp/solvane-runtime-UID
// made 0700), so no other user can block the name or listen in. Requests are single lines, each
// answered by one line ("ok"): "show", or "open " and an absolute path, percent-encoded so that any
// byte of a file name (a line feed too) travels; a new request is a new word on its own line.
class InstanceGuard : public QObject {
    Q_OBJECT
public:
    enum class HandOver {
        Done,          // the running instance showed its window: this one ends
        NoneRunning,   // nobody answers at the socket: this one is the instance
        NotAnswering,  // an instance holds the socket but gave no answer in time: its socket stays
        Unsafe,        // no folder of this user's own, or the socket is not this user's
    };

    // socketPath defaults to defaultSocketPath(); empty means there is no safe place.
    explicit InstanceGuard(QString socketPath = defaultSocketPath(), QObject* parent = nullptr);

    // Asks a running instance to show its window, and to open path when one is given (absolute). A
    // socket is removed only when connecting to it is refused (the instance that made it is gone),
    // never because an answer is late.
    HandOver handOverToRunningInstance(const QString& path = QString()) const;

    // Starts answering later starts by restoring and raising window and, for a file, calling open
    // with its path once the answer is sent (so the other start need not wait for the user's
    // questions); false when it cannot listen.
    // At most MaxConnections are served at once, each for IdleTimeoutMs; should the server stop
    // listening (a failed accept closes it), it listens again.
    bool listen(QWidget* window, std::function<void(const QString&)> open = {});

    // "solvane-<display>.socket" in the user's private runtime folder, or empty when there is none.
    static QString defaultSocketPath();

    static constexpr int ReplyTimeoutMs = 1000;
    static constexpr int MaxConnections = 8;
    static constexpr int IdleTimeoutMs = 5000;
    static constexpr int RelistenCheckMs = 1000;
    static constexpr int MaxRequestBytes = 64 * 1024;

private:
    void acceptConnections();
    // The answer to one request line.
    QByteArray answer(const QByteArray& request);
    void relistenIfClosed();

    QString socketPath_;
    QLocalServer* server_ = nullptr;
    QPointer<QWidget> window_;
    std::function<void(const QString&)> open_;
    int connections_ = 0;
};

// The folder for this user's sockets: runtimeDir when it is a folder of this user's own that no
// one else may enter, else /tmp/solvane-runtime-UID, made 0700 when absent and refused unless it is a real
// folder of this user's that no one else may enter. Empty when neither will do.
QString privateRuntimeFolder(const QByteArray& runtimeDir);

}  // namespace solvane
