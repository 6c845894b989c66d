#include "FirebirdServer.h"

#include "db/ConnectionParams.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QThread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const QString PackageConfig = QStringLiteral("/etc/firebird/3.0");

// The package's messages file, under the machine's own library folder.
QString packageMessages()
{
    for (const QString &folder :
         QDir(QStringLiteral("/usr/lib")).entryList({QStringLiteral("*-linux-gnu*")}, QDir::Dirs)) {
        const QString path = QStringLiteral("/usr/lib/%1/firebird/3.0/firebird.msg").arg(folder);
        if (QFile::exists(path))
            return path;
    }
    return {};
}

// A loopback port nobody listens on at this moment.
int freeLoopbackPort()
{
    const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
    if (socket < 0)
        return 0;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    int port = 0;
    if (::bind(socket, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0
        && ::getsockname(socket, reinterpret_cast<sockaddr *>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    ::close(socket);
    return port;
}

bool accepts(int port)
{
    const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
    if (socket < 0)
        return false;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(quint16(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool connected = ::connect(socket, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
    ::close(socket);
    return connected;
}

QString findProgram(const QString &name)
{
    return QStandardPaths::findExecutable(
        name, {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin"), QStringLiteral("/opt/firebird/bin")});
}

bool writeText(const QString &path, const QString &text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0;
}

}  // namespace

FirebirdServer::FirebirdServer()
{
    if (prepareFolder() && createSecurityDatabase())
        start();
}

FirebirdServer::~FirebirdServer()
{
    if (m_server.state() == QProcess::NotRunning)
        return;
    m_server.terminate();
    if (!m_server.waitForFinished(10000)) {
        m_server.kill();
        m_server.waitForFinished(5000);
    }
}

QString FirebirdServer::databaseFolder() const
{
    return m_root.filePath(QStringLiteral("data"));
}

QString FirebirdServer::localhostPrefix() const
{
    return QStringLiteral("localhost/%1:").arg(m_port);
}

QString FirebirdServer::addressPrefix() const
{
    return QStringLiteral("127.0.0.1/%1:").arg(m_port);
}

bool FirebirdServer::prepareFolder()
{
    if (findProgram(QStringLiteral("firebird")).isEmpty()
        || !QFile::exists(PackageConfig + QStringLiteral("/plugins.conf"))) {
        m_failure = QStringLiteral("the Firebird 3 server is not installed (Debian package firebird3.0-server)");
        return false;
    }
    m_port = freeLoopbackPort();
    if (!m_root.isValid() || m_port == 0) {
        m_failure = QStringLiteral("no folder or no free loopback port for the server");
        return false;
    }
    QDir root(m_root.path());
    const QString security = root.filePath(QStringLiteral("security.fdb"));
    // The server takes its configuration, its messages and the names of its plugins from
    // the folder FIREBIRD names; the plugins themselves stay where the package put them.
    const bool ready = root.mkpath(QStringLiteral("data")) && root.mkpath(QStringLiteral("lock"))
        && root.mkpath(QStringLiteral("tmp"))
        && QFile::copy(PackageConfig + QStringLiteral("/plugins.conf"), root.filePath(QStringLiteral("plugins.conf")))
        && QFile::copy(PackageConfig + QStringLiteral("/fbintl.conf"), root.filePath(QStringLiteral("fbintl.conf")))
        && QFile::link(packageMessages(), root.filePath(QStringLiteral("firebird.msg")))
        && writeText(root.filePath(QStringLiteral("firebird.conf")),
                     QStringLiteral("RemoteServicePort = %1\nRemoteBindAddress = 127.0.0.1\n"
                                    "ServerMode = Super\nSecurityDatabase = %2\nAuthServer = Srp\n"
                                    "UserManager = Srp\nWireCrypt = Enabled\nUdfAccess = None\n"
                                    "IpcName = sorvik_test_%1\nTempDirectories = %3\n")
                         .arg(m_port)
                         .arg(security, root.filePath(QStringLiteral("tmp"))))
        && writeText(root.filePath(QStringLiteral("databases.conf")),
                     QStringLiteral("security.db = %1\n").arg(security));
    if (!ready)
        m_failure = QStringLiteral("the server's folder could not be prepared in %1").arg(m_root.path());
    return ready;
}

bool FirebirdServer::createSecurityDatabase()
{
    const QString isql = findProgram(QStringLiteral("isql-fb"));
    if (isql.isEmpty()) {
        m_failure = QStringLiteral("isql-fb is not installed (Debian package firebird3.0-utils)");
        return false;
    }
    const db::ConnectionParams login;
    const QByteArray script
        = QStringLiteral("create database '%1' user %2;\n"
                         "create user %2 password '%3' using plugin Srp;\ncommit;\nexit;\n")
              .arg(m_root.filePath(QStringLiteral("security.fdb")), login.userName.toUpper(), login.password)
              .toUtf8();
    QString output;
    if (!run(isql, {QStringLiteral("-q")}, script, output)
        || !QFile::exists(m_root.filePath(QStringLiteral("security.fdb")))) {
        m_failure = QStringLiteral("the security database could not be made: ") + output;
        return false;
    }
    return true;
}

bool FirebirdServer::start()
{
    m_server.setProcessEnvironment(serverEnvironment());
    m_server.setProcessChannelMode(QProcess::MergedChannels);
    // A question of the server (a backup's next volume) ends at once instead of waiting.
    m_server.setStandardInputFile(QProcess::nullDevice());
    m_server.start(findProgram(QStringLiteral("firebird")), {});
    if (!m_server.waitForStarted(10000)) {
        m_failure = QStringLiteral("the server did not start: ") + m_server.errorString();
        return false;
    }
    const QDeadlineTimer deadline(30000);
    while (!accepts(m_port)) {
        if (m_server.state() == QProcess::NotRunning || deadline.hasExpired()) {
            m_failure = QStringLiteral("the server did not listen on port %1: %2")
                            .arg(m_port)
                            .arg(QString::fromLocal8Bit(m_server.readAll()));
            return false;
        }
        QThread::msleep(20);
    }
    return true;
}

bool FirebirdServer::run(const QString &program, const QStringList &arguments, const QByteArray &input, QString &output)
{
    QProcess process;
    process.setProcessEnvironment(serverEnvironment());
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForStarted(10000))
        return false;
    process.write(input);
    process.closeWriteChannel();
    const bool finished = process.waitForFinished(60000);
    output = QString::fromLocal8Bit(process.readAll());
    return finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

QProcessEnvironment FirebirdServer::serverEnvironment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("FIREBIRD"), m_root.path());
    environment.insert(QStringLiteral("FIREBIRD_LOCK"), m_root.filePath(QStringLiteral("lock")));
    environment.insert(QStringLiteral("FIREBIRD_TMP"), m_root.filePath(QStringLiteral("tmp")));
    environment.remove(QStringLiteral("ISC_USER"));
    environment.remove(QStringLiteral("ISC_PASSWORD"));
    return environment;
}
