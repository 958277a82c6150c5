#include "gui/shell/single_instance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QMetaMethod>
#include <unistd.h>

namespace quillux::gui {

namespace {
constexpr int kConnectTimeoutMs = 1000;
constexpr int kLockTimeoutMs = 5000;
}  // namespace

SingleInstance::SingleInstance(QString serverName, QObject* parent)
    : QObject(parent), serverName_(std::move(serverName)) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::DefaultServerName() {
    return QStringLiteral("QuilluxLite-%1").arg(::getuid());
}

bool SingleInstance::HandOverToRunningCopy() {
    // Two copies started at the same moment must not both decide they are the first.
    QLockFile lock(QDir::temp().filePath(serverName_ + QStringLiteral(".lock")));
    lock.tryLock(kLockTimeoutMs);

    QLocalSocket socket;
    socket.connectToServer(serverName_);
    if (socket.waitForConnected(kConnectTimeoutMs)) {
        socket.write(QByteArray::number(kRestoreMessage) + '\n');
        socket.waitForBytesWritten(kConnectTimeoutMs);
        socket.disconnectFromServer();
        if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(kConnectTimeoutMs);
        return true;
    }

    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(serverName_)) {
        QLocalServer::removeServer(serverName_);
        server_->listen(serverName_);
    }
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::ReadRequests);
    return false;
}

bool SingleInstance::IsListening() const { return server_ != nullptr && server_->isListening(); }

bool SingleInstance::TakePendingRestore() {
    const bool pending = pendingRestore_;
    pendingRestore_ = false;
    return pending;
}

void SingleInstance::ReadRequests() {
    while (QLocalSocket* client = server_->nextPendingConnection()) {
        connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
        auto handle = [this, client] {
            while (client->canReadLine()) {
                const QByteArray line = client->readLine().trimmed();
                if (line != QByteArray::number(kRestoreMessage)) continue;
                if (isSignalConnected(QMetaMethod::fromSignal(&SingleInstance::RestoreRequested))) {
                    emit RestoreRequested();
                } else {
                    pendingRestore_ = true;
                }
            }
        };
        connect(client, &QLocalSocket::readyRead, this, handle);
        handle();
    }
}

}  // namespace quillux::gui
