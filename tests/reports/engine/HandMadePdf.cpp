#include "HandMadePdf.h"

#include <QList>

namespace HandMadePdf {

const QByteArray kStreamBytes("1 0 R 4 0 R (unended endobj\nstream\n<< >>");

QByteArray file(const std::vector<QByteArray> &bodies)
{
    QByteArray pdf("%PDF-1.4\n%\xe2\xe3\xcf\xd3\n");
    std::vector<qsizetype> offsets;
    for (size_t i = 0; i < bodies.size(); ++i) {
        offsets.push_back(pdf.size());
        pdf += QByteArray::number(qsizetype(i) + 1) + " 0 obj\n" + bodies[i] + "\nendobj\n";
    }
    const qsizetype xref = pdf.size();
    pdf += "xref\n0 " + QByteArray::number(qsizetype(bodies.size()) + 1) + "\n0000000000 65535 f \n";
    for (const qsizetype offset : offsets)
        pdf += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    pdf += "trailer\n<< /Size " + QByteArray::number(qsizetype(bodies.size()) + 1)
        + " /Root 1 0 R /Info 2 0 R >>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    return pdf;
}

QByteArray onePage()
{
    return file({"<< /Type /Catalog /Pages 3 0 R >>", "<< /Title (Kids 3 0 R \\) \\(6 0 R) /Creator <FEFF0041> >>",
                 "<< /Type /Pages /Kids [4 0 R] /Count 1 >>",
                 "<< /Type /Page /Parent 3 0 R /Contents 5 0 R /MediaBox [0 0 100 100] >>",
                 "<< /Length 6 0 R >>\nstream\n" + kStreamBytes + "\nendstream",
                 QByteArray::number(kStreamBytes.size())});
}

QString tableProblem(const QByteArray &pdf)
{
    const qsizetype startxref = pdf.lastIndexOf("startxref");
    if (startxref < 0)
        return QStringLiteral("no startxref");
    const qsizetype xref = pdf.mid(startxref + 9).trimmed().split('\n').value(0).toLongLong();
    const QList<QByteArray> lines = pdf.mid(xref).split('\n');
    if (lines.value(0) != "xref")
        return QStringLiteral("no table where startxref points");
    const int count = lines.value(1).split(' ').value(1).toInt();
    for (int number = 1; number < count; ++number) {
        const QByteArray entry = lines.value(2 + number);
        if (entry.size() != 19 || !entry.endsWith(" n "))
            return QStringLiteral("entry %1 is \"%2\"").arg(number).arg(QString::fromLatin1(entry));
        if (!pdf.mid(entry.left(10).toLongLong()).startsWith(QByteArray::number(number) + " 0 obj"))
            return QStringLiteral("object %1 is not where the table says").arg(number);
    }
    return {};
}

}  // namespace HandMadePdf
