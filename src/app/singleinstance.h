#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

class QLocalSocket;

// One running Quorin per settings directory, so two players never play over each other nor overwrite each
// other's files at exit. The first start holds a lock file and listens on a local socket, both in the
// user's runtime directory and named after the settings directory; a later start with the same directory
// asks the first to come to the front and leaves. A lock or socket left by a crashed instance is taken
// over.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString &settingsDirectory, QObject *parent = nullptr);

    // True when this process is now the settings directory's instance (or when no lock can be taken at
    // all, so a broken runtime directory never keeps Quorin from starting).
    bool claim();
    // Asks the running instance to show itself; false when it could not be reached.
    bool askRunningToShow();

    // The path of the socket, for tests.
    QString socketPath() const { return m_socketPath; }

signals:
    // A later start asked this instance to show its window.
    void showRequested();

private:
    void onNewConnection();
    void readRequest(QLocalSocket *socket);

    QString m_socketPath;
    QLockFile m_lock;
    QLocalServer m_server;
};
