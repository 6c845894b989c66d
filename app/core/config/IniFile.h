#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// The program's own configuration file: "[section]" headers and "key=value" lines,
// stored in code page 932 with CR LF line ends, as the Windows program wrote it.
// Sections and keys compare without case, values keep theirs. The file keeps its order,
// its comments and every key this program does not know, so a rewrite loses nothing
// that another version wrote. Every write saves the file at once (replacing it whole,
// so a failed save leaves the old file as it was).
class IniFile
{
public:
    // Reads the file when it exists; a missing file is an empty configuration.
    explicit IniFile(QString fileName);

    const QString &fileName() const { return m_fileName; }

    QString readString(const QString &section, const QString &key, const QString &defaultValue = {}) const;
    int readInteger(const QString &section, const QString &key, int defaultValue) const;
    bool readBool(const QString &section, const QString &key, bool defaultValue) const;

    // Each returns false when the file could not be saved; the value is kept in memory.
    bool writeString(const QString &section, const QString &key, const QString &value);
    bool writeInteger(const QString &section, const QString &key, int value);
    bool writeBool(const QString &section, const QString &key, bool value);

    bool sectionExists(const QString &section) const;
    bool valueExists(const QString &section, const QString &key) const;
    QStringList sections() const;
    QStringList keys(const QString &section) const;
    bool deleteKey(const QString &section, const QString &key);
    bool eraseSection(const QString &section);

    // Saves the current content; false (with errorString()) when the file cannot be written.
    bool save();
    QString errorString() const { return m_error; }

private:
    struct Line
    {
        QString key;    // empty for a comment or blank line
        QString value;  // the whole raw line for a comment or blank line
    };
    struct Section
    {
        QString name;  // empty for the lines before the first header
        std::vector<Line> lines;
    };

    void load();
    const Section *findSection(const QString &name) const;
    Section &sectionFor(const QString &name);
    const Line *findLine(const QString &section, const QString &key) const;

    QString m_fileName;
    std::vector<Section> m_sections;
    QString m_error;
};
