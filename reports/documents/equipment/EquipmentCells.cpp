#include "EquipmentCells.h"

#include "EquipmentChoices.h"
#include "data/DataField.h"
#include "data/DataSet.h"
#include "framework/DocumentValues.h"
#include "framework/MarkerWriter.h"

namespace sorvik::documents::EquipmentCells {

namespace {

const QString kDatePicture = QStringLiteral("gg　e年　m月　d日");
const QString kBlankDate = QStringLiteral("　　　　年　　月　　日");

QStringList namesOf(const QString &names)
{
    return names.split(u' ', Qt::SkipEmptyParts);
}

}  // namespace

void WriteHeader(MarkerWriter &writer, TDataModule1 &data, const EquipmentChoices &choices, DataSet &record)
{
    writer.Value(QStringLiteral("**MKYMD"),
                 DocumentValues::CreationDate(choices.dated ? choices.date : QDate(), kDatePicture, kBlankDate));
    writer.Value(QStringLiteral("**JIGYONM"), DocumentValues::SiteOffice(data, choices.kojiCode, choices.date));
    const QString manager = DocumentValues::SiteManager(data, choices.kojiCode, choices.date);
    if (!manager.isEmpty())
        writer.Value(QStringLiteral("**SHOTYONM"), manager);
    writer.Value(QStringLiteral("**CMP1NM"), record.FieldByName(QStringLiteral("CMP1NM")).AsString());
}

QString Period(const QString &start, const QString &end)
{
    if (start.isEmpty() && end.isEmpty())
        return {};
    return DocumentValues::EraSpaced(start) + QStringLiteral(" ～ ") + DocumentValues::EraSpaced(end);
}

QString Around(DataSet &record, const QString &column, const QString &prefix, const QString &suffix)
{
    const QString text = record.FieldByName(column).AsString();
    return text.isEmpty() ? QString() : prefix + text + suffix;
}

QString MachineAcceptance(DataSet &machine)
{
    return machine.FieldByName(QStringLiteral("JYUKG")).AsString()
        + machine.FieldByName(QStringLiteral("JYUNO")).AsString();
}

void WriteColumns(MarkerWriter &writer, DataSet &record, const QString &names)
{
    for (const QString &name : namesOf(names))
        writer.Value(QStringLiteral("**") + name, record.FieldByName(name).AsString());
}

void WriteDates(MarkerWriter &writer, DataSet &record, const QString &names)
{
    for (const QString &name : namesOf(names))
        writer.Value(QStringLiteral("**") + name, DocumentValues::EraSpaced(record.FieldByName(name).AsString()));
}

}  // namespace sorvik::documents::EquipmentCells
