#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The program's own configuration file: "[section]" headers and "key=value" lines,
// stored in code page 932 with CR LF line ends, as the Windows program wrote it.
// Sections and keys compare without case, values keep theirs. Every write saves the file
// at once, replacing it whole (a failed save leaves the old file as it was).
//
// A rewrite changes only what was written: every other line, comments and keys this
// program does not know included, goes back byte for byte as it was read, with its own
// line end; writing a value a key already has (for a number: the same number) changes
// nothing at all. Lines written here
// are CP932 with CR LF, and a value CP932 cannot hold is refused rather than stored with
// characters lost.
//
// A file that cannot be taken for a configuration is read as far as it can be but never
// rewritten, so that nothing in it is lost: one that is not valid CP932 (saved as UTF-8,
// say) is read with its broken characters replaced; one that is not a regular file, is
// larger than MaximumSize or cannot be read gives the defaults. writeProblem() says why,
// and every write then keeps its value in memory and fails with that reason.
class IniFile
{
public:
    // Far above any real configuration, far below what would strain the program.
    static constexpr qint64 MaximumSize = 1024 * 1024;

    // Reads the file when it exists; a missing file is an empty configuration.
    explicit IniFile(QString fileName);

    const QString &fileName() const { return m_fileName; }

    QString readString(const QString &section, const QString &key, const QString &defaultValue = {}) const;
    // Decimal, leading zeros allowed ("065" is 65); "0x"/"$" hexadecimal as older files
    // may hold; anything else gives the default.
    int readInteger(const QString &section, const QString &key, int defaultValue) const;
    bool readBool(const QString &section, const QString &key, bool defaultValue) const;

    // Each returns false (with errorString()) when the file could not be saved; the value
    // is kept in memory. A value with a character CP932 cannot hold is refused: false, and
    // nothing changes.
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
    // Why this file is never rewritten, naming it; empty when it may be.
    QString writeProblem() const { return m_writeProblem; }

private:
    // One line of the file. `raw` and `end` are its bytes as read (without and with the
    // line end); a line made or changed here has `changed` set and is written anew.
    struct Line
    {
        QString key;    // empty for a comment, a blank or any other line
        QString value;  // the value of a key line
        QByteArray raw;
        QByteArray end;
        bool changed = false;
    };
    struct Section
    {
        QString name;
        Line header;         // the "[name]" line itself
        bool headed = true;  // false for the lines before the first header
        std::vector<Line> lines;
    };

    void load();
    void parse(const QByteArray &bytes);
    QByteArray text() const;
    const Section *findSection(const QString &name) const;
    Section &sectionFor(const QString &name);
    Line *findLine(const QString &section, const QString &key);
    const Line *findLine(const QString &section, const QString &key) const;
    std::optional<int> integerValue(const QString &section, const QString &key) const;

    QString m_fileName;
    std::vector<Section> m_sections;
    QString m_error;
    QString m_writeProblem;
};
