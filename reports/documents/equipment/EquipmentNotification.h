#pragma once

#include "EquipmentChoices.h"
#include "EquipmentKind.h"
#include "framework/PrintSettings.h"

#include <QSet>

class DataSet;
class TDataModule1;

namespace celvane {
class Celvane;
}

namespace sorvik::documents {

class MarkerWriter;

// A notification of vehicles, machines or tools: one copy of the form's page for each
// chosen record, in the order of the record codes, each under the common header. Forms of
// two printed pages ("1-2") keep their template's page break on every copy.
class EquipmentNotification
{
public:
    struct Layout
    {
        EquipmentKind kind;
        QString templateFile;
        QString sheetName;
        int lastRow;       // of one copy; -1: the print area
        bool twoPageForm;  // page text "1-2" with page setting 805
    };

    EquipmentNotification(TDataModule1 &data, PrintSettings settings, EquipmentChoices choices, Layout layout);
    virtual ~EquipmentNotification() = default;

    // Fills the engine from FileName to Page.Close; the caller previews, prints or saves.
    void Build(celvane::Celvane &engine);
    const QSet<QString> &WrittenMarkers() const { return m_written; }

protected:
    // The record's own cells after the header.
    virtual void WriteRecord(MarkerWriter &writer, DataSet &record) = 0;

private:
    TDataModule1 &m_data;
    PrintSettings m_settings;
    EquipmentChoices m_choices;
    Layout m_layout;
    QSet<QString> m_written;
};

}  // namespace sorvik::documents
