#pragma once

#include "framework/PrintSettings.h"

#include <QDate>
#include <QSet>

class TDataModule1;

namespace celvane {
class Celvane;
}

namespace sorvik::documents {

// The three one-page safety sheets of "sagyosiji.xls": the daily work instruction, the
// safety meeting and the training report, each dated in its own picture (the meeting with
// its weekday) or with the picture's blank shape when the window's date box is unticked,
// and signed with the prime contractor's newest name and manager.
class SafetySheetDocument
{
public:
    enum class Sheet { WorkInstruction, SafetyMeeting, Training };

    struct Choices
    {
        QString kojiCode;
        QString primeCode;  // empty: the top of the construction system
        Sheet sheet = Sheet::WorkInstruction;
        QDate date;
        bool dated = true;
    };

    SafetySheetDocument(TDataModule1 &data, PrintSettings settings, Choices choices);

    void Build(celvane::Celvane &engine);
    const QSet<QString> &WrittenMarkers() const { return m_written; }

    static inline const QString TemplateFile = QStringLiteral("sagyosiji.xls");
    static QString SheetName(Sheet sheet);
    // "**MKYMD" of a sheet; an invalid date gives the blank picture.
    static QString DateText(Sheet sheet, const QDate &date);

private:
    TDataModule1 &m_data;
    PrintSettings m_settings;
    Choices m_choices;
    QSet<QString> m_written;
};

}  // namespace sorvik::documents
