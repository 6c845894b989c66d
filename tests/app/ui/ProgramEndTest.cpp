#include "PreparedDatabase.h"
#include "config/Cp932Text.h"
#include "config/IniFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

// The program itself, run in a folder of its own as a user runs it.
class ProgramEndTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QString built = qEnvironmentVariable("SORVIK_BINARY_DIR") + QStringLiteral("/bin/sorvik");
        if (!QFile::exists(built))
            GTEST_SKIP() << "the program is not built: " << built.toStdString();
        QDir().mkpath(folder(QStringLiteral("bin")));
        QDir().mkpath(folder(QStringLiteral("run")));
        QFile::setPermissions(folder(QStringLiteral("run")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        // The program's folder is where its file is: a link of its own, or a copy.
        if (::link(QFile::encodeName(built).constData(), QFile::encodeName(program()).constData()) != 0) {
            ASSERT_TRUE(QFile::copy(built, program()));
        }
        CopyPreparedDatabase(PreparedDatabase::Demo, folder(QStringLiteral("site.fdb")));
    }

    QString folder(const QString &name) const { return dir.filePath(name); }
    QString program() const { return folder(QStringLiteral("bin/sorvik")); }
    QString iniPath() const { return folder(QStringLiteral("bin/sorvik.ini")); }

    void writeIni(const QString &text)
    {
        QFile file(iniPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(Cp932Encode(ToCrLf(text)));
    }

    // Starts the program and waits until it has connected to its database.
    void start()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder(QStringLiteral("run")));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder(QStringLiteral("config")));
        // A program that fails the test may be ended hard: its engine state stays apart.
        environment.insert(QStringLiteral("FIREBIRD_LOCK"), folder(QStringLiteral("run")));
        process.setProcessEnvironment(environment);
        process.start(program(), {});
        ASSERT_TRUE(process.waitForStarted());
        QElapsedTimer waited;
        waited.start();
        while (!holds(folder(QStringLiteral("site.fdb"))) && waited.elapsed() < 30000
               && process.state() == QProcess::Running)
            QThread::msleep(20);
        ASSERT_TRUE(holds(folder(QStringLiteral("site.fdb")))) << process.readAllStandardError().toStdString();
    }

    // Starts the program with the [data] lines given, sends `signal` once it is up and
    // expects a clean end: the exit code a shell reports for the signal, no forced end,
    // and what the main window's close does: `kojicode` written, the image folder emptied.
    void expectCleanEndAfter(int signal, const QString &dataLines, const QString &kojicode)
    {
        writeIni(QStringLiteral("[system]\ndbpc=\ndbName=%1\n[data]\n%2")
                     .arg(folder(QStringLiteral("site.fdb")), dataLines));
        const QString image = folder(QStringLiteral("bin/image/KAO00001.JPG"));
        QDir().mkpath(folder(QStringLiteral("bin/image")));
        QFile(image).open(QIODevice::WriteOnly);
        start();
        QThread::msleep(500);
        ::kill(pid_t(process.processId()), signal);
        ASSERT_TRUE(process.waitForFinished(15000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 128 + signal);
        EXPECT_FALSE(process.readAllStandardError().contains("did not end"));
        EXPECT_EQ(IniFile(iniPath()).readString(QStringLiteral("data"), QStringLiteral("kojicode")), kojicode);
        EXPECT_FALSE(QFile::exists(image));
    }

    bool holds(const QString &file) const
    {
        const QString fds = QStringLiteral("/proc/%1/fd").arg(process.processId());
        for (const QFileInfo &fd : QDir(fds).entryInfoList(QDir::Files | QDir::System))
            if (fd.symLinkTarget() == file)
                return true;
        return false;
    }

    QTemporaryDir dir;
    QProcess process;
};

TEST_F(ProgramEndTest, SigtermEndsTheProgramCleanlyEvenWithAModalWindowOpen)
{
    // No company name: the settings window opens modally at the start and is open when
    // the signal comes. The project named does not exist: the main window sets "0".
    expectCleanEndAfter(SIGTERM, QStringLiteral("kojicode=999\n"), QStringLiteral("0"));
}

TEST_F(ProgramEndTest, SigintEndsTheMainWindowsEventLoop)
{
    expectCleanEndAfter(SIGINT, QStringLiteral("CMPNAME=北辰建設\nkojicode=1\n"), QStringLiteral("1"));
}

}  // namespace
