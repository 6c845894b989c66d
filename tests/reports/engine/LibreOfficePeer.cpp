#include "LibreOfficePeer.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

bool LibreOfficePeer::available()
{
    return !QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty();
}

namespace {

QString profileFolder()
{
    // One profile for the whole test process: starting LibreOffice with a new one costs seconds,
    // and parallel test processes must not share one.
    static QTemporaryDir profile(QDir::temp().filePath(QStringLiteral("celvane-lo-XXXXXX")));
    return profile.path();
}

}  // namespace

QStringList LibreOfficePeer::convertAll(const QStringList &fileNames, const QString &format,
                                        const QString &outputFolder)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("FONTCONFIG_FILE"), QStringLiteral(CELVANE_TEST_DATA "/libreoffice-fonts.conf"));
    // A Japanese locale, as on the site clerks' machines: built-in formats read as there.
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("ja_JP.UTF-8"));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("ja_JP.UTF-8"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral("soffice"),
                  QStringList{QStringLiteral("-env:UserInstallation=file://") + profileFolder(),
                              QStringLiteral("--headless"), QStringLiteral("--convert-to"), format,
                              QStringLiteral("--outdir"), outputFolder}
                      + fileNames);
    process.waitForFinished(600000);
    const QString extension = format.section(u':', 0, 0);
    QStringList converted;
    for (const QString &name : fileNames) {
        const QString file = QDir(outputFolder).filePath(QFileInfo(name).completeBaseName() + u'.' + extension);
        converted << (QFileInfo::exists(file) ? file : QString());
    }
    return converted;
}

QString LibreOfficePeer::convert(const QString &fileName, const QString &format, const QString &outputFolder)
{
    return convertAll({fileName}, format, outputFolder).value(0);
}

std::vector<std::vector<LibreOfficePeer::Word>> LibreOfficePeer::words(const QString &pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    process.waitForFinished(60000);
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    std::vector<std::vector<Word>> pages;
    static const QRegularExpression token(
        QStringLiteral("<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\"[^>]*>([^<]*)</word>"));
    for (const auto &match : token.globalMatch(html)) {
        if (match.captured(0).startsWith(QLatin1String("<page")))
            pages.emplace_back();
        else if (!pages.empty())
            pages.back().push_back(
                {match.captured(3), QPointF(match.captured(1).toDouble(), match.captured(2).toDouble())});
    }
    return pages;
}

int LibreOfficePeer::pageCount(const QString &pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {pdf});
    process.waitForFinished(30000);
    const auto match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                           .match(QString::fromUtf8(process.readAllStandardOutput()));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

std::vector<QImage> LibreOfficePeer::pages(const QString &pdf, int dpi)
{
    const QString prefix = pdf + QStringLiteral("-page");
    QProcess::execute(
        QStringLiteral("pdftoppm"),
        {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-gray"), QStringLiteral("-png"), pdf, prefix});
    std::vector<QImage> result;
    QDir folder = QFileInfo(pdf).dir();
    QStringList names
        = folder.entryList({QFileInfo(prefix).fileName() + QStringLiteral("-*.png")}, QDir::Files, QDir::Name);
    for (const QString &name : names)
        result.emplace_back(folder.filePath(name));
    return result;
}

double LibreOfficePeer::difference(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return 1.0;
    const QImage x = a.convertToFormat(QImage::Format_Grayscale8);
    const QImage y = b.convertToFormat(QImage::Format_Grayscale8);
    qint64 differing = 0;
    for (int row = 0; row < x.height(); ++row) {
        const uchar *p = x.constScanLine(row);
        const uchar *q = y.constScanLine(row);
        for (int column = 0; column < x.width(); ++column)
            differing += std::abs(int(p[column]) - int(q[column])) > 64;
    }
    return double(differing) / (double(x.width()) * x.height());
}
