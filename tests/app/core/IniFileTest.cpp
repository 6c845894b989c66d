#include "config/ConfigKeys.h"
#include "config/Cp932Text.h"
#include "config/IniFile.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

class IniFileTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("sorvik.ini"));
};

TEST(Cp932Test, RoundTripsJapaneseAndMarksWhatItCannotHold)
{
    const QString text = QStringLiteral("ＭＳ Ｐゴシック 契約による ①～ \\path");
    bool lossless = false;
    const QByteArray bytes = Cp932Encode(text, &lossless);
    EXPECT_TRUE(lossless);
    EXPECT_EQ(bytes.left(2), QByteArray("\x82\x6c"));  // Ｍ
    EXPECT_EQ(Cp932Decode(bytes), text);

    EXPECT_EQ(Cp932Encode(QStringLiteral("a😀b"), &lossless), QByteArray("a?b"));
    EXPECT_FALSE(lossless);
    EXPECT_EQ(Cp932Decode(QByteArray("a\x82")), QStringLiteral("a\uFFFD"));
}

TEST_F(IniFileTest, MissingFileAndKeysGiveDefaults)
{
    IniFile ini(path);
    EXPECT_EQ(Config::read(ini, Config::TitleFontName), QStringLiteral("ＭＳ Ｐゴシック"));
    EXPECT_EQ(Config::read(ini, Config::KojiCode), QStringLiteral("0"));
    EXPECT_EQ(Config::read(ini, Config::TitleColor), 0x800000);
    EXPECT_EQ(Config::read(ini, Config::OldAgeForAgeTest), 55);
    EXPECT_TRUE(Config::read(ini, Config::ExpMenu));
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(IniFileTest, WritesCp932WithCrLfAndReadsBackWithoutCase)
{
    {
        IniFile ini(path);
        ASSERT_TRUE(Config::write(ini, Config::Kengen, QStringLiteral("口頭による")));
        ASSERT_TRUE(Config::write(ini, Config::TitleFontBold, false));
        ASSERT_TRUE(Config::write(ini, Config::TitleColor, 0xFF0000));
    }
    const QByteArray bytes = readAll(path);
    EXPECT_EQ(bytes,
              Cp932Encode(QStringLiteral("[data]\r\nKENGEN=口頭による\r\nTitleFontBold=0\r\nTitleColor=16711680\r\n")));

    IniFile ini(path);
    EXPECT_EQ(ini.readString(QStringLiteral("DATA"), QStringLiteral("kengen")), QStringLiteral("口頭による"));
    EXPECT_FALSE(ini.readBool(QStringLiteral("data"), QStringLiteral("titlefontbold"), true));
    EXPECT_EQ(ini.readInteger(QStringLiteral("Data"), QStringLiteral("TITLECOLOR"), 0), 0xFF0000);
}

TEST_F(IniFileTest, RewriteKeepsOrderCommentsAndUnknownKeys)
{
    const QString original = QStringLiteral("; written by another version\r\n"
                                            "[system]\r\n"
                                            "dbname=C:\\Database\\sorvik.fdb\r\n"
                                            "FutureKey=Keep Me\r\n"
                                            "\r\n"
                                            "[Other]\r\n"
                                            "x=1\r\n");
    writeAll(path, Cp932Encode(original));
    IniFile ini(path);
    ASSERT_TRUE(ini.writeString(QStringLiteral("SYSTEM"), QStringLiteral("dbName"), QStringLiteral("/data/s.fdb")));
    ASSERT_TRUE(ini.writeString(QStringLiteral("system"), QStringLiteral("dbpc"), QString()));
    ASSERT_TRUE(ini.writeString(QStringLiteral("TAIKEI"), QStringLiteral("ROWS"), QStringLiteral("5")));
    EXPECT_EQ(Cp932Decode(readAll(path)),
              QStringLiteral("; written by another version\r\n"
                             "[system]\r\n"
                             "dbName=/data/s.fdb\r\n"
                             "FutureKey=Keep Me\r\n"
                             "dbpc=\r\n"
                             "\r\n"
                             "[Other]\r\n"
                             "x=1\r\n"
                             "[TAIKEI]\r\n"
                             "ROWS=5\r\n"));
    EXPECT_EQ(ini.keys(QStringLiteral("SYSTEM")),
              (QStringList{QStringLiteral("dbName"), QStringLiteral("FutureKey"), QStringLiteral("dbpc")}));
}

TEST_F(IniFileTest, AcceptsBareLineFeedsAndIgnoresBadNumbers)
{
    writeAll(path, "[data]\nBMUPR=abc\nBMLOW= 90 \n");
    IniFile ini(path);
    EXPECT_EQ(Config::read(ini, Config::BloodPressureUpper), 130);
    EXPECT_EQ(Config::read(ini, Config::BloodPressureLower), 90);
}

TEST_F(IniFileTest, AFailedSaveIsReportedAndKeepsTheValueInMemory)
{
    // A folder in place of the file cannot be replaced, whoever runs the test.
    ASSERT_TRUE(QDir().mkpath(path));
    IniFile ini(path);
    EXPECT_FALSE(Config::write(ini, Config::CompanyName, QStringLiteral("B")));
    EXPECT_FALSE(ini.errorString().isEmpty());
    EXPECT_EQ(Config::read(ini, Config::CompanyName), QStringLiteral("B"));
    EXPECT_TRUE(QFileInfo(path).isDir());
}

TEST_F(IniFileTest, ARewriteKeepsEveryOtherLineByteForByte)
{
    // Line ends of three kinds, spaces around '=', half-width kana and a last line
    // without its end: everything but the changed line must come back as it was.
    const QByteArray original = "; \xb6\xc5 memo\n"
                                "[system]\r\n"
                                "dbpc = \r\n"
                                "dbname=/old/sorvik.fdb\r"
                                "[data]\n"
                                "remark1=\x88\xc0\x91\x53\x91\xe6\x88\xea \n"
                                "OLD=065";
    writeAll(path, original);
    IniFile ini(path);
    EXPECT_TRUE(ini.writeProblem().isEmpty());
    // The values the file already holds: nothing is written at all.
    ASSERT_TRUE(ini.writeString(QStringLiteral("system"), QStringLiteral("dbPc"), QString()));
    ASSERT_TRUE(ini.writeInteger(QStringLiteral("DATA"), QStringLiteral("old"), 65));
    EXPECT_EQ(readAll(path), original);

    ASSERT_TRUE(ini.writeString(QStringLiteral("system"), QStringLiteral("dbName"), QStringLiteral("/new/s.fdb")));
    QByteArray expected = original;
    expected.replace("dbname=/old/sorvik.fdb\r", "dbName=/new/s.fdb\r");
    EXPECT_EQ(readAll(path), expected);

    ASSERT_TRUE(ini.writeString(QStringLiteral("TAIKEI"), QStringLiteral("ROWS"), QStringLiteral("5")));
    EXPECT_EQ(readAll(path), expected + "\r\n[TAIKEI]\r\nROWS=5\r\n");
}

TEST_F(IniFileTest, AFileThatIsNotCp932IsReadButNeverRewritten)
{
    // Saved as UTF-8 by an editor: once, start-up turned every such byte into "?".
    const QByteArray utf8 = QStringLiteral("[system]\ndbpc=\ndbName=/data/sorvik.fdb\n[data]\n"
                                           "remark1=安全第一・ご安全に！\nkojicode=3\n")
                                .toUtf8();
    writeAll(path, utf8);
    IniFile ini(path);
    EXPECT_TRUE(ini.writeProblem().contains(path)) << ini.writeProblem().toStdString();
    EXPECT_EQ(Config::read(ini, Config::KojiCode), QStringLiteral("3"));
    EXPECT_FALSE(ini.writeString(QStringLiteral("system"), QStringLiteral("dbName"), QStringLiteral("/other.fdb")));
    EXPECT_EQ(ini.errorString(), ini.writeProblem());
    EXPECT_EQ(ini.readString(QStringLiteral("system"), QStringLiteral("dbName")), QStringLiteral("/other.fdb"));
    EXPECT_EQ(readAll(path), utf8);
}

TEST_F(IniFileTest, WhatCannotBeAConfigurationIsRefusedUnreadAndKept)
{
    const QByteArray big = "[data]\r\nkojicode=4\r\n;" + QByteArray(IniFile::MaximumSize, 'x');
    const QString bigPath = dir.filePath(QStringLiteral("big.ini"));
    writeAll(bigPath, big);
    const QString zeros = dir.filePath(QStringLiteral("zeros.ini"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zeros));
    const QString pipe = dir.filePath(QStringLiteral("pipe.ini"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);  // would block a plain open

    for (const QString &refused : {bigPath, zeros, pipe}) {
        IniFile ini(refused);
        EXPECT_FALSE(ini.writeProblem().isEmpty()) << refused.toStdString();
        EXPECT_EQ(Config::read(ini, Config::KojiCode), QStringLiteral("0"));
        EXPECT_FALSE(Config::write(ini, Config::KojiCode, QStringLiteral("5")));
    }
    EXPECT_EQ(readAll(bigPath), big);
    EXPECT_TRUE(QFileInfo(zeros).isSymLink());
}

TEST_F(IniFileTest, IntegersAreDecimalWithLeadingZeros)
{
    writeAll(path, "[data]\r\nOLD=065\r\nTitleFontSize=08\r\nBMUPR=-007\r\nTitleColor=0x800000\r\nYOUNG=1e3\r\n");
    IniFile ini(path);
    EXPECT_EQ(Config::read(ini, Config::OldAge), 65);
    EXPECT_EQ(Config::read(ini, Config::TitleFontSize), 8);
    EXPECT_EQ(Config::read(ini, Config::BloodPressureUpper), -7);
    EXPECT_EQ(Config::read(ini, Config::TitleColor), 0x800000);
    EXPECT_EQ(Config::read(ini, Config::YoungAge), 18);
}

TEST_F(IniFileTest, AValueCp932CannotHoldIsRefusedAndNothingChanges)
{
    writeAll(path, "[data]\r\nremark1=old\r\n");
    IniFile ini(path);
    EXPECT_FALSE(ini.writeString(QStringLiteral("data"), QStringLiteral("remark1"), QStringLiteral("安全😀第一")));
    EXPECT_TRUE(ini.errorString().contains(QStringLiteral("安全😀第一")));
    EXPECT_EQ(ini.readString(QStringLiteral("data"), QStringLiteral("remark1")), QStringLiteral("old"));
    EXPECT_EQ(readAll(path), QByteArray("[data]\r\nremark1=old\r\n"));
}

TEST(ConfigDefaults, DatabaseLivesUnderTheUsersDataFolder)
{
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", "/srv/data");
    EXPECT_EQ(Config::DefaultDbName(), QStringLiteral("/srv/data/sorvik/sorvik.fdb"));
    qunsetenv("XDG_DATA_HOME");
    EXPECT_EQ(Config::DefaultDbName(), QDir::homePath() + QStringLiteral("/.local/share/sorvik/sorvik.fdb"));
    if (!saved.isEmpty())
        qputenv("XDG_DATA_HOME", saved);
}

}  // namespace
