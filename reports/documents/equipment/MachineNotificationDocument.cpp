#include "MachineNotificationDocument.h"

#include "EquipmentCells.h"
#include "data/DataField.h"
#include "data/DataSet.h"
#include "framework/MarkerWriter.h"

namespace sorvik::documents {

using namespace EquipmentCells;

namespace {

struct CheckGroup
{
    char letter;
    int items;
};

constexpr CheckGroup kCheckGroups[] = {{'A', 17}, {'B', 14}, {'C', 5}, {'D', 10}, {'E', 10}, {'F', 7}, {'G', 5}};
constexpr int kRemarkRows = 4;  // the free group H, with a comment per row

// Both sides of item n of a group at the group's marker, two rows per item.
void writeItemMarks(MarkerWriter &writer, DataSet &record, QChar group, int item)
{
    const QString marker = QStringLiteral("**CHK") + group;
    const int rowOffset = 2 * (item - 1);
    int columnOffset = 0;
    for (QChar side : {u'A', u'B'}) {
        const QString column = QStringLiteral("CHK%1_%2%3").arg(group).arg(item).arg(side);
        if (record.FieldByName(column).AsInteger() == 1)
            writer.Value(marker, Mark, columnOffset, rowOffset);
        ++columnOffset;
    }
}

}  // namespace

MachineNotificationDocument::MachineNotificationDocument(TDataModule1 &data, PrintSettings settings,
                                                         EquipmentChoices choices)
    : EquipmentNotification(data, std::move(settings), std::move(choices),
                            {EquipmentKind::Machine, TemplateFile, SheetName, PageRows, true})
{
}

void MachineNotificationDocument::WriteRecord(MarkerWriter &writer, DataSet &record)
{
    WriteColumns(writer, record,
                 QStringLiteral("HNDOWCMPNM HNDPRE HNDTEL USECMPNM USEPRE KKNM KKMK KKSPEC KNRNO USNM DRV1 DRV1LS DRV2 "
                                "DRV2LS DV1 DV2 DV3 DV4 CAUTION OWNCMP OWNPRE CHKER1 CHKER2"));
    writer.Value(QStringLiteral("**HNDUNUM"),
                 Around(record, QStringLiteral("HNDUNUM"), QStringLiteral("（"), QStringLiteral(" 次）")));
    writer.Value(QStringLiteral("**MDYMD"), Around(record, QStringLiteral("MDYMD"), {}, QStringLiteral("年")));
    WriteDates(writer, record,
               QStringLiteral("STDT FNDT DVYMD TES1YMD TES2YMD TES3YMD TES4YMD TES5YMD LBLSTDT CHKYMD1 CHKYMD2"));
    writer.Value(QStringLiteral("**ISRS"),
                 record.FieldByName(QStringLiteral("ISRS")).AsInteger() == 1 ? QStringLiteral("リース")
                                                                             : QStringLiteral("自社"));
    const DataField kind = record.FieldByName(QStringLiteral("DV4TYP"));
    writer.Value(QStringLiteral("**DV4TYP"), kind.IsNull() ? QStringLiteral("その他") : kind.AsString());
    writer.Value(QStringLiteral("**JYUNO"), MachineAcceptance(record));

    for (const CheckGroup &group : kCheckGroups)
        for (int item = 1; item <= group.items; ++item)
            writeItemMarks(writer, record, QLatin1Char(group.letter), item);
    for (int item = 1; item <= kRemarkRows; ++item) {
        writer.Value(QStringLiteral("**CHKCMT"), record.FieldByName(QStringLiteral("CHKCMT%1").arg(item)).AsString(), 0,
                     2 * (item - 1));
        writeItemMarks(writer, record, u'H', item);
    }
}

}  // namespace sorvik::documents
