#include "WorkerCells.h"

#include "data/DataField.h"
#include "data/DataSet.h"
#include "framework/DocumentValues.h"
#include "framework/MarkerWriter.h"

namespace sorvik::documents {

namespace {

QString withPhone(const QString &address, const QString &phone)
{
    return phone.isEmpty() ? address : address + QStringLiteral(" (") + phone + u')';
}

// A number column: the number, or blank when the column is empty.
void writeNumber(MarkerWriter &writer, const QString &marker, const DataField &field, int rowOffset)
{
    if (field.IsNull())
        writer.Value(marker, QString(), 0, rowOffset);
    else
        writer.Value(marker, qint64(field.AsInteger()), 0, rowOffset);
}

}  // namespace

void WriteWorkerCells(MarkerWriter &writer, DataSet &worker, int rowOffset)
{
    const auto text = [&](const char *column) { return worker.FieldByName(QLatin1String(column)).AsString(); };
    const auto put
        = [&](const char *marker, const QString &value) { writer.Value(QLatin1String(marker), value, 0, rowOffset); };
    using DocumentValues::EraShort;

    put("**NAME", text("NAME"));
    put("**FURI", text("FURI"));
    put("**SHOKUSHU", text("TYP"));
    put("**KOME", text("KIGO"));
    put("**KOYMD", EraShort(text("KYDT")));
    writeNumber(writer, QStringLiteral("**KEINEN"), worker.FieldByName(QStringLiteral("KKNUM")), rowOffset);
    put("**BNDT", EraShort(text("BNDT")));
    writeNumber(writer, QStringLiteral("**OLD"), worker.FieldByName(QStringLiteral("OLD")), rowOffset);
    put("**ADD", withPhone(text("ADRS"), text("TEL")));
    put("**FAMADD", withPhone(text("FAMADD"), text("FAMTEL")));
    put("**KSYMD", EraShort(text("KKDT")));
    const QString upper = text("PRESU");
    const QString lower = text("PRESL");
    put("**PRS", upper.isEmpty() && lower.isEmpty() ? QString() : upper + QStringLiteral("～") + lower);
    put("**BRTYP", text("BRED") + u' ' + text("BRRH"));
    put("**TKYMD", EraShort(text("TKDT")));
    put("**TKTYP", text("TKNM"));
    put("**TKLN", text("TOKUKYO"));
    put("**GNLN", text("GINOKYO"));
    put("**MKLN", text("MENKYO"));
    put("**INDT", EraShort(text("INDT")));
    put("**UKDT", EraShort(text("UKDT")));
}

}  // namespace sorvik::documents
