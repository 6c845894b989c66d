#include "ToolNotificationDocument.h"

#include "EquipmentCells.h"
#include "data/DataField.h"
#include "data/DataSet.h"
#include "framework/DocumentValues.h"
#include "framework/MarkerWriter.h"

namespace sorvik::documents {

using namespace EquipmentCells;

namespace {

constexpr int kSlotRows = 4;
constexpr int kTextRow = 11;  // holds a short text per tool instead of marks

QString twoDigits(int number)
{
    return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}

QString slotColumn(DataSet &record, const char *name, int slot)
{
    return record.FieldByName(QLatin1String(name) + QString::number(slot)).AsString();
}

void writeSlot(MarkerWriter &writer, DataSet &record, int slot)
{
    const int rowOffset = kSlotRows * (slot - 1);
    for (const char *name : {"KKNM", "SPEC", "SENO", "KNRNO", "CHKRNM", "USERNM"})
        writer.Value(QStringLiteral("**") + QLatin1String(name), slotColumn(record, name, slot), 0, rowOffset);
    for (const char *name : {"STDT", "FNDT"})
        writer.Value(QStringLiteral("**") + QLatin1String(name),
                     DocumentValues::EraSpaced(slotColumn(record, name, slot)), 0, rowOffset);
    // A record without an acceptance number has none for its tools either.
    const QString number = record.FieldByName(QStringLiteral("JYUNO")).AsString();
    writer.Value(QStringLiteral("**JYUNO"), number.isEmpty() ? QString() : number + twoDigits(slot), 0, rowOffset);
}

void writeMarks(MarkerWriter &writer, DataSet &record, const QString &row)
{
    const QString flags = record.FieldByName(QStringLiteral("CHK") + row).AsString();
    for (int slot = 1; slot <= std::min<int>(flags.size(), ToolNotificationDocument::ToolSlots); ++slot)
        if (flags.at(slot - 1) == u'1')
            writer.Value(QStringLiteral("**CHK") + row, Mark, slot - 1);
}

}  // namespace

ToolNotificationDocument::ToolNotificationDocument(TDataModule1 &data, PrintSettings settings, EquipmentChoices choices)
    : EquipmentNotification(data, std::move(settings), std::move(choices),
                            {EquipmentKind::Tool, TemplateFile, SheetName, PageRows, true})
{
}

void ToolNotificationDocument::WriteRecord(MarkerWriter &writer, DataSet &record)
{
    WriteColumns(writer, record, QStringLiteral("HNDOWCMPNM HNDPRE HNDTEL"));
    writer.Value(QStringLiteral("**HNDUNUM"),
                 Around(record, QStringLiteral("HNDUNUM"), QStringLiteral("（"), QStringLiteral(" 次）")));
    for (int slot = 1; slot <= ToolSlots; ++slot)
        if (!record.FieldByName(QStringLiteral("KKNM%1").arg(slot)).IsNull())
            writeSlot(writer, record, slot);
    WriteColumns(writer, record, QStringLiteral("CAUTION"));
    WriteDates(writer, record, QStringLiteral("LBLSTDT CHKYMD"));

    for (int row = 1; row <= 18; ++row)
        if (row != kTextRow)
            writeMarks(writer, record, twoDigits(row));
    for (int slot = 1; slot <= ToolSlots; ++slot)
        writer.Value(QStringLiteral("**CHK11"), record.FieldByName(QStringLiteral("CHK11_%1").arg(slot)).AsString(),
                     slot - 1);
    for (int row = 21; row <= 26; ++row) {
        writer.Value(QStringLiteral("**CHKNM%1").arg(row),
                     record.FieldByName(QStringLiteral("CHKNM%1").arg(row)).AsString());
        writeMarks(writer, record, QString::number(row));
    }
}

}  // namespace sorvik::documents
