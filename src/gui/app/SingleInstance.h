#pragma once
// One running copy per working directory: a lock file marks the first copy, and a local socket lets a
// second copy ask the first to come to the front before it ends. A lock whose owner no longer answers
// is stale and taken over.

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <memory>

namespace zt46 {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& directory, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this is the only copy (it now holds the lock and listens); false when another copy
    // runs and has been asked to show itself.
    bool Acquire();
    QString ServerName() const { return m_serverName; }

signals:
    void RaiseRequested();

private:
    bool AskRunningCopy() const;
    bool Listen();

    QString m_lockPath;
    QString m_serverName;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer m_server;
};

} // namespace zt46
