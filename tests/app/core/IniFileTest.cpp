#include "config/ConfigKeys.h"
#include "config/Cp932Text.h"
#include "config/IniFile.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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
