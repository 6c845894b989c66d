#include "XlsxWriter.h"

#include "OoxmlText.h"
#include "PackagePath.h"
#include "XmlOutput.h"

#include <QHash>
#include <QLocale>
#include <QRegularExpression>
#include <algorithm>
#include <functional>

namespace celvane {

namespace {

const QString kMainNs = QStringLiteral("http://schemas.openxmlformats.org/spreadsheetml/2006/main");
const QString kRelNs = QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships");
const QString kRelTypeBase = QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships/");
const QString kDrawingNs = QStringLiteral("http://schemas.openxmlformats.org/drawingml/2006/spreadsheetDrawing");
const QString kDrawingMlNs = QStringLiteral("http://schemas.openxmlformats.org/drawingml/2006/main");
const QString kTypeBase = QStringLiteral("application/vnd.openxmlformats-officedocument.");

const QStringList kSheetOrder = {"sheetPr",
                                 "dimension",
                                 "sheetViews",
                                 "sheetFormatPr",
                                 "cols",
                                 "sheetData",
                                 "sheetCalcPr",
                                 "sheetProtection",
                                 "protectedRanges",
                                 "scenarios",
                                 "autoFilter",
                                 "sortState",
                                 "dataConsolidate",
                                 "customSheetViews",
                                 "mergeCells",
                                 "phoneticPr",
                                 "conditionalFormatting",
                                 "dataValidations",
                                 "hyperlinks",
                                 "printOptions",
                                 "pageMargins",
                                 "pageSetup",
                                 "headerFooter",
                                 "rowBreaks",
                                 "colBreaks",
                                 "customProperties",
                                 "cellWatches",
                                 "ignoredErrors",
                                 "smartTags",
                                 "drawing",
                                 "legacyDrawing",
                                 "legacyDrawingHF",
                                 "drawingHF",
                                 "picture",
                                 "oleObjects",
                                 "controls",
                                 "webPublishItems",
                                 "tableParts",
                                 "extLst"};
const QStringList kWorkbookOrder = {"fileVersion",    "fileSharing",
                                    "workbookPr",     "workbookProtection",
                                    "bookViews",      "sheets",
                                    "functionGroups", "externalReferences",
                                    "definedNames",   "calcPr",
                                    "oleSize",        "customWorkbookViews",
                                    "pivotCaches",    "smartTagPr",
                                    "smartTagTypes",  "webPublishing",
                                    "fileRecoveryPr", "webPublishObjects",
                                    "extLst"};
const QStringList kLineStyles = {"",
                                 "thin",
                                 "medium",
                                 "dashed",
                                 "dotted",
                                 "thick",
                                 "double",
                                 "hair",
                                 "mediumDashed",
                                 "dashDot",
                                 "mediumDashDot",
                                 "dashDotDot",
                                 "mediumDashDotDot",
                                 "slantDashDot"};

// The root element of a part, with the namespaces and attributes the template gave it. The
// writer's own elements carry no prefix, so the main namespace is always the default one;
// a prefix the template used for it stays declared for the elements kept as written.
void openRoot(XmlOutput &out, const QString &name, std::vector<std::pair<QString, QString>> namespaces,
              const XmlAttributes &attributes, bool withRelationships)
{
    out.start(name);
    std::erase_if(namespaces, [](const auto &ns) { return ns.first.isEmpty(); });
    namespaces.insert(namespaces.begin(), {QString(), kMainNs});
    if (withRelationships && std::none_of(namespaces.begin(), namespaces.end(), [](const auto &ns) {
            return ns.first == QLatin1String("r");
        }))
        namespaces.emplace_back(QStringLiteral("r"), kRelNs);
    out.namespaces(namespaces);
    out.attributes(attributes);
}

QString formatNumber(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

// Puts modelled and kept elements in the order the format requires; an element the
// writer does not know keeps its place after the element it followed.
class OrderedElements
{
public:
    explicit OrderedElements(const QStringList &order)
        : m_order(order)
    {
    }
    void addKept(const std::vector<RawElement> &elements, const std::function<void(const RawElement &)> &write)
    {
        double rank = -1;
        for (const RawElement &element : elements) {
            const qsizetype known = m_order.indexOf(element.name);
            rank = known >= 0 ? double(known) : rank + 0.001;
            m_items.push_back({rank, [write, element] { write(element); }});
        }
    }
    void add(const QString &name, std::function<void()> write)
    {
        m_items.push_back({double(m_order.indexOf(name)), std::move(write)});
    }
    void writeAll()
    {
        std::stable_sort(m_items.begin(), m_items.end(),
                         [](const auto &a, const auto &b) { return a.first < b.first; });
        for (const auto &item : m_items)
            item.second();
    }

private:
    QStringList m_order;
    std::vector<std::pair<double, std::function<void()>>> m_items;
};

class PackageWriter
{
public:
    explicit PackageWriter(const Workbook &book)
        : m_book(book)
    {
    }
    std::vector<ZipArchive::Entry> build();

private:
    void add(const QString &path, const QByteArray &bytes, const QString &type = {});
    QByteArray relationships(const std::vector<Relationship> &rels, const QString &sourcePart) const;
    QByteArray sheetXml(const Worksheet &sheet, std::vector<Relationship> &rels);
    void sheetData(XmlOutput &out, const Worksheet &sheet);
    void pageElements(XmlOutput &out, OrderedElements &order, const Worksheet &sheet);
    QByteArray drawingXml(const Worksheet &sheet, std::vector<Relationship> &rels);
    void anchorPoint(XmlOutput &out, const QString &name, const AnchorPoint &point);
    void picture(XmlOutput &out, const DrawingObject &object, const QString &relId, int id);
    void shape(XmlOutput &out, const DrawingObject &object, int id);
    QString imagePart(const std::shared_ptr<const ImageData> &image);
    int sharedString(const Cell &cell);
    QByteArray sharedStringsXml() const;
    QByteArray stylesXml() const;
    QByteArray workbookXml() const;
    QByteArray contentTypesXml() const;

    const Workbook &m_book;
    std::vector<ZipArchive::Entry> m_entries;
    std::map<QString, QString> m_overrides;
    std::vector<std::pair<QString, QString>> m_strings;  // text, rich runs
    QHash<QString, int> m_plainIndex;
    QHash<QString, int> m_richIndex;
    std::map<const ImageData *, QString> m_imageParts;
    std::vector<QString> m_sheetRelIds;
    int m_drawingCount = 0;
};

void PackageWriter::add(const QString &path, const QByteArray &bytes, const QString &type)
{
    m_entries.push_back({path, bytes, true});
    if (!type.isEmpty())
        m_overrides[u'/' + path] = type;
}

QByteArray PackageWriter::relationships(const std::vector<Relationship> &rels, const QString &sourcePart) const
{
    XmlOutput out;
    out.start(QStringLiteral("Relationships"));
    out.writer().writeDefaultNamespace(QStringLiteral("http://schemas.openxmlformats.org/package/2006/relationships"));
    for (const Relationship &rel : rels) {
        out.empty(QStringLiteral("Relationship"));
        out.attribute(QStringLiteral("Id"), rel.id);
        out.attribute(QStringLiteral("Type"), rel.type);
        out.attribute(QStringLiteral("Target"),
                      rel.external ? rel.target : PackagePath::relative(sourcePart, rel.target));
        if (rel.external)
            out.attribute(QStringLiteral("TargetMode"), QStringLiteral("External"));
    }
    out.end();
    return out.finish();
}

int PackageWriter::sharedString(const Cell &cell)
{
    QHash<QString, int> &index = cell.richTextXml.isEmpty() ? m_plainIndex : m_richIndex;
    const QString &key = cell.richTextXml.isEmpty() ? cell.text : cell.richTextXml;
    const auto found = index.constFind(key);
    if (found != index.constEnd())
        return found.value();
    m_strings.emplace_back(cell.text, cell.richTextXml);
    index.insert(key, int(m_strings.size()) - 1);
    return int(m_strings.size()) - 1;
}

void PackageWriter::sheetData(XmlOutput &out, const Worksheet &sheet)
{
    out.start(QStringLiteral("sheetData"));
    QXmlStreamWriter &w = out.writer();
    for (const auto &[number, row] : sheet.rows) {
        const bool plain = row.cells.empty() && !row.customHeight && !row.hidden && row.style < 0 && row.height <= 0.0
            && row.otherAttributes.empty();
        if (plain)
            continue;
        out.start(QStringLiteral("row"));
        out.attribute(QStringLiteral("r"), qint64(number));
        if (row.style >= 0) {
            out.attribute(QStringLiteral("s"), qint64(row.style));
            out.attribute(QStringLiteral("customFormat"), QStringLiteral("1"));
        }
        if (row.height > 0.0) {
            out.attribute(QStringLiteral("ht"), row.height);
            if (row.customHeight)
                out.attribute(QStringLiteral("customHeight"), QStringLiteral("1"));
        }
        if (row.hidden)
            out.attribute(QStringLiteral("hidden"), QStringLiteral("1"));
        out.attributes(row.otherAttributes);
        for (const auto &[column, cell] : row.cells) {
            out.start(QStringLiteral("c"));
            out.attribute(QStringLiteral("r"), CellRange::cellName(column, number));
            if (cell.style != 0)
                out.attribute(QStringLiteral("s"), qint64(cell.style));
            const bool formula = !cell.formulaXml.isEmpty();
            switch (cell.type) {
            case Cell::Type::Empty:
                break;
            case Cell::Type::Number:
                out.raw(cell.formulaXml);
                w.writeTextElement(QStringLiteral("v"), formatNumber(cell.number));
                break;
            case Cell::Type::Text:
                out.attribute(QStringLiteral("t"), formula ? QStringLiteral("str") : QStringLiteral("s"));
                out.raw(cell.formulaXml);
                w.writeTextElement(QStringLiteral("v"),
                                   formula ? OoxmlText::encode(cell.text) : QString::number(sharedString(cell)));
                break;
            case Cell::Type::Boolean:
                out.attribute(QStringLiteral("t"), QStringLiteral("b"));
                out.raw(cell.formulaXml);
                w.writeTextElement(QStringLiteral("v"), cell.number != 0.0 ? QStringLiteral("1") : QStringLiteral("0"));
                break;
            case Cell::Type::Error:
                out.attribute(QStringLiteral("t"), QStringLiteral("e"));
                out.raw(cell.formulaXml);
                w.writeTextElement(QStringLiteral("v"), cell.text);
                break;
            }
            if (cell.type == Cell::Type::Empty)
                out.raw(cell.formulaXml);
            out.end();
        }
        out.end();
    }
    out.end();
}

void PackageWriter::pageElements(XmlOutput &out, OrderedElements &order, const Worksheet &sheet)
{
    const PageSetup &page = sheet.pageSetup;
    if (page.centerHorizontally || page.centerVertically || page.printGridLines || page.printHeadings)
        order.add(QStringLiteral("printOptions"), [&out, &page] {
            out.empty(QStringLiteral("printOptions"));
            if (page.centerHorizontally)
                out.attribute(QStringLiteral("horizontalCentered"), QStringLiteral("1"));
            if (page.centerVertically)
                out.attribute(QStringLiteral("verticalCentered"), QStringLiteral("1"));
            if (page.printHeadings)
                out.attribute(QStringLiteral("headings"), QStringLiteral("1"));
            if (page.printGridLines)
                out.attribute(QStringLiteral("gridLines"), QStringLiteral("1"));
        });
    order.add(QStringLiteral("pageMargins"), [&out, &page] {
        out.empty(QStringLiteral("pageMargins"));
        out.attribute(QStringLiteral("left"), page.marginLeft);
        out.attribute(QStringLiteral("right"), page.marginRight);
        out.attribute(QStringLiteral("top"), page.marginTop);
        out.attribute(QStringLiteral("bottom"), page.marginBottom);
        out.attribute(QStringLiteral("header"), page.marginHeader);
        out.attribute(QStringLiteral("footer"), page.marginFooter);
    });
    order.add(QStringLiteral("pageSetup"), [&out, &page] {
        out.empty(QStringLiteral("pageSetup"));
        out.attribute(QStringLiteral("paperSize"), qint64(page.paperSize));
        out.attribute(QStringLiteral("scale"), qint64(page.scale));
        if (page.fitToWidth != 1)
            out.attribute(QStringLiteral("fitToWidth"), qint64(page.fitToWidth));
        if (page.fitToHeight != 1)
            out.attribute(QStringLiteral("fitToHeight"), qint64(page.fitToHeight));
        if (page.useFirstPageNumber) {
            out.attribute(QStringLiteral("firstPageNumber"), qint64(page.firstPageNumber));
            out.attribute(QStringLiteral("useFirstPageNumber"), QStringLiteral("1"));
        }
        if (page.overThenDown)
            out.attribute(QStringLiteral("pageOrder"), QStringLiteral("overThenDown"));
        if (page.orientationSet || page.landscape)
            out.attribute(QStringLiteral("orientation"),
                          page.landscape ? QStringLiteral("landscape") : QStringLiteral("portrait"));
        out.attributes(page.otherPageSetupAttributes);
    });
    if (!page.headerFooterXml.isEmpty())
        order.add(QStringLiteral("headerFooter"), [&out, &page] { out.raw(page.headerFooterXml); });
    const auto breaks = [&out](const QString &name, const std::vector<int> &list, int max) {
        out.start(name);
        out.attribute(QStringLiteral("count"), qint64(list.size()));
        out.attribute(QStringLiteral("manualBreakCount"), qint64(list.size()));
        for (int id : list) {
            out.empty(QStringLiteral("brk"));
            out.attribute(QStringLiteral("id"), qint64(id));
            out.attribute(QStringLiteral("max"), qint64(max));
            out.attribute(QStringLiteral("man"), QStringLiteral("1"));
        }
        out.end();
    };
    if (!sheet.rowBreaks.empty())
        order.add(QStringLiteral("rowBreaks"),
                  [breaks, &sheet] { breaks(QStringLiteral("rowBreaks"), sheet.rowBreaks, 16383); });
    if (!sheet.columnBreaks.empty())
        order.add(QStringLiteral("colBreaks"),
                  [breaks, &sheet] { breaks(QStringLiteral("colBreaks"), sheet.columnBreaks, 1048575); });
}

QByteArray PackageWriter::sheetXml(const Worksheet &sheet, std::vector<Relationship> &rels)
{
    XmlOutput out;
    openRoot(out, QStringLiteral("worksheet"), sheet.rootNamespaces, sheet.rootAttributes, true);

    OrderedElements order(kSheetOrder);
    order.addKept(sheet.otherElements, [&out](const RawElement &element) { out.raw(element.xml); });
    const CellRange used{1, 1, std::max(1, sheet.lastUsedColumn()), std::max(1, sheet.lastUsedRow())};
    order.add(QStringLiteral("dimension"), [&out, used] {
        out.empty(QStringLiteral("dimension"));
        out.attribute(QStringLiteral("ref"), used.toString());
    });
    order.add(QStringLiteral("sheetFormatPr"), [&out, &sheet] {
        if (!sheet.sheetFormatXml.isEmpty())
            return out.raw(sheet.sheetFormatXml);
        out.empty(QStringLiteral("sheetFormatPr"));
        out.attribute(QStringLiteral("defaultRowHeight"), sheet.defaultRowHeight);
        if (sheet.defaultColumnWidth > 0)
            out.attribute(QStringLiteral("defaultColWidth"), sheet.defaultColumnWidth);
    });
    if (!sheet.columns.empty())
        order.add(QStringLiteral("cols"), [&out, &sheet] {
            out.start(QStringLiteral("cols"));
            for (const ColumnInfo &info : sheet.columns) {
                out.empty(QStringLiteral("col"));
                out.attribute(QStringLiteral("min"), qint64(info.first));
                out.attribute(QStringLiteral("max"), qint64(info.last));
                out.attribute(QStringLiteral("width"), info.width);
                if (info.style >= 0)
                    out.attribute(QStringLiteral("style"), qint64(info.style));
                if (info.customWidth)
                    out.attribute(QStringLiteral("customWidth"), QStringLiteral("1"));
                if (info.hidden)
                    out.attribute(QStringLiteral("hidden"), QStringLiteral("1"));
                out.attributes(info.otherAttributes);
            }
            out.end();
        });
    order.add(QStringLiteral("sheetData"), [this, &out, &sheet] { sheetData(out, sheet); });
    if (!sheet.merges.empty())
        order.add(QStringLiteral("mergeCells"), [&out, &sheet] {
            out.start(QStringLiteral("mergeCells"));
            out.attribute(QStringLiteral("count"), qint64(sheet.merges.size()));
            for (const CellRange &merge : sheet.merges) {
                out.empty(QStringLiteral("mergeCell"));
                out.attribute(QStringLiteral("ref"), merge.toString());
            }
            out.end();
        });
    pageElements(out, order, sheet);

    rels = sheet.relationships;
    if (!sheet.drawings.empty()) {
        const QString drawingPath = QStringLiteral("xl/drawings/drawing%1.xml").arg(++m_drawingCount);
        std::vector<Relationship> drawingRels;
        add(drawingPath, drawingXml(sheet, drawingRels), kTypeBase + QStringLiteral("drawing+xml"));
        if (!drawingRels.empty())
            add(PackagePath::relationshipsOf(drawingPath), relationships(drawingRels, drawingPath));
        const QString id = QStringLiteral("rIdCelvaneDrawing");
        rels.push_back({id, kRelTypeBase + QStringLiteral("drawing"), drawingPath, false});
        order.add(QStringLiteral("drawing"), [&out, id] {
            out.empty(QStringLiteral("drawing"));
            out.attribute(QStringLiteral("r:id"), id);
        });
    }
    order.writeAll();
    out.end();
    return out.finish();
}

void PackageWriter::anchorPoint(XmlOutput &out, const QString &name, const AnchorPoint &point)
{
    out.start(name);
    out.textElement(QStringLiteral("xdr:col"), QString::number(point.column));
    out.textElement(QStringLiteral("xdr:colOff"), QString::number(point.columnOffset));
    out.textElement(QStringLiteral("xdr:row"), QString::number(point.row));
    out.textElement(QStringLiteral("xdr:rowOff"), QString::number(point.rowOffset));
    out.end();
}

QString PackageWriter::imagePart(const std::shared_ptr<const ImageData> &image)
{
    const auto found = m_imageParts.find(image.get());
    if (found != m_imageParts.end())
        return found->second;
    // A template's own picture stays where the template keeps it.
    if (!image->sourcePart.isEmpty() && m_book.otherParts.count(image->sourcePart)) {
        m_imageParts.emplace(image.get(), image->sourcePart);
        return image->sourcePart;
    }
    const QString path = QStringLiteral("xl/media/celvane%1.%2").arg(m_imageParts.size() + 1).arg(image->extension);
    add(path, image->bytes);
    m_imageParts.emplace(image.get(), path);
    return path;
}

void PackageWriter::picture(XmlOutput &out, const DrawingObject &object, const QString &relId, int id)
{
    out.start(QStringLiteral("xdr:pic"));
    out.start(QStringLiteral("xdr:nvPicPr"));
    out.empty(QStringLiteral("xdr:cNvPr"));
    out.attribute(QStringLiteral("id"), qint64(id));
    out.attribute(QStringLiteral("name"), object.name.isEmpty() ? QStringLiteral("Picture %1").arg(id) : object.name);
    out.start(QStringLiteral("xdr:cNvPicPr"));
    out.empty(QStringLiteral("a:picLocks"));
    out.attribute(QStringLiteral("noChangeAspect"), QStringLiteral("1"));
    out.end();
    out.end();
    out.start(QStringLiteral("xdr:blipFill"));
    out.empty(QStringLiteral("a:blip"));
    out.attribute(QStringLiteral("r:embed"), relId);
    out.start(QStringLiteral("a:stretch"));
    out.empty(QStringLiteral("a:fillRect"));
    out.end();
    out.end();
    out.start(QStringLiteral("xdr:spPr"));
    out.start(QStringLiteral("a:xfrm"));
    out.empty(QStringLiteral("a:off"));
    out.attribute(QStringLiteral("x"), qint64(0));
    out.attribute(QStringLiteral("y"), qint64(0));
    out.empty(QStringLiteral("a:ext"));
    out.attribute(QStringLiteral("cx"), object.width);
    out.attribute(QStringLiteral("cy"), object.height);
    out.end();
    out.start(QStringLiteral("a:prstGeom"));
    out.attribute(QStringLiteral("prst"), QStringLiteral("rect"));
    out.empty(QStringLiteral("a:avLst"));
    out.end();
    out.end();
    out.end();
}

void PackageWriter::shape(XmlOutput &out, const DrawingObject &object, int id)
{
    out.start(QStringLiteral("xdr:sp"));
    out.attribute(QStringLiteral("macro"), QString());
    out.attribute(QStringLiteral("textlink"), QString());
    out.start(QStringLiteral("xdr:nvSpPr"));
    out.empty(QStringLiteral("xdr:cNvPr"));
    out.attribute(QStringLiteral("id"), qint64(id));
    out.attribute(QStringLiteral("name"), object.name.isEmpty() ? QStringLiteral("Shape %1").arg(id) : object.name);
    out.empty(QStringLiteral("xdr:cNvSpPr"));
    out.end();
    out.start(QStringLiteral("xdr:spPr"));
    out.start(QStringLiteral("a:xfrm"));
    if (object.flipHorizontal)
        out.attribute(QStringLiteral("flipH"), QStringLiteral("1"));
    if (object.flipVertical)
        out.attribute(QStringLiteral("flipV"), QStringLiteral("1"));
    out.empty(QStringLiteral("a:off"));
    out.attribute(QStringLiteral("x"), qint64(0));
    out.attribute(QStringLiteral("y"), qint64(0));
    out.empty(QStringLiteral("a:ext"));
    out.attribute(QStringLiteral("cx"), object.width);
    out.attribute(QStringLiteral("cy"), object.height);
    out.end();
    out.start(QStringLiteral("a:prstGeom"));
    out.attribute(QStringLiteral("prst"),
                  object.geometry == DrawingObject::Geometry::Ellipse    ? QStringLiteral("ellipse")
                      : object.geometry == DrawingObject::Geometry::Line ? QStringLiteral("line")
                                                                         : QStringLiteral("rect"));
    out.empty(QStringLiteral("a:avLst"));
    out.end();
    const auto rgb
        = [this](const CellColor &color) { return m_book.styles.resolve(color, Qt::black).name().mid(1).toUpper(); };
    if (object.fill.isSet()) {
        out.start(QStringLiteral("a:solidFill"));
        out.empty(QStringLiteral("a:srgbClr"));
        out.attribute(QStringLiteral("val"), rgb(object.fill));
        out.end();
    } else {
        out.empty(QStringLiteral("a:noFill"));
    }
    out.start(QStringLiteral("a:ln"));
    const LineStyle style = object.line.style;
    const bool medium = style == LineStyle::Medium || style == LineStyle::MediumDashed
        || style == LineStyle::MediumDashDot || style == LineStyle::MediumDashDotDot
        || style == LineStyle::SlantDashDot;
    const qint64 width = style == LineStyle::Thick ? 38100
        : style == LineStyle::Double               ? 28575
        : medium                                   ? 19050
        : style == LineStyle::Hair                 ? 3175
                                                   : 9525;
    out.attribute(QStringLiteral("w"), width);
    if (style == LineStyle::Double)
        out.attribute(QStringLiteral("cmpd"), QStringLiteral("dbl"));
    if (style == LineStyle::None) {
        out.empty(QStringLiteral("a:noFill"));
    } else {
        out.start(QStringLiteral("a:solidFill"));
        out.empty(QStringLiteral("a:srgbClr"));
        out.attribute(QStringLiteral("val"), rgb(object.line.color));
        out.end();
        const QString dash = style == LineStyle::Dashed || style == LineStyle::MediumDashed ? QStringLiteral("dash")
            : style == LineStyle::Dotted                                                    ? QStringLiteral("sysDot")
            : style == LineStyle::DashDot || style == LineStyle::MediumDashDot || style == LineStyle::SlantDashDot
            ? QStringLiteral("dashDot")
            : style == LineStyle::DashDotDot || style == LineStyle::MediumDashDotDot ? QStringLiteral("sysDashDotDot")
                                                                                     : QString();
        if (!dash.isEmpty()) {
            out.empty(QStringLiteral("a:prstDash"));
            out.attribute(QStringLiteral("val"), dash);
        }
    }
    out.end();
    out.end();
    out.end();
}

QByteArray PackageWriter::drawingXml(const Worksheet &sheet, std::vector<Relationship> &rels)
{
    XmlOutput out;
    out.start(QStringLiteral("xdr:wsDr"));
    auto namespaces = sheet.drawingNamespaces;
    const auto declare = [&namespaces](const QString &prefix, const QString &uri) {
        if (std::none_of(namespaces.begin(), namespaces.end(), [&](const auto &ns) { return ns.first == prefix; }))
            namespaces.emplace_back(prefix, uri);
    };
    declare(QStringLiteral("xdr"), kDrawingNs);
    declare(QStringLiteral("a"), kDrawingMlNs);
    declare(QStringLiteral("r"), kRelNs);
    out.namespaces(namespaces);
    rels = sheet.drawingRelationships;
    std::map<QString, QString> imageRelIds;
    int nextId = 2;
    static const QRegularExpression objectId(QStringLiteral("(<(?:\\w+:)?cNvPr\\s+id=\")(\\d+)\""));
    for (const DrawingObject &object : sheet.drawings) {
        const QString element = object.anchor == DrawingObject::Anchor::TwoCell ? QStringLiteral("xdr:twoCellAnchor")
            : object.anchor == DrawingObject::Anchor::OneCell                   ? QStringLiteral("xdr:oneCellAnchor")
                                                                                : QStringLiteral("xdr:absoluteAnchor");
        out.start(element);
        if (object.anchor == DrawingObject::Anchor::TwoCell && !object.editAs.isEmpty())
            out.attribute(QStringLiteral("editAs"), object.editAs);
        if (object.anchor == DrawingObject::Anchor::Absolute) {
            out.empty(QStringLiteral("xdr:pos"));
            out.attribute(QStringLiteral("x"), object.x);
            out.attribute(QStringLiteral("y"), object.y);
        } else {
            anchorPoint(out, QStringLiteral("xdr:from"), object.from);
        }
        if (object.anchor == DrawingObject::Anchor::TwoCell) {
            anchorPoint(out, QStringLiteral("xdr:to"), object.to);
        } else {
            out.empty(QStringLiteral("xdr:ext"));
            out.attribute(QStringLiteral("cx"), object.width);
            out.attribute(QStringLiteral("cy"), object.height);
        }
        if (object.kind == DrawingObject::Kind::Picture && object.image) {
            const QString part = imagePart(object.image);
            QString &relId = imageRelIds[part];
            if (relId.isEmpty()) {
                relId = QStringLiteral("rIdCelvane%1").arg(imageRelIds.size());
                rels.push_back({relId, kRelTypeBase + QStringLiteral("image"), part, false});
            }
            picture(out, object, relId, nextId++);
        } else if (object.objectXml.isEmpty()) {
            shape(out, object, nextId++);
        } else {
            // Page copies repeat objects; each needs an id of its own within the drawing.
            QString xml = object.objectXml;
            qsizetype at = 0;
            QRegularExpressionMatch match;
            while ((match = objectId.match(xml, at)).hasMatch()) {
                const QString replacement = match.captured(1) + QString::number(nextId++) + u'"';
                xml.replace(match.capturedStart(), match.capturedLength(), replacement);
                at = match.capturedStart() + replacement.size();
            }
            out.raw(xml);
        }
        out.empty(QStringLiteral("xdr:clientData"));
        out.end();
    }
    out.end();
    return out.finish();
}

QByteArray PackageWriter::sharedStringsXml() const
{
    XmlOutput out;
    out.start(QStringLiteral("sst"));
    out.writer().writeDefaultNamespace(kMainNs);
    out.attribute(QStringLiteral("count"), qint64(m_strings.size()));
    out.attribute(QStringLiteral("uniqueCount"), qint64(m_strings.size()));
    for (const auto &[text, rich] : m_strings) {
        out.start(QStringLiteral("si"));
        if (!rich.isEmpty()) {
            out.raw(rich);
        } else {
            out.start(QStringLiteral("t"));
            if (!text.isEmpty() && (text.front().isSpace() || text.back().isSpace() || text.contains(u'\n')))
                out.attribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
            out.writer().writeCharacters(OoxmlText::encode(text));
            out.end();
        }
        out.end();
    }
    out.end();
    return out.finish();
}

QByteArray PackageWriter::stylesXml() const
{
    const StyleSheet &styles = m_book.styles;
    XmlOutput out;
    openRoot(out, QStringLiteral("styleSheet"), styles.rootNamespaces, styles.rootAttributes, false);
    if (!styles.numberFormats.isEmpty()) {
        out.start(QStringLiteral("numFmts"));
        out.attribute(QStringLiteral("count"), qint64(styles.numberFormats.size()));
        for (auto it = styles.numberFormats.begin(); it != styles.numberFormats.end(); ++it) {
            out.empty(QStringLiteral("numFmt"));
            out.attribute(QStringLiteral("numFmtId"), qint64(it.key()));
            out.attribute(QStringLiteral("formatCode"), it.value());
        }
        out.end();
    }
    out.start(QStringLiteral("fonts"));
    out.attribute(QStringLiteral("count"), qint64(styles.fonts.size()));
    for (const Font &font : styles.fonts) {
        out.start(QStringLiteral("font"));
        const auto flag = [&out](const QString &name, bool on) {
            if (on)
                out.empty(name);
        };
        flag(QStringLiteral("b"), font.bold);
        flag(QStringLiteral("i"), font.italic);
        flag(QStringLiteral("strike"), font.strike);
        const auto value = [&out](const QString &name, const QString &val) {
            out.empty(name);
            out.attribute(QStringLiteral("val"), val);
        };
        if (!font.underline.isEmpty())
            value(QStringLiteral("u"), font.underline);
        if (!font.vertAlign.isEmpty())
            value(QStringLiteral("vertAlign"), font.vertAlign);
        value(QStringLiteral("sz"), formatNumber(font.size));
        out.color(QStringLiteral("color"), font.color);
        value(QStringLiteral("name"), font.name);
        if (font.family > 0)
            value(QStringLiteral("family"), QString::number(font.family));
        if (font.charset >= 0)
            value(QStringLiteral("charset"), QString::number(font.charset));
        if (!font.scheme.isEmpty())
            value(QStringLiteral("scheme"), font.scheme);
        out.end();
    }
    out.end();
    out.start(QStringLiteral("fills"));
    out.attribute(QStringLiteral("count"), qint64(styles.fills.size()));
    for (const Fill &fill : styles.fills) {
        out.start(QStringLiteral("fill"));
        if (!fill.gradientXml.isEmpty()) {
            out.raw(fill.gradientXml);
        } else {
            out.start(QStringLiteral("patternFill"));
            out.attribute(QStringLiteral("patternType"), fill.patternType);
            out.color(QStringLiteral("fgColor"), fill.foreground);
            out.color(QStringLiteral("bgColor"), fill.background);
            out.end();
        }
        out.end();
    }
    out.end();
    out.start(QStringLiteral("borders"));
    out.attribute(QStringLiteral("count"), qint64(styles.borders.size()));
    for (const Border &border : styles.borders) {
        out.start(QStringLiteral("border"));
        if (border.diagonalUp)
            out.attribute(QStringLiteral("diagonalUp"), QStringLiteral("1"));
        if (border.diagonalDown)
            out.attribute(QStringLiteral("diagonalDown"), QStringLiteral("1"));
        const auto line = [&out](const QString &name, const BorderLine &side) {
            if (side.style == LineStyle::None) {
                out.empty(name);
                return;
            }
            out.start(name);
            out.attribute(QStringLiteral("style"), kLineStyles[int(side.style)]);
            out.color(QStringLiteral("color"), side.color);
            out.end();
        };
        line(QStringLiteral("left"), border.left);
        line(QStringLiteral("right"), border.right);
        line(QStringLiteral("top"), border.top);
        line(QStringLiteral("bottom"), border.bottom);
        line(QStringLiteral("diagonal"), border.diagonal);
        out.end();
    }
    out.end();
    out.raw(styles.cellStyleXfsXml);
    out.start(QStringLiteral("cellXfs"));
    out.attribute(QStringLiteral("count"), qint64(styles.cellFormats.size()));
    for (const CellFormat &format : styles.cellFormats) {
        out.start(QStringLiteral("xf"));
        out.attribute(QStringLiteral("numFmtId"), qint64(format.numFmtId));
        out.attribute(QStringLiteral("fontId"), qint64(format.fontId));
        out.attribute(QStringLiteral("fillId"), qint64(format.fillId));
        out.attribute(QStringLiteral("borderId"), qint64(format.borderId));
        out.attribute(QStringLiteral("xfId"), qint64(format.xfId));
        out.attributes(format.otherAttributes);
        const auto apply = [&](const char *name, bool used) {
            const QString key = QLatin1String(name);
            if (used && std::none_of(format.otherAttributes.begin(), format.otherAttributes.end(), [&](const auto &a) {
                    return a.first == key;
                }))
                out.attribute(key, QStringLiteral("true"));
        };
        apply("applyNumberFormat", format.numFmtId != 0);
        apply("applyFont", format.fontId != 0);
        apply("applyFill", format.fillId != 0);
        apply("applyBorder", format.borderId != 0);
        apply("applyAlignment", !format.alignment.isDefault());
        if (!format.alignment.isDefault()) {
            const Alignment &a = format.alignment;
            out.empty(QStringLiteral("alignment"));
            if (!a.horizontal.isEmpty())
                out.attribute(QStringLiteral("horizontal"), a.horizontal);
            if (!a.vertical.isEmpty())
                out.attribute(QStringLiteral("vertical"), a.vertical);
            if (a.textRotation != 0)
                out.attribute(QStringLiteral("textRotation"), qint64(a.textRotation));
            if (a.wrapText)
                out.attribute(QStringLiteral("wrapText"), QStringLiteral("true"));
            if (a.indent != 0)
                out.attribute(QStringLiteral("indent"), qint64(a.indent));
            if (a.shrinkToFit)
                out.attribute(QStringLiteral("shrinkToFit"), QStringLiteral("true"));
            out.attributes(a.otherAttributes);
        }
        out.raw(format.protectionXml);
        out.end();
    }
    out.end();
    out.raw(styles.afterCellXfsXml);
    out.end();
    return out.finish();
}

QByteArray PackageWriter::workbookXml() const
{
    XmlOutput out;
    openRoot(out, QStringLiteral("workbook"), m_book.workbookNamespaces, m_book.workbookAttributes, true);
    OrderedElements order(kWorkbookOrder);
    std::vector<RawElement> kept;
    for (const RawElement &element : m_book.workbookElements)
        if (element.name != QLatin1String("sheets") && element.name != QLatin1String("definedNames"))
            kept.push_back(element);
    const int sheetCount = int(m_book.sheets.size());
    order.addKept(kept, [&out, sheetCount](const RawElement &element) {
        if (element.name != QLatin1String("bookViews"))
            return out.raw(element.xml);
        // The active and first tabs must name sheets that the document still has.
        static const QRegularExpression tab(QStringLiteral("(activeTab|firstSheet)=\"(\\d+)\""));
        QString xml = element.xml;
        for (const auto &match : tab.globalMatch(element.xml))
            if (match.captured(2).toInt() >= sheetCount)
                xml.replace(match.captured(0), match.captured(1) + QStringLiteral("=\"0\""));
        out.raw(xml);
    });
    order.add(QStringLiteral("sheets"), [this, &out] {
        out.start(QStringLiteral("sheets"));
        for (size_t i = 0; i < m_book.sheets.size(); ++i) {
            out.empty(QStringLiteral("sheet"));
            out.attribute(QStringLiteral("name"), m_book.sheets[i].name);
            out.attribute(QStringLiteral("sheetId"), qint64(i + 1));
            if (!m_book.sheets[i].state.isEmpty())
                out.attribute(QStringLiteral("state"), m_book.sheets[i].state);
            out.attribute(QStringLiteral("r:id"), m_sheetRelIds[i]);
        }
        out.end();
    });
    std::vector<DefinedName> names = m_book.definedNames;
    for (size_t i = 0; i < m_book.sheets.size(); ++i)
        if (const auto &area = m_book.sheets[i].printArea) {
            QString sheetName = m_book.sheets[i].name;
            sheetName.replace(u'\'', QStringLiteral("''"));
            names.push_back({QStringLiteral("_xlnm.Print_Area"),
                             int(i),
                             QStringLiteral("'%1'!%2").arg(sheetName, area->toAbsoluteString()),
                             {}});
        }
    if (!names.empty())
        order.add(QStringLiteral("definedNames"), [&out, names] {
            out.start(QStringLiteral("definedNames"));
            for (const DefinedName &name : names) {
                out.start(QStringLiteral("definedName"));
                out.attribute(QStringLiteral("name"), name.name);
                if (name.localSheet >= 0)
                    out.attribute(QStringLiteral("localSheetId"), qint64(name.localSheet));
                out.attributes(name.otherAttributes);
                out.writer().writeCharacters(name.value);
                out.end();
            }
            out.end();
        });
    order.writeAll();
    out.end();
    return out.finish();
}

QByteArray PackageWriter::contentTypesXml() const
{
    XmlOutput out;
    out.start(QStringLiteral("Types"));
    out.writer().writeDefaultNamespace(QStringLiteral("http://schemas.openxmlformats.org/package/2006/content-types"));
    std::map<QString, QString> defaults = m_book.contentTypeDefaults;
    defaults.emplace(QStringLiteral("rels"),
                     QStringLiteral("application/vnd.openxmlformats-package.relationships+xml"));
    defaults.emplace(QStringLiteral("xml"), QStringLiteral("application/xml"));
    defaults.emplace(QStringLiteral("png"), QStringLiteral("image/png"));
    defaults.emplace(QStringLiteral("jpeg"), QStringLiteral("image/jpeg"));
    defaults.emplace(QStringLiteral("jpg"), QStringLiteral("image/jpeg"));
    defaults.emplace(QStringLiteral("emf"), QStringLiteral("image/x-emf"));
    defaults.emplace(QStringLiteral("bmp"), QStringLiteral("image/bmp"));
    for (const auto &[extension, type] : defaults) {
        out.empty(QStringLiteral("Default"));
        out.attribute(QStringLiteral("Extension"), extension);
        out.attribute(QStringLiteral("ContentType"), type);
    }
    std::map<QString, QString> overrides = m_overrides;
    for (const auto &[path, type] : m_book.contentTypeOverrides)
        if (m_book.otherParts.count(path.mid(1)))
            overrides.emplace(path, type);
    for (const auto &[path, type] : overrides) {
        out.empty(QStringLiteral("Override"));
        out.attribute(QStringLiteral("PartName"), path);
        out.attribute(QStringLiteral("ContentType"), type);
    }
    out.end();
    return out.finish();
}

std::vector<ZipArchive::Entry> PackageWriter::build()
{
    const QString wbPath = m_book.workbookPath;
    const QString dir = wbPath.left(wbPath.lastIndexOf(u'/') + 1);
    std::vector<Relationship> workbookRels = m_book.workbookRelationships;
    for (size_t i = 0; i < m_book.sheets.size(); ++i) {
        const QString path = dir + QStringLiteral("worksheets/sheet%1.xml").arg(i + 1);
        std::vector<Relationship> rels;
        add(path, sheetXml(m_book.sheets[i], rels), kTypeBase + QStringLiteral("spreadsheetml.worksheet+xml"));
        if (!rels.empty())
            add(PackagePath::relationshipsOf(path), relationships(rels, path));
        m_sheetRelIds.push_back(QStringLiteral("rIdCelvaneSheet%1").arg(i + 1));
        workbookRels.push_back({m_sheetRelIds.back(), kRelTypeBase + QStringLiteral("worksheet"), path, false});
    }
    const QString stylesPath = dir + QStringLiteral("styles.xml");
    add(stylesPath, stylesXml(), kTypeBase + QStringLiteral("spreadsheetml.styles+xml"));
    workbookRels.push_back(
        {QStringLiteral("rIdCelvaneStyles"), kRelTypeBase + QStringLiteral("styles"), stylesPath, false});
    if (!m_strings.empty()) {
        const QString stringsPath = dir + QStringLiteral("sharedStrings.xml");
        add(stringsPath, sharedStringsXml(), kTypeBase + QStringLiteral("spreadsheetml.sharedStrings+xml"));
        workbookRels.push_back(
            {QStringLiteral("rIdCelvaneStrings"), kRelTypeBase + QStringLiteral("sharedStrings"), stringsPath, false});
    }
    add(wbPath, workbookXml(), kTypeBase + QStringLiteral("spreadsheetml.sheet.main+xml"));
    add(PackagePath::relationshipsOf(wbPath), relationships(workbookRels, wbPath));
    if (!m_book.otherParts.count(QStringLiteral("_rels/.rels"))) {
        add(QStringLiteral("_rels/.rels"),
            relationships({{QStringLiteral("rId1"), kRelTypeBase + QStringLiteral("officeDocument"), wbPath, false}},
                          QString()));
    }
    for (const auto &[path, bytes] : m_book.otherParts) {
        const bool written
            = std::any_of(m_entries.begin(), m_entries.end(), [&](const auto &e) { return e.path == path; });
        if (!written)
            m_entries.push_back({path, bytes, true});
    }
    m_entries.insert(m_entries.begin(), {QStringLiteral("[Content_Types].xml"), contentTypesXml(), true});
    return std::move(m_entries);
}

}  // namespace

std::vector<ZipArchive::Entry> XlsxWriter::entries(const Workbook &book)
{
    return PackageWriter(book).build();
}

void XlsxWriter::write(const Workbook &book, const QString &fileName)
{
    ZipArchive::write(fileName, entries(book));
}

}  // namespace celvane
