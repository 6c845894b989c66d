#include "PackageContent.h"

#include "CommaText.h"
#include "PackageText.h"
#include "Scramble.h"

namespace sorvik::package {

namespace {

constexpr int kReportedLines = 5;

// The plain text of member `name` (without extension), from its .ECD form when present.
std::optional<QStringList> textMember(const PackageContent::MemberLookup &folder, const QString &name,
                                      const QString &plainExtension, bool *valid)
{
    if (const auto scrambled = folder(name + QStringLiteral(".ECD"))) {
        const std::string plain
            = scrambleText(std::string_view(scrambled->constData(), std::size_t(scrambled->size())));
        return fromPackageText(plain, valid);
    }
    if (const auto plain = folder(name + plainExtension))
        return fromPackageText(std::string_view(plain->constData(), std::size_t(plain->size())), valid);
    return std::nullopt;
}

bool isBlankLine(const QString &line)
{
    for (QChar c : line) {
        if (c.unicode() > 0x20)
            return false;
    }
    return true;
}

}  // namespace

PackageContent PackageContent::read(const PackageFolder &folder)
{
    return read([&](const QString &name) { return folder.read(name); });
}

PackageContent PackageContent::read(const MemberLookup &folder)
{
    PackageContent content;
    bool valid = true;
    if (const auto info = textMember(folder, QStringLiteral("FILEINFO"), QStringLiteral(".TXT"), &valid))
        content.fileInfo = *info;
    if (const auto scheme = textMember(folder, QStringLiteral("SCHEME"), QStringLiteral(".TXT"), &valid))
        content.scheme = PackageScheme::fromLines(*scheme);

    bool recordsValid = true;
    const auto records = textMember(folder, QStringLiteral("RECORD"), QStringLiteral(".CSV"), &recordsValid);
    content.hasRecords = records.has_value();
    if (!valid || !recordsValid)
        content.warnings << QStringLiteral("シフトJISとして読めない文字が有りました。「�」に置き換えて取り込みます。");
    if (!records || !content.scheme)
        return content;

    const qsizetype columns = content.scheme->columns.size();
    int badLines = 0;
    for (qsizetype i = 0; i < records->size(); ++i) {
        const QString &line = records->at(i);
        if (isBlankLine(line))
            continue;
        QStringList items = readCommaText(line);
        if (items.size() != columns) {
            if (++badLines <= kReportedLines)
                content.problems << QStringLiteral("RECORD の %1 行目は項目が %2 個で、列の数 %3 と合いません。")
                                        .arg(i + 1)
                                        .arg(items.size())
                                        .arg(columns);
            continue;
        }
        content.rows.push_back(std::move(items));
    }
    if (badLines > kReportedLines)
        content.problems << QStringLiteral("ほか %1 行も同じです。").arg(badLines - kReportedLines);
    return content;
}

}  // namespace sorvik::package
