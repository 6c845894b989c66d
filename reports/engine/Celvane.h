#pragma once

#include "CelvaneCell.h"
#include "CelvaneDocument.h"
#include "CelvaneOptions.h"
#include "CelvaneOutput.h"
#include "CelvaneOutputHandler.h"
#include "CelvanePage.h"
#include "CelvaneRange.h"
#include "ReportDocument.h"

#include <QMap>
#include <QString>
#include <QVariant>
#include <memory>
#include <optional>

namespace celvane {

// The report engine: fills a template workbook page by page and hands the document to
// preview, print or a file. Members carry the names the documents call them by.
class Celvane
{
public:
    Celvane();
    ~Celvane();

    void FileName(const QString &fileName) { m_fileName = fileName; }
    const QString &FileName() const { return m_fileName; }
    CelvaneOptions Options() { return CelvaneOptions(*this); }
    CelvaneDocument Document() { return CelvaneDocument(*this); }
    CelvanePage Page() { return CelvanePage(*this); }
    CelvaneCell Cell(const QString &marker, int columnOffset = 0, int rowOffset = 0);
    CelvaneRange Range(int left, int top, int right, int bottom);
    CelvaneOutput Output() { return CelvaneOutput(*this); }

    // The template file that FileName names: a ".xls" name stands for the ".xlsx" beside it.
    QString resolvedFileName() const;
    void begin();
    ReportDocument &report();
    bool hasReport() const { return m_report != nullptr; }
    const Workbook &finishedDocument();
    void saveAs(const QString &fileName);

    void setOutputHandler(std::shared_ptr<CelvaneOutputHandler> handler) { m_output = std::move(handler); }
    CelvaneOutputHandler *outputHandler() const { return m_output.get(); }

    bool allowSave = false;
    QMap<int, QVariant> options;
    QMap<int, QVariant> pageSettings;

private:
    QString m_fileName;
    std::unique_ptr<ReportDocument> m_report;
    std::shared_ptr<CelvaneOutputHandler> m_output;
};

}  // namespace celvane
