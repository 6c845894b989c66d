#include "ImportColumns.h"

namespace sorvik::package {

ImportColumns::ImportColumns(const PackageScheme &scheme, const PackageKind &kind, const TableColumns &target)
{
    const bool newer = scheme.isNewerVersion();
    for (qsizetype i = 0; i < scheme.columns.size(); ++i) {
        const QString name = scheme.columns[i].toUpper();
        if (!target.contains(name) || m_names.contains(name)) {
            m_dropped << scheme.columns[i];
            continue;
        }
        const QString packageLetter = i < scheme.types.size() ? scheme.types[i].trimmed().toUpper() : QString();
        m_names << name;
        m_letters << (newer || packageLetter.isEmpty() ? target.letter(name) : packageLetter);
        m_sourceIndex.push_back(int(i));
    }
    for (const QString &column : kind.imageColumns) {
        if (m_names.contains(column) && (newer || scheme.imageColumns.contains(column)))
            m_imageColumns << column;
    }
}

QStringList ImportColumns::keep(const QStringList &packageRow) const
{
    QStringList row;
    row.reserve(qsizetype(m_sourceIndex.size()));
    for (int index : m_sourceIndex)
        row << (index < packageRow.size() ? packageRow[index] : QString());
    return row;
}

}  // namespace sorvik::package
