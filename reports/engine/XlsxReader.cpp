#include "XlsxReader.h"

#include "CelvaneError.h"
#include "OoxmlText.h"
#include "PackagePath.h"
#include "XmlSource.h"
#include "ZipArchive.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <set>

namespace celvane {

namespace {

const QString kRelationshipNs = QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships");

// The limits of a sheet and of what a cell format can say. Every number read from a file is
// held within them, so that a damaged or hostile workbook cannot drive the layout beyond
// the sheet or make a page of an impossible size.
constexpr int kLastColumn = 16384;
constexpr int kLastRow = 1048576;
constexpr double kLargestRowHeight = 409.0;    // points
constexpr double kLargestColumnWidth = 255.0;  // characters
constexpr double kLargestFontSize = 409.0;
constexpr qint64 kLargestOffset = 1000ll * kEmuPerMillimetre * 100;  // 100 m, in EMU
constexpr double kLargestMargin = 49.0;                              // inches

// The value held between the limits; a number that is none (NaN) becomes the lower one.
template<typename T> T within(T value, T low, T high)
{
    if (!(value >= low))
        return low;
    return value > high ? high : value;
}

struct SharedString
{
    QString text;
    QString richXml;
};

class PackageReader
{
public:
    PackageReader(std::map<QString, QByteArray> parts, const QString &fileName)
        : m_parts(std::move(parts))
        , m_fileName(fileName)
    {
    }

    Workbook read();

private:
    QByteArray take(const QString &path);
    std::vector<Relationship> readRelationships(const QString &part);
    void readContentTypes();
    void readWorkbook(const QString &path);
    void readStyles(const QString &path);
    void readTheme(const QString &path);
    void readSharedStrings(const QString &path);
    void readSheet(Worksheet &sheet, const QString &path);
    void readSheetData(XmlSource &xml, Worksheet &sheet);
    void readCell(XmlSource &xml, Worksheet &sheet, int row, int &column);
    int styleIndex(int index) const;
    void readDrawing(Worksheet &sheet, const QString &path);
    void readAnchor(XmlSource &xml, Worksheet &sheet, DrawingObject::Anchor anchor,
                    const std::map<QString, QString> &images);
    void readObject(XmlSource &xml, DrawingObject &object, const std::map<QString, QString> &images);
    [[noreturn]] void fail(const QString &part, const QString &reason) const;

