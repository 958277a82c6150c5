#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace quillux::gui {

// One running copy per user. The first copy listens on a local socket named after the user;
// a later start connects, asks the running copy to wake up and ends without showing
// anything. A socket left behind by a copy that crashed answers no connection and is
// replaced.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // The wake-up request, as the running copy has always understood it.
    static constexpr int kRestoreMessage = 5120;

    explicit SingleInstance(QString serverName = DefaultServerName(), QObject* parent = nullptr);
    ~SingleInstance() override;

    static QString DefaultServerName();

    // Looks for a running copy and, when there is one, asks it to wake up: true means this
    // copy must end. Otherwise starts listening (removing a stale socket) and returns false.
    bool HandOverToRunningCopy();

    bool IsListening() const;

    // True once a wake-up arrived that nobody has taken yet (RestoreRequested has no
    // receiver while the main window is still being created).
    bool TakePendingRestore();

signals:
    void RestoreRequested();

private:
    void ReadRequests();

    QString serverName_;
    QLocalServer* server_ = nullptr;
    bool pendingRestore_ = false;
};

}  // namespace quillux::gui
