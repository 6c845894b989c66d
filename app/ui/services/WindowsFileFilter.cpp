#include "WindowsFileFilter.h"

#include <QFileInfo>
#include <QRegularExpression>

WindowsFileFilter::WindowsFileFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        m_descriptions << parts[i];
        m_patterns << parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
    }
}

QStringList WindowsFileFilter::qtFilters() const
{
    QStringList filters;
    for (int i = 0; i < count(); ++i)
        filters << QStringLiteral("%1 (*)").arg(m_descriptions[i]);
    return filters;
}

QString WindowsFileFilter::qtFilter(int filterIndex) const
{
    const QStringList filters = qtFilters();
    if (filters.isEmpty())
        return {};
    return filters.value(filterIndex - 1, filters.first());
}

int WindowsFileFilter::indexOfQtFilter(const QString &qtFilter) const
{
    const int index = int(qtFilters().indexOf(qtFilter));
    return index < 0 ? 1 : index + 1;
}

bool WindowsFileFilter::matches(int filterIndex, const QString &fileName) const
{
    const QString name = QFileInfo(fileName).fileName();
    for (const QString &pattern : m_patterns.value(filterIndex - 1)) {
        const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(pattern.trimmed()),
                                    QRegularExpression::CaseInsensitiveOption);
        if (re.match(name).hasMatch())
            return true;
    }
    return false;
}
