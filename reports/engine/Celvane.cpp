#include "Celvane.h"

#include "CelvaneError.h"
#include "XlsxReader.h"
#include "XlsxWriter.h"

#include <QFileInfo>

namespace celvane {

Celvane::Celvane() = default;
Celvane::~Celvane() = default;

QString Celvane::resolvedFileName() const
{
    if (m_fileName.endsWith(QLatin1String(".xls"), Qt::CaseInsensitive) && !QFileInfo::exists(m_fileName)
        && QFileInfo::exists(m_fileName + u'x'))
        return m_fileName + u'x';
    return m_fileName;
}

void Celvane::begin()
{
    const QString path = resolvedFileName();
    if (path.isEmpty())
        throw CelvaneError(QStringLiteral("テンプレートのファイル名がありません"));
    if (!QFileInfo(path).isFile())
        throw CelvaneError(QStringLiteral("テンプレート「%1」が見つかりません").arg(m_fileName));
    m_report = std::make_unique<ReportDocument>(XlsxReader::read(path));
}

ReportDocument &Celvane::report()
{
    if (!m_report)
        throw CelvaneError(QStringLiteral("ドキュメントが始まっていません"));
    return *m_report;
}

const Workbook &Celvane::finishedDocument()
{
    return report().finished();
}

void Celvane::saveAs(const QString &fileName)
{
    XlsxWriter::write(finishedDocument(), fileName);
}

CelvaneCell Celvane::Cell(const QString &marker, int columnOffset, int rowOffset)
{
    return CelvaneCell(*this, report().locate(marker, columnOffset, rowOffset));
}

CelvaneRange Celvane::Range(int left, int top, int right, int bottom)
{
    if (left < 1 || top < 1 || right < left || bottom < top)
        throw CelvaneError(
            QStringLiteral("範囲 (%1, %2)-(%3, %4) は正しくありません").arg(left).arg(top).arg(right).arg(bottom));
    ReportDocument &document = report();
    return CelvaneRange(*this, CellRange{left, document.documentRow(top), right, document.documentRow(bottom)});
}

}  // namespace celvane
