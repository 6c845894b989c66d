// The package reader as a hostile peer might feed it: any bytes in FILEINFO, SCHEME and
// RECORD, plain or scrambled, read as any kind. Reading must never crash or hang, and
// nothing read may escape: every statement built from the rows names only columns of the
// table, holds only well-formed literals, and every image name taken as a file name is
// bare.
//
// Input: one flags byte (bit 0 scrambled SCHEME, bit 1 scrambled RECORD, the rest picks
// the kind), then FILEINFO, SCHEME and RECORD separated by "\0\0"; a missing part is a
// missing member.

#include "CommaText.h"
#include "ImageName.h"
#include "ImportColumns.h"
#include "ImportReview.h"
#include "ImportStatements.h"
#include "PackageContent.h"
#include "PackageText.h"
#include "Scramble.h"

#include <QHash>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

using namespace sorvik::package;

namespace {

db::Column column(const char *name, bool text)
{
    db::Column c;
    c.name = QString::fromLatin1(name);
    c.kind = text ? db::Column::Kind::Text : db::Column::Kind::Integer;
    return c;
}

// The receiving tables, as the database would describe them.
TableColumns targetColumns(int kind)
{
    QList<db::Column> columns;
    switch (kind) {
    case 3:
        for (const char *name : {"SHCD", "YOBIN1", "YOBIN2"})
            columns << column(name, false);
        for (const char *name : {"NAME", "FURI", "POST", "BNDT", "SNSK", "SNNO", "SDFL", "YOBIS1"})
            columns << column(name, true);
        break;
    case 5:
        for (const char *name : {"INNO", "KJCD", "GYOCD", "INCD", "KBN"})
            columns << column(name, false);
        for (const char *name : {"CPNM", "NAME", "BNDT", "PRNM", "SKNM", "SKNO", "SKDT", "YOBIS1", "YOBIS2"})
            columns << column(name, true);
        break;
    default:
        for (const char *name : {"EDCD", "KBN", "ODRNO", "YOBIN", "KJCD", "GYOCD"})
            columns << column(name, false);
        for (const char *name : {"NM", "PRNM", "YOBIS", "SDFL"})
            columns << column(name, true);
    }
    return TableColumns::of(columns);
}

[[noreturn]] void escaped(const char *what)
{
    std::fprintf(stderr, "fuzz: %s\n", what);
    std::abort();
}

// Skips one literal at `pos`: NULL, a quoted text with doubled quotes, or a plain number.
bool skipLiteral(const QString &sql, qsizetype &pos)
{
    if (sql.mid(pos, 4) == QLatin1String("NULL")) {
        pos += 4;
        return true;
    }
    if (pos < sql.size() && sql[pos] == QLatin1Char('\'')) {
        for (++pos; pos < sql.size(); ++pos) {
            if (sql[pos] != QLatin1Char('\''))
                continue;
            if (pos + 1 < sql.size() && sql[pos + 1] == QLatin1Char('\'')) {
                ++pos;
                continue;
            }
            ++pos;
            return true;
        }
        return false;
    }
    const qsizetype start = pos;
    if (pos < sql.size() && sql[pos] == QLatin1Char('-'))
        ++pos;
    bool digits = false, point = false;
    for (; pos < sql.size(); ++pos) {
        if (sql[pos].isDigit() && sql[pos].unicode() < 0x80)
            digits = true;
        else if (sql[pos] == QLatin1Char('.') && !point)
            point = true;
        else
            break;
    }
    return digits && pos > start;
}

void checkInsert(const QString &sql, const QString &table, const ImportColumns &columns, const TableColumns &target)
{
    const QString head = QStringLiteral("Insert into ") + table + QLatin1Char('(');
    const qsizetype valuesAt = sql.indexOf(QStringLiteral(") values("));
    if (!sql.startsWith(head) || valuesAt < 0)
        escaped("insert shape");
    const QStringList named = sql.mid(head.size(), valuesAt - head.size()).split(QLatin1Char(','));
    if (named != columns.names())
        escaped("insert columns");
    for (const QString &name : named) {
        if (!target.contains(name))
            escaped("column not of the table");
    }
    qsizetype pos = valuesAt + 9;
    for (qsizetype i = 0; i < named.size(); ++i) {
        if (!skipLiteral(sql, pos))
            escaped("malformed literal");
        const QChar expected = i + 1 < named.size() ? QLatin1Char(',') : QLatin1Char(')');
        if (pos >= sql.size() || sql[pos] != expected)
            escaped("literal runs on");
        ++pos;
    }
    if (pos != sql.size())
        escaped("text after the statement");
}

std::vector<std::string> split(const std::string &text)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(std::string("\0\0", 2), start)) != std::string::npos; start = at + 2)
        parts.push_back(text.substr(start, at - start));
    parts.push_back(text.substr(start));
    return parts;
}

}  // namespace

