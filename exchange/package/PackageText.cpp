#include "PackageText.h"

#include "common/Cp932.h"
#include "TextLines.h"

namespace sorvik::package {

std::string toPackageBytes(const QString &line, std::u32string *unencodable)
{
    const QByteArray utf8 = line.toUtf8();
    return cp932::fromUtf8(std::string_view(utf8.constData(), std::size_t(utf8.size())), unencodable);
}

QStringList unencodableNotes(const QString &where, const QString &text)
{
    std::u32string bad;
    toPackageBytes(text, &bad);
    QStringList notes;
    for (char32_t c : bad) {
        notes << QStringLiteral("%1: 「%2」(U+%3) はシフトJISに無いため「?」になります。")
                     .arg(where, QString::fromUcs4(&c, 1),
                          QStringLiteral("%1").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper());
    }
    return notes;
}

std::string toPackageText(const QStringList &lines)
{
    std::vector<std::string> encoded;
    encoded.reserve(std::size_t(lines.size()));
    for (const QString &line : lines)
        encoded.push_back(toPackageBytes(line));
    return joinLines(encoded);
}

QStringList fromPackageText(std::string_view bytes, bool *valid)
{
    QStringList lines;
    bool clean = true;
    for (std::string_view line : splitLines(bytes)) {
        bool lineValid = true;
        const std::string utf8 = cp932::toUtf8(line, &lineValid);
        clean = clean && lineValid;
        lines << QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
    }
    if (valid)
        *valid = clean;
    return lines;
}

}  // namespace sorvik::package
