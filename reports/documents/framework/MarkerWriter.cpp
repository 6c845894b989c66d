#include "MarkerWriter.h"

#include "Celvane.h"
#include "CelvaneError.h"
#include "TemplateManifest.h"

namespace sorvik::documents {

MarkerWriter::MarkerWriter(celvane::Celvane &engine, const QString &templateFolder, const QString &fileName)
    : m_engine(engine)
    , m_workbook(reports::TemplateManifest::workbook(fileName))
    , m_path(templateFolder + fileName)
{
    if (!m_workbook)
        throw celvane::CelvaneError(QStringLiteral("テンプレート「%1」は帳票の一覧にありません").arg(fileName));
}

void MarkerWriter::Begin()
{
    m_engine.FileName(m_path);
    m_engine.Document().Begin();
}

void MarkerWriter::Open(const QString &sheetName, const QString &pageText)
{
    m_sheet = m_workbook->sheet(sheetName);
    if (!m_sheet)
        throw celvane::CelvaneError(
            QStringLiteral("テンプレート「%1」にシート「%2」はありません").arg(m_workbook->fileName, sheetName));
    m_allowed = QSet<QString>(m_sheet->markers.begin(), m_sheet->markers.end());
    m_engine.Page().Open(sheetName, pageText);
}

void MarkerWriter::SetRows(int first, int last)
{
    m_engine.Page().SetRows(first, last);
}

void MarkerWriter::NewPage()
{
    m_engine.Page().NewPage(true);
}

void MarkerWriter::Close()
{
    m_engine.Page().Close();
}

void MarkerWriter::check(const QString &marker)
{
    if (!m_sheet)
        throw celvane::CelvaneError(QStringLiteral("ページを開く前にマーカー「%1」が書かれました").arg(marker));
    if (!m_allowed.contains(marker))
        throw celvane::CelvaneError(QStringLiteral("マーカー「%1」はテンプレート「%2」のシート「%3」にありません")
                                        .arg(marker, m_workbook->fileName, m_sheet->name));
    m_written.insert(marker);
}

void MarkerWriter::Value(const QString &marker, const QString &text, int columnOffset, int rowOffset)
{
    check(marker);
    m_engine.Cell(marker, columnOffset, rowOffset).Value(text);
}

void MarkerWriter::Value(const QString &marker, qint64 number, int columnOffset, int rowOffset)
{
    check(marker);
    m_engine.Cell(marker, columnOffset, rowOffset).Value(number);
}

void MarkerWriter::AddPicture(const QString &marker, const celvane::CelvanePicture &picture, double left, double top,
                              std::optional<double> width, std::optional<double> height, int columnOffset,
                              int rowOffset)
{
    check(marker);
    m_engine.Cell(marker, columnOffset, rowOffset).Drawing().AddPicture(picture, left, top, width, height);
}

celvane::CelvaneFormat MarkerWriter::Format(const QString &marker, int columnOffset, int rowOffset)
{
    check(marker);
    return m_engine.Cell(marker, columnOffset, rowOffset).Format();
}

celvane::CelvaneDrawing MarkerWriter::Drawing(const QString &marker, int columnOffset, int rowOffset)
{
    check(marker);
    return m_engine.Cell(marker, columnOffset, rowOffset).Drawing();
}

void MarkerWriter::AddShape(const QString &marker, double left, double top, double width, double height,
                            const QVariantList &values, int columnOffset, int rowOffset)
{
    check(marker);
    m_engine.Cell(marker, columnOffset, rowOffset).Drawing().AddShape(left, top, width, height, values);
}

}  // namespace sorvik::documents
