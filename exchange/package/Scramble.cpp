#include "Scramble.h"

#include "common/AtomicFile.h"
#include "TextLines.h"

#include <QFile>

namespace sorvik::package {

namespace {

constexpr char kMask = 0x0E;

}  // namespace

std::string scrambleText(std::string_view bytes)
{
    std::string text;
    text.reserve(bytes.size() + 2);
    for (std::string_view line : splitLines(bytes)) {
        for (char c : line)
            text += char(c ^ kMask);
        text += "\r\n";
    }
    return text;
}

bool ScrambleFile(const QString &source, const QString &target, QString *error)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(source, in.errorString());
        return false;
    }
    const QByteArray bytes = in.readAll();
    std::string reason;
    if (!writeFileAtomically(target.toStdString(), scrambleText(std::string_view(bytes.constData(), bytes.size())),
                             &reason)) {
        if (error)
            *error = QString::fromStdString(reason);
        return false;
    }
    return true;
}

}  // namespace sorvik::package
