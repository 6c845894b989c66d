#include "MaintenanceMessages.h"
#include "ScriptedMessageService.h"
#include "ScriptedUrlService.h"
#include "SupportLinks.h"
#include "config/ConfigKeys.h"
#include "config/IniFile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class SupportLinksTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    IniFile ini{dir.filePath(QStringLiteral("sorvik.ini"))};
    ScriptedMessageService messages;
    ScriptedUrlService urls;
    SupportLinks::Inquirer inquirer{QStringLiteral("Sorvik(NET版)"), QStringLiteral("北辰&建設"),
                                    QStringLiteral("1.2.3"), QStringLiteral("tanaka")};
};

TEST_F(SupportLinksTest, TheMailCarriesTheSixLinesEncodedWithLiteralLineBreaks)
{
    Config::write(ini, Config::SupportMail, QStringLiteral("support@dealer.example"));
    ASSERT_TRUE(SupportLinks::sendMailInquiry(ini, inquirer));
    ASSERT_EQ(urls.opened.size(), 1);
    const QByteArray sent = urls.opened[0].toEncoded();
    const QByteArray expected = "mailto:support@dealer.example?subject="
        + QUrl::toPercentEncoding(QStringLiteral("Sorvik管理システムお問い合せ")) + "&cc=&bcc=&body=";
    ASSERT_TRUE(sent.startsWith(expected)) << sent.constData();
    EXPECT_TRUE(sent.endsWith("%0D%0A"));
    EXPECT_EQ(sent.count("%0D%0A"), 6);
    // A value cannot add a header: its "&" stays inside the body.
    EXPECT_TRUE(sent.contains(QUrl::toPercentEncoding(QStringLiteral("会社名：北辰&建設")) + "%0D%0A"));
    EXPECT_EQ(QUrl::fromPercentEncoding(sent.mid(expected.size())).split(QStringLiteral("\r\n")),
              SupportLinks::mailLines(inquirer) + QStringList{QString()});
    EXPECT_EQ(SupportLinks::mailLines(inquirer).mid(2),
              (QStringList{QStringLiteral("製品：1.2.3"), QStringLiteral("申請者：tanaka"),
                           QStringLiteral("購入先販売店："), QStringLiteral("お問い合わせ内容：")}));
}

TEST_F(SupportLinksTest, WithoutAnAddressTheUserIsToldAndNothingOpens)
{
    EXPECT_FALSE(SupportLinks::sendMailInquiry(ini, inquirer));
    EXPECT_TRUE(urls.opened.isEmpty());
    EXPECT_EQ(messages.texts(), QStringList{MaintenanceMessages::NoSupportMail});
}

TEST_F(SupportLinksTest, TheSupportPageOpensTheConfiguredAddressAndAFailureIsTold)
{
    ASSERT_TRUE(SupportLinks::openSupportPage(ini));
    EXPECT_EQ(urls.opened.last(), QUrl(QStringLiteral("https://sorvik.quandor.jp/support/")));
    Config::write(ini, Config::SupportHp, QStringLiteral("https://dealer.example/sorvik"));
    urls.opens = false;
    EXPECT_FALSE(SupportLinks::openSupportPage(ini));
    EXPECT_EQ(urls.opened.last(), QUrl(QStringLiteral("https://dealer.example/sorvik")));
    EXPECT_EQ(messages.messages().last().kind, ScriptedMessageService::Kind::Warning);
}

}  // namespace
