#include "WorkbookParts.h"

#include "ZipArchive.h"

#include <QRegularExpression>

namespace {

const char *const kMain = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
const char *const kRel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
const char *const kPackageRel = "http://schemas.openxmlformats.org/package/2006/relationships";

QString relationship(const QString &id, const QString &type, const QString &target)
{
    return QStringLiteral("<Relationship Id=\"%1\" Type=\"%2/%3\" Target=\"%4\"/>")
        .arg(id, QLatin1String(kRel), type, target);
}

QByteArray relationships(const QString &inside)
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?><Relationships xmlns=\"%1\">%2</Relationships>")
        .arg(QLatin1String(kPackageRel), inside)
        .toUtf8();
}

// Element names of the main namespace written with a prefix, as a writer that binds it so does.
QString prefixed(const QString &xml, const QString &prefix)
{
    if (prefix.isEmpty())
        return xml;
    static const QRegularExpression name(QStringLiteral("<(/?)([A-Za-z][\\w]*)(?=[\\s/>])"));
    QString result = xml;
    result.replace(name, QStringLiteral("<\\1") + prefix + QStringLiteral(":\\2"));
    return result.replace(QStringLiteral("xmlns=\""), QStringLiteral("xmlns:") + prefix + QStringLiteral("=\""));
}

}  // namespace

std::map<QString, QByteArray> WorkbookParts::parts() const
{
    std::map<QString, QByteArray> parts;
    const QString head = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>");
    parts[QStringLiteral("[Content_Types].xml")]
        = (head
           + QStringLiteral(
               "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
               "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
               "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
               "<Default Extension=\"png\" ContentType=\"image/png\"/>"
               "<Override PartName=\"/xl/workbook.xml\" "
               "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>"
               "<Override PartName=\"/xl/worksheets/sheet1.xml\" "
               "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>"
               "<Override PartName=\"/xl/styles.xml\" "
               "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml\"/>"
               "</Types>"))
              .toUtf8();
    parts[QStringLiteral("_rels/.rels")] = relationships(
        relationship(QStringLiteral("rId1"), QStringLiteral("officeDocument"), QStringLiteral("xl/workbook.xml")));
    parts[QStringLiteral("xl/workbook.xml")]
        = (head
           + prefixed(
               QStringLiteral("<workbook xmlns=\"%1\" xmlns:r=\"%2\"><sheets><sheet name=\"Sheet1\" sheetId=\"1\" "
                              "r:id=\"rId1\"/></sheets></workbook>")
                   .arg(QLatin1String(kMain), QLatin1String(kRel)),
               mainPrefix))
              .toUtf8();
    parts[QStringLiteral("xl/_rels/workbook.xml.rels")] = relationships(
        relationship(QStringLiteral("rId1"), QStringLiteral("worksheet"), QStringLiteral("worksheets/sheet1.xml"))
        + relationship(QStringLiteral("rId2"), QStringLiteral("styles"), QStringLiteral("styles.xml"))
        + relationship(QStringLiteral("rId3"), QStringLiteral("sharedStrings"), QStringLiteral("sharedStrings.xml")));
    parts[QStringLiteral("xl/styles.xml")]
        = (head
           + QStringLiteral(
                 "<styleSheet xmlns=\"%1\">%2<fonts>%4</fonts><fills><fill><patternFill "
                 "patternType=\"none\"/></fill><fill>"
                 "<patternFill patternType=\"gray125\"/></fill>%5</fills><borders count=\"2\"><border/><border>"
                 "<left style=\"thin\"/><right style=\"thin\"/><top style=\"thin\"/><bottom style=\"thin\"/>"
                 "</border></borders><cellStyleXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" "
                 "borderId=\"0\"/></cellStyleXfs><cellXfs>%3</cellXfs><cellStyles count=\"1\"><cellStyle "
                 "name=\"Normal\" xfId=\"0\" builtinId=\"0\"/></cellStyles></styleSheet>")
                 .arg(QLatin1String(kMain),
                      numberFormats.isEmpty()
                          ? QString()
                          : QStringLiteral("<numFmts>") + numberFormats + QStringLiteral("</numFmts>"),
                      cellFormats, fonts, fills))
              .toUtf8();
    if (stringsPart)
        parts[QStringLiteral("xl/sharedStrings.xml")]
            = (head + QStringLiteral("<sst xmlns=\"%1\">%2</sst>").arg(QLatin1String(kMain), strings)).toUtf8();
    QString drawing;
    if (!anchors.isEmpty()) {
        drawing = QStringLiteral("<drawing r:id=\"rIdD\"/>");
        parts[QStringLiteral("xl/worksheets/_rels/sheet1.xml.rels")] = relationships(relationship(
            QStringLiteral("rIdD"), QStringLiteral("drawing"), QStringLiteral("../drawings/drawing1.xml")));
        parts[QStringLiteral("xl/drawings/drawing1.xml")]
            = (head
               + QStringLiteral(
                     "<xdr:wsDr xmlns:xdr=\"http://schemas.openxmlformats.org/drawingml/2006/spreadsheetDrawing\" "
                     "xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\" xmlns:r=\"%1\">%2</xdr:wsDr>")
                     .arg(QLatin1String(kRel), anchors))
                  .toUtf8();
    }
    parts[QStringLiteral("xl/worksheets/sheet1.xml")]
        = (head
           + prefixed(
               QStringLiteral("<worksheet xmlns=\"%1\" xmlns:r=\"%2\">%3<sheetData>%4</sheetData>%5%6</worksheet>")
                   .arg(QLatin1String(kMain), QLatin1String(kRel), beforeData, sheetData, afterData, drawing),
               mainPrefix))
              .toUtf8();
    return parts;
}

QByteArray WorkbookParts::zip(const std::map<QString, QByteArray> &parts, bool compress)
{
    std::vector<celvane::ZipArchive::Entry> entries;
    for (const auto &[path, bytes] : parts)
        entries.push_back({path, bytes, compress});
    return celvane::ZipArchive::pack(entries, QStringLiteral("test"));
}

QByteArray WorkbookParts::zipped() const
{
    return zip(parts());
}
