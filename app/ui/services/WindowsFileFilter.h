#pragma once

#include <QString>
#include <QStringList>

// A file-type filter written the Windows way, "EXPファイル|*.LZH|工事EXPファイル|工事*.LZH":
// pairs of a description and ';'-separated patterns. The patterns match without regard
// to case, as on Windows, so "*.LZH" also lists "x.lzh"; Qt's own name filters cannot
// say that (nor hold patterns such as "工事*.LZH"), so the Qt filters pass every file,
// "description (*)", and the dialog filters through matches().
class WindowsFileFilter
{
public:
    explicit WindowsFileFilter(const QString &filter);

    int count() const { return int(m_descriptions.size()); }
    QString description(int index) const { return m_descriptions.value(index); }
    QStringList patterns(int index) const { return m_patterns.value(index); }
    // The Qt name filters, one per pair, "description (*)".
    QStringList qtFilters() const;
    // The Qt filter of a 1-based filter index as the program gives it (1 is the first);
    // an index out of range gives the first.
    QString qtFilter(int filterIndex) const;
    // 1-based index of a Qt filter text; 1 when unknown.
    int indexOfQtFilter(const QString &qtFilter) const;
    // Whether `fileName` matches the patterns of the 1-based filter index.
    bool matches(int filterIndex, const QString &fileName) const;

private:
    QStringList m_descriptions;
    QList<QStringList> m_patterns;
};
