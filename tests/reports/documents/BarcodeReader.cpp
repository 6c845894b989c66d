#include "BarcodeReader.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

QString ReadCode39(const QImage &image)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("page.png"));
    if (!image.save(file))
        return {};
    QProcess reader;
    reader.start(QStringLiteral("ZXingReader"), {QStringLiteral("-format"), QStringLiteral("Code39"), file});
    if (!reader.waitForFinished(60000))
        return {};
    static const QRegularExpression text(QStringLiteral("^Text:\\s+\"(.*)\"$"), QRegularExpression::MultilineOption);
    return text.match(QString::fromUtf8(reader.readAllStandardOutput())).captured(1);
}
