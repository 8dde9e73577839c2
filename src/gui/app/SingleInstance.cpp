#include "gui/app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace zt46 {
namespace {

constexpr int kAnswerWaitMs = 1000;
// One line per request: "raise", or "open " and the file's path, percent-encoded.
constexpr char kRaise[] = "raise";
constexpr char kOpen[] = "open ";

// Where the lock lies: the user's own runtime folder when there is one, else the temporary folder (the
// key's hash tells the users' locks apart there).
QString LockFolder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo(runtime).isDir() ? runtime : QDir::tempPath();
}

} // namespace

QString DefaultInstanceKey() {
    const QString key = qEnvironmentVariable("ZT46_INSTANCE_KEY");
    if (!key.isEmpty()) return key;
#ifdef Q_OS_UNIX
    return QString("uid-%1").arg(::getuid());
#else
    return "user-" + qEnvironmentVariable("USERNAME");
#endif
}

SingleInstance::SingleInstance(const QString& key, QObject* parent) : QObject(parent) {
    const QByteArray hash = QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    m_serverName = QString("zt46win-%1").arg(QString::fromLatin1(hash));
    m_lockPath = QDir(LockFolder()).filePath(m_serverName + ".lock");
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server.nextPendingConnection())
            Serve(socket);
    });
}

SingleInstance::~SingleInstance() {
    m_server.close();
    if (m_lock) m_lock->unlock();
}

void SingleInstance::Serve(QLocalSocket* socket) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
        while (socket->canReadLine()) {
            const QByteArray line = socket->readLine().trimmed();
            if (line == kRaise) {
                emit RaiseRequested();
            } else if (line.startsWith(kOpen)) {
                emit OpenRequested(
                    QString::fromUtf8(QByteArray::fromPercentEncoding(line.mid(sizeof kOpen - 1))));
            }
        }
    });
}

bool SingleInstance::AskRunningCopy(const QString& file) const {
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(kAnswerWaitMs)) return false;
    socket.write(file.isEmpty() ? QByteArray(kRaise) : kOpen + file.toUtf8().toPercentEncoding("/"));
    socket.write("\n");
    socket.waitForBytesWritten(kAnswerWaitMs);
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::Listen() {
    QLocalServer::removeServer(m_serverName); // a socket file left behind by a copy that died
    return m_server.listen(m_serverName);
}

bool SingleInstance::Acquire(const QString& file) {
    m_lock = std::make_unique<QLockFile>(m_lockPath);
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0)) {
        Listen();
        return true;
    }
    if (AskRunningCopy(file)) return false;
    // The lock's owner does not answer: it is gone or hung for good. Take the lock over.
    QFile::remove(m_lockPath);
    if (!m_lock->tryLock(0)) return true; // run without the guard rather than not at all
    Listen();
    return true;
}

} // namespace zt46
