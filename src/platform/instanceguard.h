#pragma once

#include <QObject>
#include <QString>

class QLocalServer;
class QWidget;

namespace solvane {

// Keeps to one running editor per user: a second start asks the running one, over a per-user local
// socket, to restore and raise its window, and then ends.
class InstanceGuard : public QObject {
    Q_OBJECT
public:
    // serverName defaults to a name of this user's own.
    explicit InstanceGuard(QString serverName = QString(), QObject* parent = nullptr);

    // True when a running instance took the request to show its window.
    bool handOverToRunningInstance() const;

    // Starts answering later starts by restoring and raising window.
    void listen(QWidget* window);

private:
    QString serverName_;
    QLocalServer* server_ = nullptr;
};

}  // namespace solvane
