#include "IniFile.h"

#include "Cp932Text.h"

#include <QFile>
#include <QSaveFile>

IniFile::IniFile(QString fileName)
    : m_fileName(std::move(fileName))
{
    load();
}

void IniFile::load()
{
    QFile file(m_fileName);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QString text = Cp932Decode(file.readAll());
    QString normal = text;
    normal.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = normal.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();

    m_sections.push_back({});
    for (const QString &raw : lines) {
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            m_sections.push_back({line.mid(1, line.size() - 2).trimmed(), {}});
            continue;
        }
        const qsizetype equals = raw.indexOf(QLatin1Char('='));
        const bool comment = line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#'));
        if (equals > 0 && !comment && !raw.left(equals).trimmed().isEmpty())
            m_sections.back().lines.push_back({raw.left(equals).trimmed(), raw.mid(equals + 1).trimmed()});
        else
            m_sections.back().lines.push_back({QString(), raw});
    }
    if (m_sections.front().lines.empty())
        m_sections.erase(m_sections.begin());
}

bool IniFile::save()
{
    QString text;
    for (const Section &section : m_sections) {
        if (!section.name.isEmpty())
            text += QLatin1Char('[') + section.name + QLatin1String("]\n");
        for (const Line &line : section.lines)
            text += (line.key.isEmpty() ? line.value : line.key + QLatin1Char('=') + line.value) + QLatin1Char('\n');
    }
    QSaveFile file(m_fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(Cp932Encode(ToCrLf(text))) < 0 || !file.commit()) {
        m_error = file.errorString();
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
    m_sections.push_back({name, {}});
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

QString IniFile::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    const Line *line = findLine(section, key);
    return line ? line->value : defaultValue;
}

int IniFile::readInteger(const QString &section, const QString &key, int defaultValue) const
{
    const Line *line = findLine(section, key);
    if (!line)
        return defaultValue;
    bool ok = false;
    const int value = line->value.toInt(&ok, 0);  // decimal, or 0x… as older files may hold
    return ok ? value : defaultValue;
}

bool IniFile::readBool(const QString &section, const QString &key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

bool IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    Section &target = sectionFor(section);
    // Values are single lines; a line break would split the entry when read back.
    QString flat = value;
    flat.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (const Line *existing = findLine(section, key)) {
        Line &line = const_cast<Line &>(*existing);
        line.key = key;  // the spelling last written wins, as Windows does
        line.value = flat;
    } else {
        // Insert after the section's last entry, before trailing blank lines.
        auto position = target.lines.end();
        while (position != target.lines.begin() && std::prev(position)->key.isEmpty()
               && std::prev(position)->value.trimmed().isEmpty())
            --position;
        target.lines.insert(position, {key, flat});
    }
    return save();
}

bool IniFile::writeInteger(const QString &section, const QString &key, int value)
{
    return writeString(section, key, QString::number(value));
}

bool IniFile::writeBool(const QString &section, const QString &key, bool value)
{
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
