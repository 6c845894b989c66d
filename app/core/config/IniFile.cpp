#include "IniFile.h"

#include "AtomicFile.h"
#include "Cp932Text.h"
#include "system/SmallFileRead.h"

#include <QFile>

namespace {

const QByteArray CrLf("\r\n");

// The file's bytes cut at CR LF, LF or CR; each piece keeps the line end it had. Code page
// 932 never uses CR or LF inside a character, so the bytes are cut before decoding.
std::vector<std::pair<QByteArray, QByteArray>> splitLines(const QByteArray &bytes)
{
    std::vector<std::pair<QByteArray, QByteArray>> lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype stop = start;
        while (stop < bytes.size() && bytes[stop] != '\r' && bytes[stop] != '\n')
            ++stop;
        qsizetype next = stop;
        if (next < bytes.size())
            next += bytes[next] == '\r' && next + 1 < bytes.size() && bytes[next + 1] == '\n' ? 2 : 1;
        lines.emplace_back(bytes.mid(start, stop - start), bytes.mid(stop, next - stop));
        start = next;
    }
    return lines;
}

}  // namespace

IniFile::IniFile(QString fileName)
    : m_fileName(std::move(fileName))
{
    load();
}

void IniFile::load()
{
    const SmallFileRead file = SmallFileRead::read(m_fileName, MaximumSize);
    if (file.outcome == SmallFileRead::Outcome::Refused) {
        m_writeProblem = QStringLiteral("設定ファイル %1 は%2。既定の設定で動き、このファイルは書き換えません。")
                             .arg(m_fileName, file.problem);
        return;
    }
    parse(file.bytes);
}

void IniFile::parse(const QByteArray &bytes)
{
    bool valid = true;
    Section leading;
    leading.headed = false;
    m_sections.push_back(std::move(leading));
    for (auto &[raw, end] : splitLines(bytes)) {
        bool lineValid = true;
        const QString decoded = Cp932Decode(raw, &lineValid);
        valid = valid && lineValid;
        const QString line = decoded.trimmed();
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            Section section;
            section.name = line.mid(1, line.size() - 2).trimmed();
            section.header.raw = raw;
            section.header.end = end;
            m_sections.push_back(std::move(section));
            continue;
        }
        const qsizetype equals = decoded.indexOf(QLatin1Char('='));
        const bool comment = line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#'));
        Line entry;
        entry.raw = raw;
        entry.end = end;
        if (equals > 0 && !comment && !decoded.left(equals).trimmed().isEmpty()) {
            entry.key = decoded.left(equals).trimmed();
            entry.value = decoded.mid(equals + 1).trimmed();
        }
        m_sections.back().lines.push_back(std::move(entry));
    }
    if (m_sections.front().lines.empty())
        m_sections.erase(m_sections.begin());
    if (!valid)
        m_writeProblem = QStringLiteral("設定ファイル %1 には Shift-JIS (CP932) として読めない文字があります。"
                                        "読める設定だけを使い、このファイルは書き換えません。")
                             .arg(m_fileName);
}

QByteArray IniFile::text() const
{
    QByteArray bytes;
    auto append = [&bytes](const Line &line, const QString &fresh) {
        // A last line that had no line end gets one when something follows it.
        if (!bytes.isEmpty() && !bytes.endsWith('\n') && !bytes.endsWith('\r'))
            bytes += CrLf;
        if (line.changed)
            bytes += Cp932Encode(fresh) + (line.end.isEmpty() ? CrLf : line.end);
        else
            bytes += line.raw + line.end;
    };
    for (const Section &section : m_sections) {
        if (section.headed)
            append(section.header, QLatin1Char('[') + section.name + QLatin1Char(']'));
        for (const Line &line : section.lines)
            append(line, line.key.isEmpty() ? QString() : line.key + QLatin1Char('=') + line.value);
    }
    return bytes;
}

bool IniFile::save()
{
    if (!m_writeProblem.isEmpty()) {
        m_error = m_writeProblem;
        return false;
    }
    const QByteArray bytes = text();
    std::string reason;
    if (!sorvik::writeFileAtomically(QFile::encodeName(m_fileName).toStdString(),
                                     std::string_view(bytes.constData(), size_t(bytes.size())), &reason)) {
        m_error = QString::fromStdString(reason);
        return false;
    }
    m_error.clear();
    return true;
}