    std::map<QString, QByteArray> m_parts;
    QString m_fileName;
    Workbook m_book;
    std::vector<SharedString> m_strings;
    std::map<QString, std::shared_ptr<const ImageData>> m_images;
    std::set<QString> m_consumed;
};

void PackageReader::fail(const QString &part, const QString &reason) const
{
    throw CelvaneError(QStringLiteral("ブック「%1」の「%2」が正しくありません（%3）").arg(m_fileName, part, reason));
}

QByteArray PackageReader::take(const QString &path)
{
    const auto it = m_parts.find(path);
    if (it == m_parts.end())
        return {};
    m_consumed.insert(path);
    return it->second;
}

std::vector<Relationship> PackageReader::readRelationships(const QString &part)
{
    std::vector<Relationship> result;
    const QString relsPath = PackagePath::relationshipsOf(part);
    const QByteArray bytes = take(relsPath);
    if (bytes.isEmpty())
        return result;
    XmlSource xml(bytes);
    if (!xml.nextChild())
        fail(relsPath, xml.reader().errorString());
    while (xml.nextChild()) {
        Relationship rel;
        rel.id = xml.attribute(u"Id");
        rel.type = xml.attribute(u"Type");
        rel.external = xml.attribute(u"TargetMode") == QLatin1String("External");
        rel.target = rel.external ? xml.attribute(u"Target") : PackagePath::resolve(part, xml.attribute(u"Target"));
        result.push_back(rel);
        xml.skip();
    }
    return result;
}

void PackageReader::readContentTypes()
{
    XmlSource xml(take(QStringLiteral("[Content_Types].xml")));
    if (!xml.nextChild())
        fail(QStringLiteral("[Content_Types].xml"), QStringLiteral("ありません"));
    while (xml.nextChild()) {
        if (xml.name() == u"Default")
            m_book.contentTypeDefaults[xml.attribute(u"Extension").toLower()] = xml.attribute(u"ContentType");
        else if (xml.name() == u"Override")
            m_book.contentTypeOverrides[xml.attribute(u"PartName")] = xml.attribute(u"ContentType");
        xml.skip();
    }
}

Workbook PackageReader::read()
{
    readContentTypes();
    QString workbookPath = QStringLiteral("xl/workbook.xml");
    for (const Relationship &rel : readRelationships(QString()))
        if (rel.type.endsWith(QLatin1String("/officeDocument")))
            workbookPath = rel.target;
    m_consumed.erase(QStringLiteral("_rels/.rels"));  // the package's own links stay as they are
    if (!m_parts.count(workbookPath))
        fail(workbookPath, QStringLiteral("ブックの本体がありません"));
    readWorkbook(workbookPath);
    m_consumed.insert(QStringLiteral("[Content_Types].xml"));
    for (auto &[path, bytes] : m_parts)
        if (!m_consumed.count(path))
            m_book.otherParts.emplace(path, std::move(bytes));
    return std::move(m_book);
}

void PackageReader::readWorkbook(const QString &path)
{
    m_book.workbookPath = path;
    const std::vector<Relationship> rels = readRelationships(path);
    std::map<QString, QString> sheetTargets;
    for (const Relationship &rel : rels) {
        const QStringView type = QStringView(rel.type).mid(rel.type.lastIndexOf(u'/') + 1);
        if (type == u"styles")
            readStyles(rel.target);
        else if (type == u"sharedStrings")
            readSharedStrings(rel.target);
        else if (type == u"worksheet")
            sheetTargets[rel.id] = rel.target;
        else if (type == u"calcChain")
            take(rel.target);  // cell positions change, so the chain is rebuilt by the reader
        else {
            if (type == u"theme")
                readTheme(rel.target);
            m_book.workbookRelationships.push_back(rel);
        }
    }

    XmlSource xml(take(path));
    if (!xml.nextChild())
        fail(path, xml.reader().errorString());
    for (const QXmlStreamNamespaceDeclaration &ns : xml.reader().namespaceDeclarations())
        m_book.workbookNamespaces.emplace_back(ns.prefix().toString(), ns.namespaceUri().toString());
    m_book.workbookAttributes = xml.attributesExcept({});
    std::vector<QString> sheetRelIds;
    while (xml.nextChild()) {
        if (xml.name() == u"sheets") {
            m_book.workbookElements.push_back({QStringLiteral("sheets"), {}});
            while (xml.nextChild()) {
                Worksheet sheet;
                sheet.name = xml.attribute(u"name");
                sheet.state = xml.attribute(u"state");
                if (sheet.state == QLatin1String("visible"))
                    sheet.state.clear();
                sheetRelIds.push_back(xml.attribute(kRelationshipNs, u"id"));
                m_book.sheets.push_back(std::move(sheet));
                xml.skip();
            }
        } else if (xml.name() == u"definedNames") {
            m_book.workbookElements.push_back({QStringLiteral("definedNames"), {}});
            while (xml.nextChild()) {
                DefinedName name;
                name.name = xml.attribute(u"name");
                name.localSheet = xml.intAttribute(u"localSheetId", -1);
                name.otherAttributes = xml.attributesExcept({u"name", u"localSheetId"});
                name.value = xml.reader().readElementText();
                m_book.definedNames.push_back(name);
            }
        } else {
            const QString element = xml.name().toString();
            if (element == QLatin1String("workbookPr"))
                m_book.date1904 = xml.boolAttribute(u"date1904");
            m_book.workbookElements.push_back({element, xml.captureElement()});
        }
    }
    if (xml.reader().hasError())
        fail(path, xml.reader().errorString());

    for (size_t i = 0; i < m_book.sheets.size(); ++i) {
        const auto target = sheetTargets.find(sheetRelIds[i]);
        if (target == sheetTargets.end() || !m_parts.count(target->second))
            fail(path, QStringLiteral("シート「%1」の中身がありません").arg(m_book.sheets[i].name));
        readSheet(m_book.sheets[i], target->second);
    }
    // The print area becomes a property of its sheet; it moves with the pages.
    std::vector<DefinedName> names;
    for (const DefinedName &name : m_book.definedNames) {
        CellRange area;
        const QString value = name.value.mid(name.value.lastIndexOf(u'!') + 1);
        if (name.name == QLatin1String("_xlnm.Print_Area") && name.localSheet >= 0
            && name.localSheet < int(m_book.sheets.size()) && !value.contains(u',') && CellRange::parse(value, area))
            m_book.sheets[name.localSheet].printArea = area;
        else
            names.push_back(name);
    }
    m_book.definedNames = std::move(names);
}

CellColor readColor(XmlSource &xml)
{
    CellColor color;
    if (xml.boolAttribute(u"auto"))
        color.kind = CellColor::Kind::Auto;
    else if (!xml.attribute(u"rgb").isEmpty()) {
        color.kind = CellColor::Kind::Rgb;
        color.argb = xml.attribute(u"rgb").toUInt(nullptr, 16);
    } else if (!xml.attribute(u"indexed").isEmpty()) {
        color.kind = CellColor::Kind::Indexed;
        color.index = xml.intAttribute(u"indexed");
    } else if (!xml.attribute(u"theme").isEmpty()) {
        color.kind = CellColor::Kind::Theme;
        color.index = xml.intAttribute(u"theme");
    }
    color.tint = within(xml.doubleAttribute(u"tint"), -1.0, 1.0);
    xml.skip();
    return color;
}

Font readFont(XmlSource &xml)
{
    Font font;
    font.name.clear();
    while (xml.nextChild()) {
        const QStringView n = xml.name();
        const QString val = xml.attribute(u"val");
        if (n == u"b")
            font.bold = val.isEmpty() || val == QLatin1String("1") || val == QLatin1String("true");
        else if (n == u"i")
            font.italic = val.isEmpty() || val == QLatin1String("1") || val == QLatin1String("true");
        else if (n == u"strike")
            font.strike = val.isEmpty() || val == QLatin1String("1") || val == QLatin1String("true");
        else if (n == u"u")
            font.underline = val.isEmpty() ? QStringLiteral("single") : val;
        else if (n == u"vertAlign")
            font.vertAlign = val;
        else if (n == u"sz")
            font.size = within(val.toDouble(), 1.0, kLargestFontSize);
        else if (n == u"name" || n == u"rFont")
            font.name = val;
        else if (n == u"family")
            font.family = val.toInt();
        else if (n == u"charset")
            font.charset = val.toInt();
        else if (n == u"scheme")
            font.scheme = val;
        if (n == u"color")
            font.color = readColor(xml);
        else
            xml.skip();
    }
    return font;
}

BorderLine readBorderLine(XmlSource &xml)
{
    static const QStringList styles = {QString(),
                                       QStringLiteral("thin"),
                                       QStringLiteral("medium"),
                                       QStringLiteral("dashed"),
                                       QStringLiteral("dotted"),
                                       QStringLiteral("thick"),
                                       QStringLiteral("double"),
                                       QStringLiteral("hair"),
                                       QStringLiteral("mediumDashed"),
                                       QStringLiteral("dashDot"),
                                       QStringLiteral("mediumDashDot"),
                                       QStringLiteral("dashDotDot"),
                                       QStringLiteral("mediumDashDotDot"),
                                       QStringLiteral("slantDashDot")};
    BorderLine line;
    const qsizetype style = styles.indexOf(xml.attribute(u"style"));
    line.style = style > 0 ? LineStyle(style) : LineStyle::None;
    while (xml.nextChild()) {
        if (xml.name() == u"color")
            line.color = readColor(xml);
        else
            xml.skip();
    }
    return line;
}

Border readBorder(XmlSource &xml)
{
    Border border;
    border.diagonalUp = xml.boolAttribute(u"diagonalUp");
    border.diagonalDown = xml.boolAttribute(u"diagonalDown");
    while (xml.nextChild()) {
        const QStringView n = xml.name();
        if (n == u"left" || n == u"start")
            border.left = readBorderLine(xml);
        else if (n == u"right" || n == u"end")
            border.right = readBorderLine(xml);
        else if (n == u"top")
            border.top = readBorderLine(xml);
        else if (n == u"bottom")
            border.bottom = readBorderLine(xml);
        else if (n == u"diagonal")
            border.diagonal = readBorderLine(xml);
        else
            xml.skip();
    }
    return border;
}

CellFormat readCellFormat(XmlSource &xml)
{
    CellFormat format;
    format.numFmtId = xml.intAttribute(u"numFmtId");
    format.fontId = xml.intAttribute(u"fontId");
    format.fillId = xml.intAttribute(u"fillId");
    format.borderId = xml.intAttribute(u"borderId");
    format.xfId = xml.intAttribute(u"xfId");
    format.otherAttributes = xml.attributesExcept({u"numFmtId", u"fontId", u"fillId", u"borderId", u"xfId"});
    while (xml.nextChild()) {
        if (xml.name() == u"alignment") {
            Alignment &a = format.alignment;
            a.horizontal = xml.attribute(u"horizontal");
            a.vertical = xml.attribute(u"vertical");
            a.wrapText = xml.boolAttribute(u"wrapText");
            a.shrinkToFit = xml.boolAttribute(u"shrinkToFit");
            a.textRotation = xml.intAttribute(u"textRotation");
            if (a.textRotation != 255)
                a.textRotation = within(a.textRotation, 0, 180);
            a.indent = within(xml.intAttribute(u"indent"), 0, 250);
            a.otherAttributes = xml.attributesExcept(
                {u"horizontal", u"vertical", u"wrapText", u"shrinkToFit", u"textRotation", u"indent"});
            xml.skip();
        } else if (xml.name() == u"protection") {
            format.protectionXml = xml.captureElement();
        } else {
            xml.skip();
        }
    }
    return format;
}

void PackageReader::readStyles(const QString &path)
{
    if (!m_parts.count(path))
        return;  // as spreadsheet programs do, a missing style part means the default styles
    XmlSource xml(take(path));
    StyleSheet &styles = m_book.styles;
    if (!xml.nextChild())
        fail(path, xml.reader().errorString());
    for (const QXmlStreamNamespaceDeclaration &ns : xml.reader().namespaceDeclarations())
        styles.rootNamespaces.emplace_back(ns.prefix().toString(), ns.namespaceUri().toString());
    styles.rootAttributes = xml.attributesExcept({});
    styles.afterCellXfsXml.clear();
    styles.fonts.clear();
    styles.fills.clear();
    styles.borders.clear();
    styles.cellFormats.clear();
    bool seenCellXfs = false;
    while (xml.nextChild()) {
        const QStringView n = xml.name();
        if (n == u"numFmts") {
            while (xml.nextChild()) {
                styles.numberFormats[xml.intAttribute(u"numFmtId")] = xml.attribute(u"formatCode");
                xml.skip();
            }
        } else if (n == u"fonts") {
            while (xml.nextChild())
                styles.fonts.push_back(readFont(xml));
        } else if (n == u"fills") {
            while (xml.nextChild()) {
                Fill fill;
                fill.patternType.clear();
                while (xml.nextChild()) {
                    if (xml.name() == u"patternFill") {
                        fill.patternType = xml.attribute(u"patternType");
                        if (fill.patternType.isEmpty())
                            fill.patternType = QStringLiteral("none");
                        while (xml.nextChild()) {
                            if (xml.name() == u"fgColor")
                                fill.foreground = readColor(xml);
                            else if (xml.name() == u"bgColor")
                                fill.background = readColor(xml);
                            else
                                xml.skip();
                        }
                    } else {
                        fill.gradientXml = xml.captureElement();
                    }
                }
                styles.fills.push_back(fill);
            }
        } else if (n == u"borders") {
            while (xml.nextChild())
                styles.borders.push_back(readBorder(xml));
        } else if (n == u"cellStyleXfs") {
            styles.cellStyleXfsXml = xml.captureElement();
        } else if (n == u"cellXfs") {
            seenCellXfs = true;
            while (xml.nextChild())
                styles.cellFormats.push_back(readCellFormat(xml));
        } else {
            const QString raw = xml.captureElement();
            if (seenCellXfs)
                styles.afterCellXfsXml += raw;
            if (n == u"colors") {
                static const QRegularExpression rgb(
                    QStringLiteral("<(?:\\w+:)?rgbColor[^>]*rgb=\"([0-9A-Fa-f]{6,8})\""));
                for (const auto &match : rgb.globalMatch(raw))
                    styles.customPalette.push_back(match.captured(1).toUInt(nullptr, 16));
            }
        }
    }
    if (xml.reader().hasError())
        fail(path, xml.reader().errorString());
    if (styles.fonts.empty())
        styles.fonts.push_back(Font{});
    if (styles.fills.empty())
        styles.fills = {Fill{}, Fill{QStringLiteral("gray125"), {}, {}, {}}};
    if (styles.borders.empty())
        styles.borders.push_back(Border{});
    if (styles.cellFormats.empty())
        styles.cellFormats.push_back(CellFormat{});
}

void PackageReader::readTheme(const QString &path)
{
    // The theme part itself stays in the package untouched; only its colours are read.
    const auto part = m_parts.find(path);
    if (part == m_parts.end())
        return;
    static const QRegularExpression slot(QStringLiteral("<a:(dk1|lt1|dk2|lt2|accent[1-6]|hlink|folHlink)>\\s*<a:(?:"
                                                        "srgbClr val|sysClr[^>]*lastClr)=\"([0-9A-Fa-f]{6})\""));
    static const QStringList order
        = {QStringLiteral("lt1"),     QStringLiteral("dk1"),     QStringLiteral("lt2"),     QStringLiteral("dk2"),
           QStringLiteral("accent1"), QStringLiteral("accent2"), QStringLiteral("accent3"), QStringLiteral("accent4"),
           QStringLiteral("accent5"), QStringLiteral("accent6"), QStringLiteral("hlink"),   QStringLiteral("folHlink")};
    std::vector<quint32> colors(order.size(), 0);
    int found = 0;
    for (const auto &match : slot.globalMatch(QString::fromUtf8(part->second))) {
        colors[order.indexOf(match.captured(1))] = match.captured(2).toUInt(nullptr, 16);
        ++found;
    }
    if (found == order.size())
        m_book.styles.themeColors = colors;
}

void PackageReader::readSharedStrings(const QString &path)
{
    if (!m_parts.count(path))
        return;  // a workbook without texts may name the part and leave it out
    XmlSource xml(take(path));
    if (!xml.nextChild())
        fail(path, xml.reader().errorString());
    while (xml.nextChild()) {
        SharedString entry;
        const qint64 start = xml.elementStart();
        // Runs and phonetic readings are kept as written; only the text is shown.
        bool plain = true;
        while (xml.nextChild()) {
            if (xml.name() == u"t") {
                entry.text += OoxmlText::decode(xml.readText());
            } else if (xml.name() == u"r") {
                plain = false;
                while (xml.nextChild()) {
                    if (xml.name() == u"t")
                        entry.text += OoxmlText::decode(xml.readText());
                    else
                        xml.skip();
                }
            } else {
                plain = false;
                xml.skip();
            }
        }
        if (!plain) {
            const QString whole = xml.textSince(start);
            const qsizetype open = whole.indexOf(u'>') + 1;
            entry.richXml = whole.mid(open, whole.lastIndexOf(u'<') - open);
        }
        m_strings.push_back(entry);
    }
    if (xml.reader().hasError())
        fail(path, xml.reader().errorString());
}

int PackageReader::styleIndex(int index) const
{
    // A format the style table does not hold is the default format, as it is in Excel.
    return index >= 0 && index < int(m_book.styles.cellFormats.size()) ? index : 0;
}

void PackageReader::readCell(XmlSource &xml, Worksheet &sheet, int row, int &column)
{
    const QString reference = xml.attribute(u"r");
    int parsedRow = row;
    if (!reference.isEmpty() && !CellRange::parseCell(reference, column, parsedRow))
        fail(sheet.name, QStringLiteral("セル番地 %1").arg(reference));
    if (column > kLastColumn)
        fail(sheet.name, QStringLiteral("行 %1 の列がシートの範囲を超えています").arg(row));
    Cell cell;
    cell.style = styleIndex(xml.intAttribute(u"s"));
    const QString type = xml.attribute(u"t");
    QString value;
    bool hasValue = false;
    while (xml.nextChild()) {
        const QStringView n = xml.name();
        if (n == u"v") {
            value = xml.readText();
            // An empty value is no value: formulas written without a result keep none.
            hasValue = !value.isEmpty() || type == u"str";
        } else if (n == u"f") {
            cell.formulaXml = xml.captureElement();
        } else if (n == u"is") {
            while (xml.nextChild()) {
                if (xml.name() == u"t")
                    value += xml.readText();
                else if (xml.name() == u"r") {
                    while (xml.nextChild())
                        xml.name() == u"t" ? void(value += xml.readText()) : xml.skip();
                } else
                    xml.skip();
            }
            hasValue = true;
        } else {
            xml.skip();
        }
    }
    if (hasValue) {
        bool ok = true;
        if (type == u"s") {
            // A string the table does not hold shows nothing, as in the spreadsheet programs.
            const int index = value.trimmed().toInt(&ok);
            if (ok && index >= 0 && index < int(m_strings.size())) {
                cell.type = Cell::Type::Text;
                cell.text = m_strings[index].text;
                cell.richTextXml = m_strings[index].richXml;
            }
        } else if (type == u"str" || type == u"inlineStr" || type == u"d") {
            cell.type = Cell::Type::Text;
            cell.text = OoxmlText::decode(value);
        } else if (type == u"b") {
            cell.type = Cell::Type::Boolean;
            cell.number = value.trimmed() == QLatin1String("1") || value.trimmed() == QLatin1String("true");
        } else if (type == u"e") {
            cell.type = Cell::Type::Error;
            cell.text = value;
        } else {
            const double number = value.trimmed().toDouble(&ok);
            if (ok && std::isfinite(number)) {
                cell.type = Cell::Type::Number;
                cell.number = number;
            }
        }
    }
    sheet.rows[parsedRow].cells[column] = std::move(cell);
    ++column;
}

void PackageReader::readSheetData(XmlSource &xml, Worksheet &sheet)
{
    int rowNumber = 0;
    while (xml.nextChild()) {
        rowNumber = xml.intAttribute(u"r", rowNumber + 1);
        if (rowNumber < 1 || rowNumber > kLastRow)
            fail(sheet.name, QStringLiteral("行番号 %1 はシートの範囲外です").arg(xml.attribute(u"r")));
        Row &row = sheet.rows[rowNumber];
        row.height = within(xml.doubleAttribute(u"ht"), 0.0, kLargestRowHeight);
        row.customHeight = xml.boolAttribute(u"customHeight");
        row.hidden = xml.boolAttribute(u"hidden");
        if (xml.boolAttribute(u"customFormat"))
            row.style = xml.intAttribute(u"s", -1) < 0 ? -1 : styleIndex(xml.intAttribute(u"s"));
        row.otherAttributes = xml.attributesExcept(
            {u"r", u"ht", u"customHeight", u"hidden", u"s", u"customFormat", u"spans", u"x14ac:dyDescent"});
        int column = 1;
        while (xml.nextChild())
            readCell(xml, sheet, rowNumber, column);
    }
}

void PackageReader::readSheet(Worksheet &sheet, const QString &path)
{
    QString drawingId;
    std::vector<Relationship> rels = readRelationships(path);
    XmlSource xml(take(path));
    if (!xml.nextChild())
        fail(path, xml.reader().errorString());
    for (const QXmlStreamNamespaceDeclaration &ns : xml.reader().namespaceDeclarations())
        sheet.rootNamespaces.emplace_back(ns.prefix().toString(), ns.namespaceUri().toString());
    sheet.rootAttributes = xml.attributesExcept({});
    PageSetup &page = sheet.pageSetup;
    while (xml.nextChild()) {
        const QStringView n = xml.name();
        if (n == u"dimension") {
            xml.skip();
        } else if (n == u"sheetFormatPr") {
            sheet.defaultRowHeight = within(xml.doubleAttribute(u"defaultRowHeight", 15.0), 0.0, kLargestRowHeight);
            sheet.defaultColumnWidth = within(xml.doubleAttribute(u"defaultColWidth"), 0.0, kLargestColumnWidth);
            sheet.baseColumnWidth = within(xml.intAttribute(u"baseColWidth", 8), 0, int(kLargestColumnWidth));
            sheet.rowsHiddenByDefault = xml.boolAttribute(u"zeroHeight");
            sheet.sheetFormatXml = xml.captureElement();
        } else if (n == u"cols") {
            while (xml.nextChild()) {
                ColumnInfo info;
                info.first = within(xml.intAttribute(u"min", 1), 1, kLastColumn);
                info.last = within(xml.intAttribute(u"max", info.first), info.first, kLastColumn);
                info.width = within(xml.doubleAttribute(u"width"), 0.0, kLargestColumnWidth);
                info.customWidth = xml.boolAttribute(u"customWidth");
                info.hidden = xml.boolAttribute(u"hidden");
                info.style = xml.intAttribute(u"style", -1) < 0 ? -1 : styleIndex(xml.intAttribute(u"style"));
                info.otherAttributes
                    = xml.attributesExcept({u"min", u"max", u"width", u"customWidth", u"hidden", u"style"});
                sheet.columns.push_back(info);
                xml.skip();
            }
        } else if (n == u"sheetData") {
            readSheetData(xml, sheet);
        } else if (n == u"mergeCells") {
            while (xml.nextChild()) {
                CellRange range;
                if (CellRange::parse(xml.attribute(u"ref"), range))
                    sheet.merges.push_back(range);
                xml.skip();
            }
        } else if (n == u"printOptions") {
            page.centerHorizontally = xml.boolAttribute(u"horizontalCentered");
            page.centerVertically = xml.boolAttribute(u"verticalCentered");
            page.printGridLines = xml.boolAttribute(u"gridLines");
            page.printHeadings = xml.boolAttribute(u"headings");
            xml.skip();
        } else if (n == u"pageMargins") {
            page.marginsSet = true;
            const auto margin = [&xml](QStringView name, double fallback) {
                return within(xml.doubleAttribute(name, fallback), 0.0, kLargestMargin);
            };
            page.marginLeft = margin(u"left", 0.7);
            page.marginRight = margin(u"right", 0.7);
            page.marginTop = margin(u"top", 0.75);
            page.marginBottom = margin(u"bottom", 0.75);
            page.marginHeader = margin(u"header", 0.3);
            page.marginFooter = margin(u"footer", 0.3);
            xml.skip();
        } else if (n == u"pageSetup") {
            page.pageSetupSet = true;
            page.paperSize = xml.intAttribute(u"paperSize", 1);
            page.orientationSet = !xml.attribute(u"orientation").isEmpty();
            page.landscape = xml.attribute(u"orientation") == QLatin1String("landscape");
            page.scale = within(xml.intAttribute(u"scale", 100), 10, 400);
            page.fitToWidth = within(xml.intAttribute(u"fitToWidth", 1), 0, 32767);
            page.fitToHeight = within(xml.intAttribute(u"fitToHeight", 1), 0, 32767);
            page.firstPageNumber = xml.intAttribute(u"firstPageNumber", 1);
            page.useFirstPageNumber = xml.boolAttribute(u"useFirstPageNumber");
            page.overThenDown = xml.attribute(u"pageOrder") == QLatin1String("overThenDown");
            page.otherPageSetupAttributes
                = xml.attributesExcept({u"paperSize", u"orientation", u"scale", u"fitToWidth", u"fitToHeight",
                                        u"firstPageNumber", u"useFirstPageNumber", u"pageOrder"});
            xml.skip();
        } else if (n == u"headerFooter") {
            const qint64 start = xml.elementStart();
            while (xml.nextChild()) {
                if (xml.name() == u"oddHeader")
                    page.oddHeader = xml.readText();
                else if (xml.name() == u"oddFooter")
                    page.oddFooter = xml.readText();
                else
                    xml.skip();
            }
            page.headerFooterXml = xml.textSince(start);
        } else if (n == u"rowBreaks" || n == u"colBreaks") {
            std::vector<int> &breaks = n == u"rowBreaks" ? sheet.rowBreaks : sheet.columnBreaks;
            const int last = n == u"rowBreaks" ? kLastRow : kLastColumn;
            while (xml.nextChild()) {
                const int id = xml.intAttribute(u"id");
                if (xml.boolAttribute(u"man", true) && id >= 1 && id < last)
                    breaks.push_back(id);
                xml.skip();
            }
        } else if (n == u"drawing") {
            drawingId = xml.attribute(kRelationshipNs, u"id");
            xml.skip();
        } else {
            const QString name = xml.name().toString();
            const QString raw = xml.captureElement();
            if (name == QLatin1String("sheetPr")) {
                static const QRegularExpression fit(QStringLiteral("fitToPage=\"(1|true)\""));
                page.fitToPage = fit.match(raw).hasMatch();
            }
            sheet.otherElements.push_back({name, raw});
        }
    }
    if (xml.reader().hasError())
        fail(path, xml.reader().errorString());
    for (const Relationship &rel : rels) {
        if (!drawingId.isEmpty() && rel.id == drawingId)
            readDrawing(sheet, rel.target);
        else
            sheet.relationships.push_back(rel);
    }
}

AnchorPoint readAnchorPoint(XmlSource &xml)
{
    AnchorPoint point;
    while (xml.nextChild()) {
        const QStringView name = xml.name();
        const qint64 value = xml.readText().trimmed().toLongLong();
        if (name == u"col")
            point.column = int(within<qint64>(value, 0, kLastColumn - 1));
        else if (name == u"row")
            point.row = int(within<qint64>(value, 0, kLastRow - 1));
        else if (name == u"colOff")
            point.columnOffset = within<qint64>(value, 0, kLargestOffset);
        else if (name == u"rowOff")
            point.rowOffset = within<qint64>(value, 0, kLargestOffset);
    }
    return point;
}

void PackageReader::readObject(XmlSource &xml, DrawingObject &object, const std::map<QString, QString> &images)
{
    // Walks the object to learn what it shows, while keeping its XML as written.
    const qint64 start = xml.elementStart();
    const QString kind = xml.name().toString();
    object.kind = kind == QLatin1String("pic")                          ? DrawingObject::Kind::Picture
        : kind == QLatin1String("sp") || kind == QLatin1String("cxnSp") ? DrawingObject::Kind::Shape
                                                                        : DrawingObject::Kind::Other;
    object.line.style = LineStyle::None;
    int depth = 1;
    bool inLine = false;
    bool inShapeProperties = false;
    QXmlStreamReader &r = xml.reader();
    while (depth > 0 && !r.atEnd()) {
        r.readNext();
        if (r.isEndElement()) {
            --depth;
            if (r.name() == u"ln")
                inLine = false;
            else if (r.name() == u"spPr")
                inShapeProperties = false;
            continue;
        }
        if (!r.isStartElement())
            continue;
        ++depth;
        const QStringView n = r.name();
        if (n == u"cNvPr" && object.name.isEmpty()) {
            object.name = xml.attribute(u"name");
        } else if (n == u"blip") {
            const auto target = images.find(xml.attribute(kRelationshipNs, u"embed"));
            if (target != images.end()) {
                auto cached = m_images.find(target->second);
                if (cached == m_images.end()) {
                    const auto part = m_parts.find(target->second);
                    auto data = std::make_shared<ImageData>();
                    if (part != m_parts.end())
                        data->bytes = part->second;
                    data->extension = target->second.mid(target->second.lastIndexOf(u'.') + 1).toLower();
                    data->sourcePart = target->second;
                    cached = m_images.emplace(target->second, data).first;
                }
                object.image = cached->second;
            }
        } else if (n == u"spPr") {
            inShapeProperties = true;
        } else if (n == u"ext" && inShapeProperties && object.width == 0) {
            object.width = within<qint64>(xml.attribute(u"cx").toLongLong(), 0, kLargestOffset);
            object.height = within<qint64>(xml.attribute(u"cy").toLongLong(), 0, kLargestOffset);
        } else if (n == u"xfrm" && inShapeProperties) {
            object.flipHorizontal = xml.boolAttribute(u"flipH");
            object.flipVertical = xml.boolAttribute(u"flipV");
        } else if (n == u"prstGeom") {
            const QString shape = xml.attribute(u"prst");
            object.geometry = shape == QLatin1String("ellipse") ? DrawingObject::Geometry::Ellipse
                : shape == QLatin1String("rect")                ? DrawingObject::Geometry::Rectangle
                : shape.contains(QLatin1String("line")) || shape.contains(QLatin1String("Connector"))
                ? DrawingObject::Geometry::Line
                : DrawingObject::Geometry::None;
        } else if (n == u"ln" && inShapeProperties) {
            inLine = true;
            const int width = xml.intAttribute(u"w", 9525);
            object.line.style = width >= 38100 ? LineStyle::Thick
                : width >= 19050               ? LineStyle::Medium
                                               : LineStyle::Thin;
        } else if (n == u"srgbClr" && inShapeProperties) {
            const CellColor color = CellColor::rgb(xml.attribute(u"val").toUInt(nullptr, 16));
            inLine ? void(object.line.color = color) : void(object.fill = color);
        } else if (n == u"prstDash" && inLine) {
            const QString dash = xml.attribute(u"val");
            if (dash.contains(QLatin1String("sysDot")) || dash == QLatin1String("dot"))
                object.line.style = LineStyle::Dotted;
            else if (dash != QLatin1String("solid"))
                object.line.style = object.line.style == LineStyle::Thin ? LineStyle::Dashed : LineStyle::MediumDashed;
        } else if (n == u"noFill" && inLine) {
            object.line.style = LineStyle::None;
        } else if (n == u"t") {
            object.text += r.readElementText();
            --depth;
        }
    }
    if (object.kind != DrawingObject::Kind::Picture)
        object.objectXml = xml.textSince(start);
}

void PackageReader::readAnchor(XmlSource &xml, Worksheet &sheet, DrawingObject::Anchor anchor,
                               const std::map<QString, QString> &images)
{
    DrawingObject object;
    object.anchor = anchor;
    object.editAs = xml.attribute(u"editAs");
    bool hasObject = false;
    while (xml.nextChild()) {
        const QStringView n = xml.name();
        if (n == u"from")
            object.from = readAnchorPoint(xml);
        else if (n == u"to")
            object.to = readAnchorPoint(xml);
        else if (n == u"ext") {
            object.width = within<qint64>(xml.attribute(u"cx").toLongLong(), 0, kLargestOffset);
            object.height = within<qint64>(xml.attribute(u"cy").toLongLong(), 0, kLargestOffset);
            xml.skip();
        } else if (n == u"pos") {
            object.x = within<qint64>(xml.attribute(u"x").toLongLong(), 0, kLargestOffset);
            object.y = within<qint64>(xml.attribute(u"y").toLongLong(), 0, kLargestOffset);
            xml.skip();
        } else if (n == u"clientData") {
            xml.skip();
        } else if (n == u"AlternateContent" || n == u"Choice" || n == u"Fallback") {
            object.kind = DrawingObject::Kind::Other;
            object.objectXml = xml.captureElement();
            hasObject = true;
        } else {
            readObject(xml, object, images);
            hasObject = true;
        }
    }
    if (hasObject)
        sheet.drawings.push_back(std::move(object));
}

void PackageReader::readDrawing(Worksheet &sheet, const QString &path)
{
    if (!m_parts.count(path))
        return;  // a drawing named but left out of the package draws nothing
    std::map<QString, QString> images;
    for (const Relationship &rel : readRelationships(path)) {
        if (rel.type.endsWith(QLatin1String("/image")) && !rel.external)
            images[rel.id] = rel.target;
        sheet.drawingRelationships.push_back(rel);
    }
    XmlSource xml(take(path));
    if (!xml.nextChild())
        fail(path, xml.reader().errorString());
    for (const QXmlStreamNamespaceDeclaration &ns : xml.reader().namespaceDeclarations())
        sheet.drawingNamespaces.emplace_back(ns.prefix().toString(), ns.namespaceUri().toString());
    while (xml.nextChild()) {
        const QStringView n = xml.name();
        if (n == u"twoCellAnchor")
            readAnchor(xml, sheet, DrawingObject::Anchor::TwoCell, images);
        else if (n == u"oneCellAnchor")
            readAnchor(xml, sheet, DrawingObject::Anchor::OneCell, images);
        else if (n == u"absoluteAnchor")
            readAnchor(xml, sheet, DrawingObject::Anchor::Absolute, images);
        else
            xml.skip();
    }
    if (xml.reader().hasError())
        fail(path, xml.reader().errorString());
}

}  // namespace

Workbook XlsxReader::read(const QString &fileName)
{
    return read(ZipArchive::read(fileName), fileName);
}

Workbook XlsxReader::read(std::map<QString, QByteArray> parts, const QString &fileName)
{
    return PackageReader(std::move(parts), fileName).read();
}

}  // namespace celvane
