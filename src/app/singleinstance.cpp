#include "app/singleinstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QThread>

namespace {

// How long a later start keeps trying to reach an instance that has taken the lock but may not listen yet.
constexpr int reachTimeoutMs = 3000;
constexpr int retryPauseMs = 50;
const QByteArray showRequest = "show\n";

QString runtimeDirectory()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return runtime;
    return QDir::tempPath();
}

// The same settings directory spelled differently (a trailing slash, a symbolic link) names one instance.
QString instanceName(const QString &settingsDirectory)
{
    const QFileInfo info(settingsDirectory);
    const QString path = info.exists() ? info.canonicalFilePath() : QDir::cleanPath(info.absoluteFilePath());
    const QByteArray digest = QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha256).toHex();
    return QStringLiteral("quorin-%1").arg(QString::fromLatin1(digest.left(16)));
}

} // namespace

SingleInstance::SingleInstance(const QString &settingsDirectory, QObject *parent)
    : QObject(parent)
    , m_socketPath(runtimeDirectory() + QLatin1Char('/') + instanceName(settingsDirectory) +
                   QStringLiteral(".sock"))
    , m_lock(runtimeDirectory() + QLatin1Char('/') + instanceName(settingsDirectory) +
             QStringLiteral(".lock"))
{
    // Only a dead owner makes the lock stale, never its age: an instance may run for weeks.
    m_lock.setStaleLockTime(0);
    connect(&m_server, &QLocalServer::newConnection, this, &SingleInstance::onNewConnection);
}

bool SingleInstance::claim()
{
    if (!m_lock.tryLock(0))
        return m_lock.error() != QLockFile::LockFailedError;
    // A socket file left by a crash would make listen() fail.
    QLocalServer::removeServer(m_socketPath);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    m_server.listen(m_socketPath);
    return true;
}

bool SingleInstance::askRunningToShow()
{
    const QDeadlineTimer deadline(reachTimeoutMs);
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(m_socketPath);
        if (socket.waitForConnected(static_cast<int>(deadline.remainingTime()))) {
            socket.write(showRequest);
            const bool sent = socket.waitForBytesWritten(static_cast<int>(deadline.remainingTime()));
            socket.disconnectFromServer();
            return sent;
        }
        QThread::msleep(retryPauseMs);
    }
    return false;
}

void SingleInstance::onNewConnection()
{
    while (QLocalSocket *socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readRequest(socket); });
        readRequest(socket);
    }
}

void SingleInstance::readRequest(QLocalSocket *socket)
{
    if (!socket->canReadLine())
        return;
    if (socket->readLine() == showRequest)
        emit showRequested();
    socket->disconnectFromServer();
}
