#include "LedgerCells.h"

#include "DatedRow.h"
#include "framework/DocumentValues.h"
#include "framework/MarkerWriter.h"

namespace sorvik::documents::LedgerCells {

namespace {

constexpr int kPermitRows = 6;

QStringList columnsOf(const char *columns)
{
    return QString::fromLatin1(columns).split(u' ', Qt::SkipEmptyParts);
}

QString marker(const QString &column, const QString &suffix)
{
    return QStringLiteral("**") + column + suffix;
}

}  // namespace

void Texts(MarkerWriter &writer, const DatedRow &row, const char *columns, const QString &suffix)
{
    for (const QString &column : columnsOf(columns))
        writer.Value(marker(column, suffix), row.text(column));
}

void Dates(MarkerWriter &writer, const DatedRow &row, const char *columns, const QString &suffix)
{
    for (const QString &column : columnsOf(columns))
        writer.Value(marker(column, suffix), DocumentValues::EraLong(row.text(column)));
}

QString Representative(const DatedRow &row)
{
    return row.text(QStringLiteral("PSNM")) + u' ' + row.text(QStringLiteral("PRNM"));
}

QString PermitNumber(const DatedRow &row, int n)
{
    const QString number = row.text(QStringLiteral("KYNUM%1").arg(n));
    if (number.isEmpty())
        return {};
    // The widths of the form's "%4s" and "%12s" count characters, not the bytes of the
    // old Shift-JIS texts, so that a sign in full-width letters still lines up.
    return QStringLiteral("%1・%2 %3 第 %4 号")
        .arg(row.text(QStringLiteral("KYAREA%1").arg(n)), row.text(QStringLiteral("KYTYPE%1").arg(n)),
             row.text(QStringLiteral("KYKIGO%1").arg(n)).rightJustified(4, u' '), number.rightJustified(12, u' '));
}

void Permit(MarkerWriter &writer, const DatedRow &row, int n, const QString &slot)
{
    writer.Value(QStringLiteral("**KYGY") + slot, row.text(QStringLiteral("KYGY%1").arg(n)));
    if (const QString number = PermitNumber(row, n); !number.isEmpty())
        writer.Value(QStringLiteral("**KYNUM") + slot, number);
    writer.Value(QStringLiteral("**KYDT") + slot, DocumentValues::EraLong(row.text(QStringLiteral("KYDT%1").arg(n))));
}

void FirstPermits(MarkerWriter &writer, const DatedRow &row, const QString &suffix)
{
    Permit(writer, row, 1, QStringLiteral("1") + suffix);
    Permit(writer, row, 2, QStringLiteral("2") + suffix);
}

QStringList JointVentureSlots(int count)
{
    if (count <= 2)
        return {QStringLiteral("10"), QStringLiteral("20")};
    if (count <= 4)
        return {QStringLiteral("30"), QStringLiteral("40"), QStringLiteral("50"), QStringLiteral("60")};
    return {QStringLiteral("30"), QStringLiteral("10"), QStringLiteral("40"),
            QStringLiteral("50"), QStringLiteral("20"), QStringLiteral("60")};
}

void PrimePermits(MarkerWriter &writer, const DatedRow &prime, bool jointVenture)
{
    if (!jointVenture) {
        FirstPermits(writer, prime, QStringLiteral("0"));
        return;
    }
    QList<int> rows;
    for (int n = 1; n <= kPermitRows; ++n)
        if (!prime.isNull(QStringLiteral("KYGY%1").arg(n)))
            rows << n;
    const QStringList places = JointVentureSlots(int(rows.size()));
    for (qsizetype i = 0; i < rows.size(); ++i)
        Permit(writer, prime, rows[i], places[i]);
}

void SubcontractorHead(MarkerWriter &writer, const DatedRow &row)
{
    Texts(writer, row, "CPNM POST TEL", QStringLiteral("1"));
    writer.Value(QStringLiteral("**PSNM1"), Representative(row));
    writer.Value(QStringLiteral("**ADD1"), row.text(QStringLiteral("ADRS")));
    writer.Value(QStringLiteral("**KJNY1"), row.text(QStringLiteral("KJNM")));
    Dates(writer, row, "STDT FNDT SGDT", QStringLiteral("1"));
    FirstPermits(writer, row, QStringLiteral("1"));
}

void SubcontractorStaff(MarkerWriter &writer, const DatedRow &row)
{
    Texts(writer, row, "GBNM GBKG GBIK SNSE1 SNNM1 SNSK1 ANNM ASNM KKNM GJNM1 GJSI1 GJKJ1 GJNM2 GJSI2 GJKJ2",
          QStringLiteral("1"));
}

}  // namespace sorvik::documents::LedgerCells
