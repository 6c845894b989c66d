#include "CelvanePage.h"

#include "Celvane.h"

namespace celvane {

void CelvanePage::Open(const QString &sheetName, const QString &pageText)
{
    m_engine.report().openPage(sheetName, pageText);
}

void CelvanePage::SetRows(int first, int last)
{
    m_engine.report().setRows(first, last);
}

void CelvanePage::NewPage(bool fresh)
{
    if (fresh)
        m_engine.report().newPage();
}

void CelvanePage::Close()
{
    // Documents close their pages from error handlers too, so a failed Begin is no error here.
    if (m_engine.hasReport())
        m_engine.report().close();
}

void CelvanePage::Setup(int property, const QVariant &value)
{
    m_engine.report();
    m_engine.pageSettings[property] = value;
}

}  // namespace celvane