const IniFile::Section *IniFile::findSection(const QString &name) const
{
    for (const Section &section : m_sections) {
        if (!section.name.isEmpty() && section.name.compare(name, Qt::CaseInsensitive) == 0)
            return &section;
    }
    return nullptr;
}

IniFile::Section &IniFile::sectionFor(const QString &name)
{
    if (const Section *found = findSection(name))
        return const_cast<Section &>(*found);
    Section added;
    added.name = name;
    added.header.changed = true;
    m_sections.push_back(std::move(added));
    return m_sections.back();
}

const IniFile::Line *IniFile::findLine(const QString &section, const QString &key) const
{
    const Section *found = findSection(section);
    if (!found)
        return nullptr;
    for (const Line &line : found->lines) {
        if (!line.key.isEmpty() && line.key.compare(key, Qt::CaseInsensitive) == 0)
            return &line;
    }
    return nullptr;
}

IniFile::Line *IniFile::findLine(const QString &section, const QString &key)
{
    return const_cast<Line *>(std::as_const(*this).findLine(section, key));
}

QString IniFile::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    const Line *line = findLine(section, key);
    return line ? line->value : defaultValue;
}

std::optional<int> IniFile::integerValue(const QString &section, const QString &key) const
{
    const Line *line = findLine(section, key);
    if (!line)
        return std::nullopt;
    const QString &value = line->value;
    bool ok = false;
    int number = 0;
    if (value.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        number = value.mid(2).toInt(&ok, 16);
    else if (value.startsWith(QLatin1Char('$')))
        number = value.mid(1).toInt(&ok, 16);
    else
        number = value.toInt(&ok, 10);
    return ok ? std::optional<int>(number) : std::nullopt;
}

int IniFile::readInteger(const QString &section, const QString &key, int defaultValue) const
{
    return integerValue(section, key).value_or(defaultValue);
}

bool IniFile::readBool(const QString &section, const QString &key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

bool IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    // Values are single lines; a line break would split the entry when read back.
    QString flat = value;
    flat.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    bool lossless = true;
    Cp932Encode(key + flat, &lossless);
    if (!lossless) {
        m_error = QStringLiteral("「%1」には設定ファイルに書けない文字があります。").arg(flat);
        return false;
    }
    if (Line *line = findLine(section, key)) {
        if (line->value == flat)
            return true;
        line->key = key;  // the spelling last written wins, as Windows does
        line->value = flat;
        line->changed = true;
    } else {
        Section &target = sectionFor(section);
        // Insert after the section's last entry, before trailing blank lines.
        auto position = target.lines.end();
        while (position != target.lines.begin() && std::prev(position)->key.isEmpty()
               && Cp932Decode(std::prev(position)->raw).trimmed().isEmpty())
            --position;
        Line added;
        added.key = key;
        added.value = flat;
        added.changed = true;
        target.lines.insert(position, std::move(added));
    }
    return save();
}

bool IniFile::writeInteger(const QString &section, const QString &key, int value)
{
    // "065" already says 65: the line stays as it is.
    if (integerValue(section, key) == value)
        return true;
    return writeString(section, key, QString::number(value));
}

bool IniFile::writeBool(const QString &section, const QString &key, bool value)
{
    const std::optional<int> stored = integerValue(section, key);
    if (stored && (*stored != 0) == value)
        return true;
    return writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool IniFile::sectionExists(const QString &section) const
{
    return findSection(section) != nullptr;
}

bool IniFile::valueExists(const QString &section, const QString &key) const
{
    return findLine(section, key) != nullptr;
}

QStringList IniFile::sections() const
{
    QStringList names;
    for (const Section &section : m_sections) {
        if (!section.name.isEmpty())
            names << section.name;
    }
    return names;
}

QStringList IniFile::keys(const QString &section) const
{
    QStringList names;
    if (const Section *found = findSection(section)) {
        for (const Line &line : found->lines) {
            if (!line.key.isEmpty())
                names << line.key;
        }
    }
    return names;
}

bool IniFile::deleteKey(const QString &section, const QString &key)
{
    const Line *line = findLine(section, key);
    if (!line)
        return true;
    Section &target = sectionFor(section);
    target.lines.erase(target.lines.begin() + (line - target.lines.data()));
    return save();
}

bool IniFile::eraseSection(const QString &section)
{
    const Section *found = findSection(section);
    if (!found)
        return true;
    m_sections.erase(m_sections.begin() + (found - m_sections.data()));
    return save();
}
