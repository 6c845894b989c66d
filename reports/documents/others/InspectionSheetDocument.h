#pragma once

#include "framework/PrintSettings.h"

#include <QSet>

namespace celvane {
class Celvane;
}

namespace sorvik::documents {

// The four inspection sheets of "tenken.xls", periodic and before-work checks of
// scaffolding and of vehicle-type machines, headed by the project's name and what the
// user typed: the scaffold's place, or the machine's name and acceptance number.
class InspectionSheetDocument
{
public:
    enum class Sheet { ScaffoldPeriodic, ScaffoldBeforeWork, MachinePeriodic, MachineBeforeWork };

    struct Choices
    {
        Sheet sheet = Sheet::ScaffoldPeriodic;
        QString projectName;
        QString place;        // scaffold sheets
        QString machineName;  // machine sheets
        QString acceptance;
    };

    InspectionSheetDocument(PrintSettings settings, Choices choices);

    void Build(celvane::Celvane &engine);
    const QSet<QString> &WrittenMarkers() const { return m_written; }

    static inline const QString TemplateFile = QStringLiteral("tenken.xls");
    static QString SheetName(Sheet sheet);

private:
    PrintSettings m_settings;
    Choices m_choices;
    QSet<QString> m_written;
};

}  // namespace sorvik::documents
