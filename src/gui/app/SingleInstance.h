#pragma once
// One running copy per user, started from whatever folder, so that two copies never fight over one
// serial port: a lock file marks the first copy, and a local socket lets a second copy hand over what
// it was started for (a file to open, or just to come to the front) before it ends. A lock whose owner
// no longer answers is stale and taken over.

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <memory>

class QLocalSocket;

namespace zt46 {

// The key of the user's copy: the environment's ZT46_INSTANCE_KEY when set (each test program sets its
// own), else the user's id.
QString DefaultInstanceKey();

class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& key = DefaultInstanceKey(), QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this is the only copy (it now holds the lock and listens); false when another copy runs
    // and has been asked to open `file` (an absolute path) or, with none, to show itself.
    bool Acquire(const QString& file = {});
    QString ServerName() const { return m_serverName; }

signals:
    void RaiseRequested();
    void OpenRequested(const QString& file);

private:
    bool AskRunningCopy(const QString& file) const;
    bool Listen();
    void Serve(QLocalSocket* socket);

    QString m_lockPath;
    QString m_serverName;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer m_server;
};

} // namespace zt46
