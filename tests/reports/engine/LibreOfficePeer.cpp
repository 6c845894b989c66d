#include "LibreOfficePeer.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

bool LibreOfficePeer::available()
{
    return !QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty();
}

QString LibreOfficePeer::convert(const QString &fileName, const QString &format, const QString &outputFolder)
{
    // A profile of its own keeps the conversion away from any running office.
    const QString profile = QDir(outputFolder).filePath(QStringLiteral("lo-profile"));
    QProcess process;
    process.start(QStringLiteral("soffice"),
                  {QStringLiteral("-env:UserInstallation=file://") + profile, QStringLiteral("--headless"),
                   QStringLiteral("--convert-to"), format, QStringLiteral("--outdir"), outputFolder, fileName});
    if (!process.waitForFinished(120000) || process.exitCode() != 0)
        return {};
    const QString extension = format.section(u':', 0, 0);
    const QString converted = QDir(outputFolder).filePath(QFileInfo(fileName).completeBaseName() + u'.' + extension);
    return QFileInfo::exists(converted) ? converted : QString();
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
