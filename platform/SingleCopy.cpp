// One running copy per data folder, through Qt's lock file and a local socket.
#include "platform/SingleCopy.h"

#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QRegularExpression>
#include <memory>

#include "platform/SafeFiles.h"

namespace zarvelo::platform {

namespace {

const QString kLockName = QStringLiteral(".zarvelo.lock");
const QByteArray kRaise = "raise\n";
const QByteArray kRaised = "raised\n";
constexpr int kAnswerMilliseconds = 5000;  // the first copy may still be in its splash

std::unique_ptr<QLockFile> g_lock;
QLocalServer* g_server = nullptr;

// The socket's name: one per folder and user, short enough for any socket path.
QString ServerName(const QString& folder) {
    const QByteArray key = QFile::encodeName(QDir(folder).canonicalPath()) + '/' +
                           QByteArray::number(static_cast<qulonglong>(::getuid()));
    return QStringLiteral("zarvelo-") +
           QString::fromLatin1(
               QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(24));
}

void Listen(const QString& name, std::function<void()> raise) {
    QLocalServer::removeServer(name);  // a socket left by a killed copy: the lock is ours now
    g_server = new QLocalServer;
    g_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!g_server->listen(name)) return;
    QObject::connect(g_server, &QLocalServer::newConnection, g_server, [raise] {
        while (QLocalSocket* socket = g_server->nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QLocalSocket::readyRead, socket, [socket, raise] {
                if (!socket->readAll().contains(kRaise.trimmed())) return;
                raise();
                socket->write(kRaised);
                socket->flush();
            });
        }
    });
}

bool AskToRaise(const QString& name) {
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(kAnswerMilliseconds)) return false;
    socket.write(kRaise);
    if (!socket.waitForBytesWritten(kAnswerMilliseconds)) return false;
    QByteArray answer;
    while (!answer.contains('\n') && socket.waitForReadyRead(kAnswerMilliseconds))
        answer += socket.readAll();
    return answer == kRaised;
}

}  // namespace

FolderClaim ClaimDataFolder(const QString& folder, std::function<void()> raise, QString* what) {
    auto lock = std::make_unique<QLockFile>(QDir(folder).filePath(kLockName));
    // The lock is held for as long as the game runs: only a dead holder makes it stale.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        g_lock = std::move(lock);
        Listen(ServerName(folder), std::move(raise));
        return FolderClaim::Ours;
    }
    if (lock->error() != QLockFile::LockFailedError) {
        if (what) *what = QStringLiteral("no lock can be taken in %1").arg(folder);
        return FolderClaim::Unlockable;
    }
    qint64 pid = 0;
    QString host, application;
    lock->getLockInfo(&pid, &host, &application);
    if (what) *what = QStringLiteral("process %1").arg(pid);
    return AskToRaise(ServerName(folder)) ? FolderClaim::Raised : FolderClaim::HeldBy;
}

void ReleaseDataFolder() {
    // Only files are touched: the end may come on another thread than the socket's.
    if (g_server) QLocalServer::removeServer(g_server->serverName());
    if (g_lock) g_lock->unlock();
}

int RemoveLeftoverTemporaryFiles(const QString& folder) {
    static const QRegularExpression kOurs(QStringLiteral("^\\.zarvelo-[0-9a-f]{6}\\.tmp$"));
    const QDir dir(folder);
    int removed = 0;
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        const QString path = dir.filePath(name);
        if (kOurs.match(name).hasMatch() && KindOf(path) == FileKind::Regular &&
            ::unlink(QFile::encodeName(path).constData()) == 0)
            ++removed;
    }
    return removed;
}

}  // namespace zarvelo::platform
