#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A Firebird 3 server of the test's own: the Debian package's server program started as a
// child process of the test, as the user running it, listening on a free loopback port,
// with its own configuration, security database (holding the credentials Sorvik logs in
// with), lock, temporary and database folders, all in one temporary folder. Nothing of
// the machine's own server or its service is used or changed.
//
// When the server cannot start (the package is missing, the port is taken, the server
// ends at once), running() is false and failure() says why, so a test can skip.
class FirebirdServer
{
public:
    FirebirdServer();
    ~FirebirdServer();
    FirebirdServer(const FirebirdServer &) = delete;
    FirebirdServer &operator=(const FirebirdServer &) = delete;

    bool running() const { return m_failure.isEmpty(); }
    const QString &failure() const { return m_failure; }

    int port() const { return m_port; }
    // The server's folder for databases (the server and the test share the file system).
    QString databaseFolder() const;
    // "localhost/PORT:" and "127.0.0.1/PORT:", the two ways a site names this server.
    QString localhostPrefix() const;
    QString addressPrefix() const;

private:
    bool prepareFolder();
    bool createSecurityDatabase();
    bool start();
    bool run(const QString &program, const QStringList &arguments, const QByteArray &input, QString &output);
    QProcessEnvironment serverEnvironment() const;

    QTemporaryDir m_root;
    QProcess m_server;
    int m_port = 0;
    QString m_failure;
};
