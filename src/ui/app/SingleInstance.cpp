#include "ui/app/SingleInstance.h"

#include <unistd.h>

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace orvex::ui {
namespace {

const QString kInstanceName = QStringLiteral("ORVEX SK Config");
const QByteArray kShowRequestLine = QByteArray::number(SingleInstance::kShowRequest) + '\n';
// Nothing but the one short request is ever sent; a peer sending more is not one of us.
constexpr qint64 kMaxRequestBytes = 16;
constexpr int kSendTimeoutMs = 1000;

}  // namespace

QString SingleInstance::DefaultServerPath() {
    const QString runtimeFolder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtimeFolder.isEmpty()) {
        return QDir(runtimeFolder).filePath(kInstanceName);
    }
    return QDir(QDir::tempPath()).filePath(kInstanceName + u'-' + QString::number(::getuid()));
}

SingleInstance::SingleInstance(QString serverPath, QObject* parent)
    : QObject(parent),
      serverPath_(std::move(serverPath)),
      lock_(serverPath_ + QStringLiteral(".lock")) {
    // A running instance holds its lock for days; only a dead holder makes it stale.
    lock_.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

SingleInstance::Claim SingleInstance::ClaimInstance() {
    if (lock_.tryLock(0)) {
        Listen();
        return Claim::ThisRuns;
    }
    if (lock_.error() != QLockFile::LockFailedError) {
        return Claim::ThisRuns;
    }
    SendShowRequest();
    return Claim::AnotherRuns;
}

void SingleInstance::Listen() {
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // We hold the lock, so a socket file still there was left by a run that crashed.
    QLocalServer::removeServer(serverPath_);
    connect(server_.get(), &QLocalServer::newConnection, this, &SingleInstance::AcceptPending);
    server_->listen(serverPath_);
}

void SingleInstance::AcceptPending() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        socket->setReadBufferSize(kMaxRequestBytes);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { ReadRequest(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void SingleInstance::ReadRequest(QLocalSocket* socket) {
    if (!socket->canReadLine()) {
        if (socket->bytesAvailable() >= kMaxRequestBytes) {
            socket->abort();
        }
        return;
    }
    const QByteArray line = socket->readLine(kMaxRequestBytes);
    socket->disconnectFromServer();
    if (line == kShowRequestLine) {
        emit ShowRequested();
    }
}

void SingleInstance::SendShowRequest() const {
    QLocalSocket socket;
    socket.connectToServer(serverPath_);
    if (!socket.waitForConnected(kSendTimeoutMs)) {
        return;
    }
    socket.write(kShowRequestLine);
    socket.waitForBytesWritten(kSendTimeoutMs);
    socket.disconnectFromServer();
}

}  // namespace orvex::ui
