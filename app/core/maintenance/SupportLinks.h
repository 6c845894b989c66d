#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class IniFile;

// The help menu's two ways to the dealer: a mail inquiry addressed to `supportmail`
// (section system) and the support web page `supporthp`, both opened with the desktop's
// default handler through UrlService.
namespace SupportLinks {

struct Inquirer
{
    QString applicationTitle;
    QString companyName;
    QString productVersion;  // version string 3 of the program file
    QString userName;        // the login name
};

// The body's lines: application, company, product, applicant, dealer, inquiry.
QStringList mailLines(const Inquirer &inquirer);

// "mailto:" + address + "?subject=…&cc=&bcc=&body=" + each line followed by "%0D%0A".
// The address, the subject and every line are percent-encoded (UTF-8), so that no value
// can add a header or end the body early.
QByteArray mailUrl(const QString &address, const QStringList &lines);

// The mail inquiry; false when no address is configured or nothing opened it (the user
// has been told).
bool sendMailInquiry(IniFile &ini, const Inquirer &inquirer);
// The support page; false when nothing opened it (the user has been told).
bool openSupportPage(IniFile &ini);

}  // namespace SupportLinks
