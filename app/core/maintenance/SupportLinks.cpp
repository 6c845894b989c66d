#include "SupportLinks.h"

#include "MaintenanceMessages.h"
#include "config/ConfigKeys.h"
#include "messages/MessageService.h"
#include "messages/UrlService.h"

#include <QUrl>

namespace SupportLinks {

namespace {

const QString Subject = QStringLiteral("Sorvik管理システムお問い合せ");

bool openOrTell(const QUrl &url)
{
    if (UrlService::current().open(url))
        return true;
    MessageService::current().warning(MaintenanceMessages::CannotOpenAddress.arg(url.toDisplayString()));
    return false;
}

}  // namespace

QStringList mailLines(const Inquirer &inquirer)
{
    return {QStringLiteral("アプリケーション：") + inquirer.applicationTitle,
            QStringLiteral("会社名：") + inquirer.companyName,
            QStringLiteral("製品：") + inquirer.productVersion,
            QStringLiteral("申請者：") + inquirer.userName,
            QStringLiteral("購入先販売店："),
            QStringLiteral("お問い合わせ内容：")};
}

QByteArray mailUrl(const QString &address, const QStringList &lines)
{
    QByteArray body;
    for (const QString &line : lines)
        body += QUrl::toPercentEncoding(line) + "%0D%0A";
    return "mailto:" + QUrl::toPercentEncoding(address.trimmed(), "@") + "?subject=" + QUrl::toPercentEncoding(Subject)
        + "&cc=&bcc=&body=" + body;
}

bool sendMailInquiry(IniFile &ini, const Inquirer &inquirer)
{
    const QString address = Config::read(ini, Config::SupportMail);
    if (address.trimmed().isEmpty()) {
        MessageService::current().information(MaintenanceMessages::NoSupportMail);
        return false;
    }
    return openOrTell(QUrl::fromEncoded(mailUrl(address, mailLines(inquirer)), QUrl::StrictMode));
}

bool openSupportPage(IniFile &ini)
{
    return openOrTell(QUrl(Config::read(ini, Config::SupportHp).trimmed()));
}

}  // namespace SupportLinks