extern "C" void SorvikFuzzSeeds(std::vector<std::string> &seeds)
{
    const auto seed = [&](char flags, const QStringList &scheme, const QStringList &rows) {
        std::string text(1, flags);
        text += toPackageText({QStringLiteral("ファイル種別：資格マスタ"), QStringLiteral(" 作  成  者 ：㈱北辰")});
        text += std::string("\0\0", 2) + toPackageText(scheme) + std::string("\0\0", 2) + toPackageText(rows);
        seeds.push_back(text);
    };
    seed(char(4 << 2), {"0.5", "4", "EDCD,KBN,NM,PRNM,ODRNO", "N,N,S,S,N", ""},
         {"1,1,大型自動車免許,大型,1", "2,4,\"土工, 重機\",\"\"\"x\"\"\",", "3,5,\"a\fb\",　全角　,-7.5"});
    seed(char(3 << 2 | 3), {"0.6", "3", "NAME,SHCD,SDFL,NEW", "S,N,S,S", "SDFL"},
         {"高橋,0,../../etc/passwd,x", "\"中村 三郎\",0,KAO00012.JPG,", "ｻﾄｳ,NULL,/home/x/.ssh/id_rsa,"});
    seed(char(5 << 2 | 2), {"0.5", "5", "INNO,KJCD,NAME,YOBIS2,\"SEL=1,KJCD\"", "N,N,S,S,S", "YOBIS2"},
         {"1,1,佐藤,GAZ00001.JPG,x", "2,1,佐藤,C:\\x.jpg,y"});
    seed(char(15 << 2), {"0.5", "-1", "KOJI,GYOSYA,SHOKU", "", ""}, {});
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const int flags = data[0];
    const std::vector<std::string> parts = split(std::string(reinterpret_cast<const char *>(data) + 1, size - 1));
    QHash<QString, QByteArray> members;
    const auto add = [&](std::size_t index, const char *plain, const char *scrambled, bool scramble) {
        if (index >= parts.size())
            return;
        const std::string bytes = scramble ? scrambleText(parts[index]) : parts[index];
        members.insert(QString::fromLatin1(scramble ? scrambled : plain), QByteArray::fromStdString(bytes));
    };
    add(0, "FILEINFO.TXT", "FILEINFO.TXT", false);
    add(1, "SCHEME.TXT", "SCHEME.ECD", flags & 1);
    add(2, "RECORD.CSV", "RECORD.ECD", flags & 2);

    const PackageContent content = PackageContent::read([&](const QString &name) -> std::optional<QByteArray> {
        const auto it = members.constFind(name.toUpper());
        return it == members.constEnd() ? std::nullopt : std::optional<QByteArray>(*it);
    });
    const int number = (flags >> 2) % 15;
    const ImportReview review = ImportReview::of(content, number == 14 ? std::nullopt : std::optional<int>(number));
    if (!review.importable || !content.scheme || number == 14)
        return 0;

    const PackageKind &kind = *kindByNumber(number);
    const TableColumns target = targetColumns(number);
    const ImportColumns columns(*content.scheme, kind, target);
    for (const QStringList &packageRow : content.rows) {
        const QStringList row = columns.keep(packageRow);
        if (readCommaText(writeCommaText(row)) != row)
            escaped("comma text does not read back");
        for (const QString &image : columns.imageColumns()) {
            const QString &name = row[columns.indexOf(image)];
            if (isBareImageName(name) && (name.contains(QLatin1Char('/')) || name.contains(QLatin1String(".."))))
                escaped("image name leaves the folder");
        }
        if (!columns.names().isEmpty())
            checkInsert(insertSql(kind.table, columns.names(), columns.letters(), row), kind.table, columns, target);
    }
    return 0;
}
