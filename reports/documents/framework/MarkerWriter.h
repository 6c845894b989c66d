#pragma once

#include "CelvaneDrawing.h"
#include "CelvaneFormat.h"
#include "CelvanePicture.h"

#include <QSet>
#include <QVariantList>
#include <QString>
#include <optional>

namespace celvane {
class Celvane;
}

namespace sorvik::reports {
struct TemplateSheet;
struct TemplateWorkbook;
}  // namespace sorvik::reports

namespace sorvik::documents {

// A document's hand on the report engine: the engine's calls in their order (FileName and
// Document.Begin, Page.Open, SetRows, NewPage, Close), and every value written by its
// marker. A document writes only markers that the template manifest lists for the open
// sheet; any other is refused with CelvaneError before it reaches the engine, so a
// document can never depend on a cell its template does not promise.
class MarkerWriter
{
public:
    // `fileName` as the documents name their templates ("sagyoinmeibo.xls"), found in
    // `templateFolder`. CelvaneError when the manifest does not know it.
    MarkerWriter(celvane::Celvane &engine, const QString &templateFolder, const QString &fileName);

    celvane::Celvane &engine() { return m_engine; }

    void Begin();
    void Open(const QString &sheetName, const QString &pageText = QStringLiteral("1"));
    void SetRows(int first, int last);
    void NewPage();
    void Close();

    void Value(const QString &marker, const QString &text, int columnOffset = 0, int rowOffset = 0);
    void Value(const QString &marker, qint64 number, int columnOffset = 0, int rowOffset = 0);
    void AddPicture(const QString &marker, const celvane::CelvanePicture &picture, double left, double top,
                    std::optional<double> width, std::optional<double> height, int columnOffset = 0, int rowOffset = 0);

    // The lines and the drawing layer of a marker's cell, for the documents that draw.
    celvane::CelvaneFormat Format(const QString &marker, int columnOffset = 0, int rowOffset = 0);
    celvane::CelvaneDrawing Drawing(const QString &marker, int columnOffset = 0, int rowOffset = 0);

    // A shape at the marker's cell; `values` as CelvaneDrawing::AddShape takes them.
    void AddShape(const QString &marker, double left, double top, double width, double height,
                  const QVariantList &values, int columnOffset = 0, int rowOffset = 0);

    // Every marker written so far, on any page.
    const QSet<QString> &written() const { return m_written; }

private:
    void check(const QString &marker);

    celvane::Celvane &m_engine;
    const reports::TemplateWorkbook *m_workbook;
    QString m_path;
    const reports::TemplateSheet *m_sheet = nullptr;
    QSet<QString> m_allowed;
    QSet<QString> m_written;
};

}  // namespace sorvik::documents
