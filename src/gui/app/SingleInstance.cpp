#include "gui/app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLocalSocket>

namespace zt46 {
namespace {

constexpr int kAnswerWaitMs = 1000;
constexpr char kRaise[] = "raise\n";

} // namespace

SingleInstance::SingleInstance(const QString& directory, QObject* parent) : QObject(parent) {
    const QString dir = QDir(directory).absolutePath();
    m_lockPath = QDir(dir).filePath("ZT46Win.lock");
    const QByteArray hash = QCryptographicHash::hash(dir.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    m_serverName = QString("zt46win-%1").arg(QString::fromLatin1(hash));
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().contains("raise")) emit RaiseRequested();
            });
        }
    });
}

SingleInstance::~SingleInstance() {
    m_server.close();
    if (m_lock) m_lock->unlock();
}

bool SingleInstance::AskRunningCopy() const {
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(kAnswerWaitMs)) return false;
    socket.write(kRaise);
    socket.waitForBytesWritten(kAnswerWaitMs);
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::Listen() {
    QLocalServer::removeServer(m_serverName); // a socket file left behind by a copy that died
    return m_server.listen(m_serverName);
}

bool SingleInstance::Acquire() {
    m_lock = std::make_unique<QLockFile>(m_lockPath);
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0)) {
        Listen();
        return true;
    }
    if (AskRunningCopy()) return false;
    // The lock's owner does not answer: it is gone or hung for good. Take the lock over.
    QFile::remove(m_lockPath);
    if (!m_lock->tryLock(0)) return true; // run without the guard rather than not at all
    Listen();
    return true;
}

} // namespace zt46
