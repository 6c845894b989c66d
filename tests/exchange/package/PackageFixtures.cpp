#include "PackageFixtures.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QLockFile>
#include <QProcess>
#include <QStandardPaths>

namespace {

QString generatorFolder()
{
    return qEnvironmentVariable("SORVIK_SOURCE_DIR") + QStringLiteral("/tests/exchange/package/fixtures");
}

// A digest of the generator's sources: the fixtures are made again when it changes.
QByteArray generatorDigest()
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    const QDir dir(generatorFolder());
    for (const QString &name : dir.entryList({QStringLiteral("*.py")}, QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            hash.addData(file.readAll());
    }
    return hash.result().toHex();
}

QString generate()
{
    const QString out = qEnvironmentVariable("SORVIK_BINARY_DIR") + QStringLiteral("/tests/package-fixtures");
    QDir().mkpath(out);
    QLockFile lock(out + QStringLiteral(".lock"));
    lock.setStaleLockTime(600000);
    if (!lock.lock())
        return {};
    const QByteArray digest = generatorDigest();
    QFile stamp(out + QStringLiteral("/stamp"));
    if (stamp.open(QIODevice::ReadOnly) && stamp.readAll() == digest)
        return out;
    stamp.close();
    if (QStandardPaths::findExecutable(QStringLiteral("python3")).isEmpty())
        return {};
    QProcess python;
    python.setProcessChannelMode(QProcess::ForwardedChannels);
    python.start(QStringLiteral("python3"), {generatorFolder() + QStringLiteral("/make_package_fixtures.py"), out});
    if (!python.waitForFinished(300000) || python.exitCode() != 0)
        return {};
    if (!stamp.open(QIODevice::WriteOnly))
        return {};
    stamp.write(digest);
    return out;
}

}  // namespace

QString PackageFixtures::folder()
{
    static const QString made = generate();
    return made;
}

QJsonObject PackageFixtures::manifest()
{
    static const QJsonObject read = [] {
        QFile file(folder() + QStringLiteral("/manifest.json"));
        if (folder().isEmpty() || !file.open(QIODevice::ReadOnly))
            return QJsonObject();
        return QJsonDocument::fromJson(file.readAll()).object();
    }();
    return read;
}

QString PackageFixtures::archive(const QString &name)
{
    if (folder().isEmpty())
        return {};
    for (const char *extension : {".lzh", ".ldf"}) {
        const QString path = folder() + QLatin1Char('/') + name + QLatin1String(extension);
        if (QFile::exists(path))
            return path;
    }
    return {};
}

QJsonObject PackageFixtures::package(const QString &name)
{
    return manifest().value(QStringLiteral("packages")).toObject().value(name).toObject();
}
