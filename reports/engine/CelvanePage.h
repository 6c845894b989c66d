#pragma once

#include <QString>
#include <QVariant>

namespace celvane {

class Celvane;

class CelvanePage
{
public:
    explicit CelvanePage(Celvane &engine)
        : m_engine(engine)
    {
    }
    // Makes the template sheet the current page; the page text ("1", "1-2") is kept.
    void Open(const QString &sheetName, const QString &pageText = QStringLiteral("1"));
    // The template rows that make one page; -1 as last runs to the end of the print area,
    // or of the sheet when it has none.
    void SetRows(int first, int last);
    // Starts a fresh copy of the page rows below the last one.
    void NewPage(bool fresh = true);
    void Close();
    // Page settings by number (the notifications set 805), kept with the document; page
    // copies keep the template's own breaks, so a two-page form stays two pages without them.
    void Setup(int property, const QVariant &value);

private:
    Celvane &m_engine;
};

}  // namespace celvane
