#include "PageRenderer.h"

#include "CellTextPainter.h"
#include "CellText.h"
#include "EmfPlayer.h"
#include "FontMapper.h"
#include "RichText.h"

#include <QDate>
#include <QPainterPath>
#include <QRegularExpression>
#include <cmath>
#include <optional>

namespace celvane {

namespace {

// Line widths in points as LibreOffice prints the styles of a workbook.
double lineWidth(LineStyle style)
{
    switch (style) {
    case LineStyle::None:
        return 0.0;
    case LineStyle::Hair:
        return 0.1;
    case LineStyle::Thin:
    case LineStyle::Dotted:
    case LineStyle::Dashed:
    case LineStyle::DashDot:
    case LineStyle::DashDotDot:
    case LineStyle::Double:
        return 0.75;
    case LineStyle::Thick:
        return 2.5;
    default:
        return 1.75;
    }
}

int weight(LineStyle style)
{
    static const int order[] = {0, 6, 10, 5, 2, 12, 13, 1, 9, 4, 8, 3, 7, 11};
    return order[int(style)];
}

const BorderLine &stronger(const BorderLine &a, const BorderLine &b)
{
    return weight(b.style) > weight(a.style) ? b : a;
}

}  // namespace

void PageRenderer::strokeLines(QPainter &painter, const BorderLine &line, const std::vector<QLineF> &lines) const
{
    if (line.style == LineStyle::None || lines.empty())
        return;
    QPen pen(m_book.styles.resolve(line.color, Qt::black), lineWidth(line.style));
    pen.setCapStyle(Qt::SquareCap);
    switch (line.style) {
    case LineStyle::Dotted:
        pen.setDashPattern({1, 2});
        pen.setCapStyle(Qt::FlatCap);
        break;
    case LineStyle::Dashed:
    case LineStyle::MediumDashed:
        pen.setDashPattern({6, 3});
        pen.setCapStyle(Qt::FlatCap);
        break;
    case LineStyle::DashDot:
    case LineStyle::MediumDashDot:
    case LineStyle::SlantDashDot:
        pen.setDashPattern({6, 2, 1.5, 2});
        pen.setCapStyle(Qt::FlatCap);
        break;
    case LineStyle::DashDotDot:
    case LineStyle::MediumDashDotDot:
        pen.setDashPattern({6, 2, 1.5, 2, 1.5, 2});
        pen.setCapStyle(Qt::FlatCap);
        break;
    default:
        break;
    }
    // On the screen a line never gets thinner than one pixel, or thin lines would fade.
    const double pixels = pen.widthF() * std::sqrt(std::abs(painter.deviceTransform().determinant()));
    if (pixels < 1.0 && line.style != LineStyle::Double)
        pen.setWidthF(0.0);
    painter.setPen(pen);
    if (line.style != LineStyle::Double) {
        painter.drawLines(lines.data(), int(lines.size()));
        return;
    }
    std::vector<QLineF> doubled;
    for (const QLineF &single : lines) {
        const double length = single.length();
        if (length <= 0)
            continue;
        const QPointF normal(-single.dy() / length * 0.75, single.dx() / length * 0.75);
        doubled.push_back(single.translated(normal));
        doubled.push_back(single.translated(-normal));
    }
    painter.drawLines(doubled.data(), int(doubled.size()));
}

void PageRenderer::paintFills(QPainter &painter, const PageFrame &frame) const
{
    const PrintedPage &page = frame.page;
    const StyleSheet &styles = m_book.styles;
    const auto fill = [&](const Cell &cell, const QRectF &rect) {
        const Fill &fill = styles.fillOf(cell.style);
        if (fill.patternType == QLatin1String("none") || fill.patternType.isEmpty())
            return;
        const QColor foreground = styles.resolve(fill.foreground, Qt::black);
        if (fill.patternType == QLatin1String("solid")) {
            painter.fillRect(rect, foreground);
            return;
        }
        painter.fillRect(rect, styles.resolve(fill.background, Qt::white));
        const Qt::BrushStyle pattern
            = fill.patternType == QLatin1String("gray125") || fill.patternType == QLatin1String("gray0625")
            ? Qt::Dense7Pattern
            : fill.patternType == QLatin1String("lightGray")  ? Qt::Dense6Pattern
            : fill.patternType == QLatin1String("mediumGray") ? Qt::Dense4Pattern
            : fill.patternType == QLatin1String("darkGray")   ? Qt::Dense3Pattern
                                                              : Qt::Dense5Pattern;
        painter.fillRect(rect, QBrush(foreground, pattern));
    };
    for (auto row = frame.sheet.rows.lower_bound(page.firstRow);
         row != frame.sheet.rows.end() && row->first <= page.lastRow; ++row) {
        for (auto cell = row->second.cells.lower_bound(page.firstColumn);
             cell != row->second.cells.end() && cell->first <= page.lastColumn; ++cell) {
            const CellRange *merge = frame.mergeAt(cell->first, row->first);
            if (merge && (merge->left != cell->first || merge->top != row->first))
                continue;
            fill(cell->second, merge ? frame.rangeRect(*merge) : frame.cellRect(cell->first, row->first));
        }
    }
    // A block that began on an earlier page shows its first cell's fill on this one too.
    for (const CellRange &merge : frame.merges())
        if (merge.top < page.firstRow || merge.left < page.firstColumn)
            if (const Cell *first = frame.sheet.findCell(merge.left, merge.top))
                fill(*first, frame.rangeRect(merge));
}

void PageRenderer::paintGrid(QPainter &painter, const PageFrame &frame) const
{
    if (!frame.sheet.pageSetup.printGridLines)
        return;
    painter.setPen(QPen(QColor(160, 160, 160), 0.25));
    const QRectF area = frame.content();
    for (int c = frame.page.firstColumn; c <= frame.page.lastColumn + 1; ++c)
        painter.drawLine(QLineF(frame.x(c), area.top(), frame.x(c), area.bottom()));
    for (int r = frame.page.firstRow; r <= frame.page.lastRow + 1; ++r)
        painter.drawLine(QLineF(area.left(), frame.y(r), area.right(), frame.y(r)));
}

const QFont &PageRenderer::fontOf(int fontId, const QPaintDevice *device) const
{
    const int dpi = device->logicalDpiY();
    auto found = m_fonts.find({fontId, dpi});
    if (found == m_fonts.end()) {
        const Font &font = fontId >= 0 && fontId < int(m_book.styles.fonts.size()) ? m_book.styles.fonts[fontId]
                                                                                   : m_book.styles.fonts.front();
        // Held at the device's resolution: metrics and the painter then share its loaded
        // glyphs instead of looking the face up again for every cell.
        found = m_fonts.emplace(std::pair(fontId, dpi), QFont(FontMapper::font(font, font.size, dpi), device)).first;
    }
    return found->second;
}

const NumberFormat &PageRenderer::numberFormat(int formatIndex) const
{
    const int id = m_book.styles.format(formatIndex).numFmtId;
    auto found = m_numberFormats.find(id);
    if (found == m_numberFormats.end())
        found = m_numberFormats
                    .emplace(
                        id,
                        NumberFormat(CellText::formatCode(id, m_book.styles.numberFormats.value(id)), m_book.date1904))
                    .first;
    return found->second;
}

void PageRenderer::paintTexts(QPainter &painter, const PageFrame &frame) const
{
    const PrintedPage &page = frame.page;
    const Worksheet &sheet = frame.sheet;
    for (auto row = sheet.rows.lower_bound(page.firstRow); row != sheet.rows.end() && row->first <= page.lastRow;
         ++row) {
        const auto &cells = row->second.cells;
        for (auto cell = cells.lower_bound(page.firstColumn); cell != cells.end() && cell->first <= page.lastColumn;
             ++cell) {
            const CellRange *merge = frame.mergeAt(cell->first, row->first);
            if (merge && (merge->left != cell->first || merge->top != row->first))
                continue;
            paintCellText(painter, frame, cell->first, row->first, cell->second, merge);
        }
    }
    // Texts of the cells beside the page that run on into it.
    for (auto row = sheet.rows.lower_bound(page.firstRow); row != sheet.rows.end() && row->first <= page.lastRow;
         ++row) {
        const auto &cells = row->second.cells;
        auto right = cells.upper_bound(page.lastColumn);
        if (right != cells.end() && right->second.type != Cell::Type::Empty)
            paintCellText(painter, frame, right->first, row->first, right->second, nullptr);
        auto left = cells.lower_bound(page.firstColumn);
        if (left != cells.begin() && (--left)->second.type != Cell::Type::Empty)
            paintCellText(painter, frame, left->first, row->first, left->second, nullptr);
    }
    // A block split by a page break shows its text where it falls, on each page it reaches.
    for (const CellRange &merge : frame.merges())
        if (merge.top < page.firstRow || merge.left < page.firstColumn)
            if (const Cell *first = sheet.findCell(merge.left, merge.top))
                paintCellText(painter, frame, merge.left, merge.top, *first, &merge);
}

void PageRenderer::paintCellText(QPainter &painter, const PageFrame &frame, int column, int row, const Cell &cell,
                                 const CellRange *merge) const
{
    const PrintedPage &page = frame.page;
    const StyleSheet &styles = m_book.styles;
    const FormattedValue shown = CellText::shown(cell, numberFormat(cell.style));
    if (shown.text.isEmpty() && !shown.overflow)
        return;
    CellTextPainter::Request request;
    request.cell = merge ? frame.rangeRect(*merge) : frame.cellRect(column, row);
    if (request.cell.width() <= 0 || request.cell.height() <= 0)
        return;
    const CellFormat &format = styles.format(cell.style);
    const Font &font = styles.fontOf(cell.style);
    request.text = shown.text;
    request.font = fontOf(format.fontId, painter.device());
    request.color = shown.colorIndex >= 0 ? QColor::fromRgb(styles.paletteColor(shown.colorIndex))
                                          : styles.resolve(font.color, Qt::black);
    request.alignment = format.alignment;
    request.isNumber = cell.type == Cell::Type::Number;
    request.isLogical = cell.type == Cell::Type::Boolean || cell.type == Cell::Type::Error;
    request.runs = RichText::formats(cell.richTextXml, font, styles, frame.dpi);
    request.clip = request.cell;
    request.fillAt = shown.fillAt;
    request.fillCharacter = shown.fillCharacter;
    const Alignment &a = format.alignment;
    const bool beside = column < page.firstColumn || column > page.lastColumn;
    if (request.isNumber) {
        if (beside)
            return;  // numbers never run on into other cells
        // A number never runs into its neighbours: it shortens, or the cell shows "###".
        if (!a.shrinkToFit && a.textRotation == 0) {
            const double room = request.cell.width() - CellTextPainter::kPadding;
            request.text = fittedNumber(painter, request.font, shown, cell.number, room);
            if (request.text != shown.text)
                request.fillAt = -1;
        }
        CellTextPainter::paint(painter, request);
        return;
    }
    const bool overflows = !merge && !a.wrapText && !a.shrinkToFit && a.textRotation == 0 && shown.fillAt < 0
        && a.horizontal != QLatin1String("fill") && a.horizontal != QLatin1String("distributed")
        && a.horizontal != QLatin1String("justify");
    if (beside && (!overflows || double(request.text.size()) * font.size <= request.cell.width()))
        return;
    // No letter is wider than the font's size, so a short text is seen to fit without measuring.
    if (overflows && double(request.text.size()) * font.size > request.cell.width() - CellTextPainter::kPadding) {
        const double width
            = CellTextPainter::naturalWidth(painter, request.font, request.text) + CellTextPainter::kPadding;
        // Text runs on over empty cells up to the page's edge; the next page goes on with it.
        const auto free = [&](int c) {
            const Cell *next = frame.sheet.findCell(c, row);
            const bool onPage = c >= page.firstColumn && c <= page.lastColumn;
            return c >= std::min(column, page.firstColumn) && c <= std::max(column, page.lastColumn)
                && !(onPage ? frame.mergeAt(c, row) : frame.sheet.mergeAt(c, row))
                && (!next || next->type == Cell::Type::Empty);
        };
        const Qt::Alignment side = a.horizontal == QLatin1String("right") ? Qt::AlignRight
            : a.horizontal == QLatin1String("center")                     ? Qt::AlignHCenter
                                                                          : Qt::AlignLeft;
        if (width > request.clip.width()) {
            if (side != Qt::AlignRight)
                for (int c = column + 1;
                     request.clip.width() < (side == Qt::AlignHCenter ? (width + request.cell.width()) / 2 : width)
                     && free(c);
                     ++c)
                    request.clip.setRight(frame.x(c + 1));
            if (side != Qt::AlignLeft)
                for (int c = column - 1; request.clip.left() > request.cell.right() - width && free(c); --c)
                    request.clip.setLeft(frame.x(c));
        }
        request.clip.setLeft(std::max(request.clip.left(), frame.x(page.firstColumn)));
        request.clip.setRight(std::min(request.clip.right(), frame.x(page.lastColumn + 1)));
    }
    CellTextPainter::paint(painter, request);
}

QString PageRenderer::fittedNumber(QPainter &painter, const QFont &font, const FormattedValue &shown, double value,
                                   double room)
{
    if (!shown.overflow
        && (shown.fillAt >= 0 || CellTextPainter::naturalWidth(painter, font, shown.text) <= room + 0.01))
        return shown.text;
    // Kanji numerals need not be as long as the digits they read, so their shorter numbers
    // are tried from General's eleven characters down.
    const qsizetype longest
        = shown.numerals == JapaneseNumerals::System::Western ? shown.text.size() - 1 : qsizetype(11);
    if (shown.general && !shown.overflow)
        for (qsizetype length = longest; length > 0; --length) {
            const QString shorter = NumberFormat::general(value, int(length), shown.numerals);
            if (!shorter.isEmpty() && CellTextPainter::naturalWidth(painter, font, shorter) <= room + 0.01)
                return shorter;
        }
    // As Excel does, the cell fills with "#" when the number cannot be shown in it.
    const double hash = std::max(0.1, CellTextPainter::naturalWidth(painter, font, QStringLiteral("#")));
    return QString(std::clamp(int(room / hash), 1, 255), u'#');
}

void PageRenderer::paintBorders(QPainter &painter, const PageFrame &frame) const
{
    const PrintedPage &page = frame.page;
    const Worksheet &sheet = frame.sheet;
    const StyleSheet &styles = m_book.styles;
    static const Border none;
    // The page's rows found once: every cell asks for its own lines and its neighbours', and
    // searching a sheet of a hundred thousand rows for each would make long sheets slower
    // per page than short ones.
    std::vector<const Row *> rows(size_t(page.lastRow - page.firstRow + 1), nullptr);
    for (auto row = sheet.rows.lower_bound(page.firstRow); row != sheet.rows.end() && row->first <= page.lastRow; ++row)
        rows[size_t(row->first - page.firstRow)] = &row->second;
    const auto borderAt = [&](int c, int r) -> const Border & {
        const Row *row = rows[size_t(r - page.firstRow)];
        if (!row)
            return none;
        if (const auto cell = row->cells.find(c); cell != row->cells.end())
            return styles.borderOf(cell->second.style);
        return row->style >= 0 ? styles.borderOf(row->style) : none;
    };
    const auto sameMerge = [&](int c1, int r1, int c2, int r2) {
        const CellRange *merge = frame.mergeAt(c1, r1);
        return merge && merge->contains(c2, r2);
    };
    // Lines of one style go to the painter together, heavier styles over lighter ones.
    std::vector<std::pair<BorderLine, std::vector<QLineF>>> batches;
    const auto add = [&batches](const BorderLine &line, QPointF from, QPointF to) {
        if (line.style == LineStyle::None)
            return;
        auto batch = std::find_if(batches.begin(), batches.end(), [&](const auto &b) { return b.first == line; });
        if (batch == batches.end())
            batch = batches.insert(batches.end(), {line, {}});
        batch->second.emplace_back(from, to);
    };
    for (int r = page.firstRow; r <= page.lastRow; ++r) {
        if (frame.y(r + 1) - frame.y(r) <= 0)
            continue;
        for (int c = page.firstColumn; c <= page.lastColumn; ++c) {
            if (frame.x(c + 1) - frame.x(c) <= 0)
                continue;
            const Border &own = borderAt(c, r);
            const QRectF rect = frame.cellRect(c, r);
            if (!sameMerge(c, r, c, r - 1))
                add(r > page.firstRow ? stronger(own.top, borderAt(c, r - 1).bottom) : own.top, rect.topLeft(),
                    rect.topRight());
            if (!sameMerge(c, r, c - 1, r))
                add(c > page.firstColumn ? stronger(own.left, borderAt(c - 1, r).right) : own.left, rect.topLeft(),
                    rect.bottomLeft());
            if (r == page.lastRow)
                add(own.bottom, rect.bottomLeft(), rect.bottomRight());
            if (c == page.lastColumn)
                add(own.right, rect.topRight(), rect.bottomRight());
            if (own.diagonal.style != LineStyle::None && (own.diagonalUp || own.diagonalDown)) {
                QRectF box = rect;
                if (const CellRange *merge = frame.mergeAt(c, r)) {
                    if (merge->left != c || merge->top != r)
                        continue;
                    box = frame.rangeRect(*merge);
                }
                if (own.diagonalUp)
                    add(own.diagonal, box.bottomLeft(), box.topRight());
                if (own.diagonalDown)
                    add(own.diagonal, box.topLeft(), box.bottomRight());
            }
        }
    }
    std::stable_sort(batches.begin(), batches.end(),
                     [](const auto &a, const auto &b) { return weight(a.first.style) < weight(b.first.style); });
    for (const auto &[line, lines] : batches)
        strokeLines(painter, line, lines);
}

void PageRenderer::paintDrawings(QPainter &painter, const PageFrame &frame) const
{
    const QRectF content = frame.content();
    for (const DrawingObject &object : frame.sheet.drawings) {
        const std::optional<QRectF> placed = frame.objectRect(object);
        if (!placed)
            continue;
        const QRectF rect = placed->normalized();
        if (!rect.intersects(content) && !(rect.width() == 0 || rect.height() == 0))
            continue;
        if (object.kind == DrawingObject::Kind::Picture && object.image) {
            if (object.image->extension == QLatin1String("emf")) {
                EmfPlayer(object.image->bytes).play(painter, rect);
            } else {
                const QImage &picture = object.image->decoded();
                if (!picture.isNull())
                    painter.drawImage(rect, picture);
            }
            continue;
        }
        if (object.geometry == DrawingObject::Geometry::None)
            continue;
        QPen pen(Qt::NoPen);
        if (object.line.style != LineStyle::None) {
            pen = QPen(m_book.styles.resolve(object.line.color, Qt::black), lineWidth(object.line.style));
            if (object.line.style == LineStyle::Dashed || object.line.style == LineStyle::MediumDashed)
                pen.setDashPattern({4, 2});
            else if (object.line.style == LineStyle::Dotted)
                pen.setDashPattern({1, 2});
        }
        painter.setPen(pen);
        painter.setBrush(object.fill.isSet() ? QBrush(m_book.styles.resolve(object.fill, Qt::white))
                                             : QBrush(Qt::NoBrush));
        painter.setRenderHint(QPainter::Antialiasing, true);
        switch (object.geometry) {
        case DrawingObject::Geometry::Ellipse:
            painter.drawEllipse(rect);
            break;
        case DrawingObject::Geometry::Rectangle:
            painter.drawRect(rect);
            break;
        case DrawingObject::Geometry::Line:
            object.flipVertical != object.flipHorizontal ? painter.drawLine(rect.bottomLeft(), rect.topRight())
                                                         : painter.drawLine(rect.topLeft(), rect.bottomRight());
            break;
        case DrawingObject::Geometry::None:
            break;
        }
        painter.setRenderHint(QPainter::Antialiasing, false);
        if (!object.text.isEmpty()) {
            const Font &font = m_book.styles.fonts.front();
            painter.setFont(FontMapper::font(font, font.size, frame.dpi));
            painter.setPen(Qt::black);
            painter.drawText(rect, Qt::AlignCenter | Qt::TextWordWrap, object.text);
        }
    }
}

void PageRenderer::paintHeaderFooter(QPainter &painter, const PrintedPage &page) const
{
    const PageSetup &setup = m_book.sheets[page.sheet].pageSetup;
    if (setup.oddHeader.isEmpty() && setup.oddFooter.isEmpty())
        return;
    const Font &base = m_book.styles.fonts.front();
    const QFont font = FontMapper::font(base, 10, painter.device()->logicalDpiY());
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(font, painter.device());
    const auto expand = [&](QString section) {
        section.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
        section.replace(QStringLiteral("&P"), QString::number(page.numberInSheet));
        section.replace(QStringLiteral("&N"), QString::number(page.pagesInSheet));
        section.replace(QStringLiteral("&D"), QDate::currentDate().toString(QStringLiteral("yyyy/MM/dd")));
        section.replace(QStringLiteral("&A"), m_book.sheets[page.sheet].name);
        section.remove(QRegularExpression(QStringLiteral("&\"[^\"]*\"|&\\d+|&[A-Za-z]")));
        return section.replace(u'\x01', u'&');
    };
    const auto draw = [&](const QString &layoutText, double baseline) {
        thread_local const QRegularExpression part(QStringLiteral("&([LCR])"));  // pages drawn side by side
        QString sections[3];
        int current = 1;
        qsizetype at = 0;
        for (const auto &match : part.globalMatch(layoutText)) {
            sections[current] += layoutText.mid(at, match.capturedStart() - at);
            current = match.captured(1) == QLatin1String("L") ? 0 : match.captured(1) == QLatin1String("C") ? 1 : 2;
            at = match.capturedEnd();
        }
        sections[current] += layoutText.mid(at);
        const double left = setup.marginLeft * 72, right = page.paper.width() - setup.marginRight * 72;
        for (int i = 0; i < 3; ++i) {
            const QString text = expand(sections[i]);
            if (text.isEmpty())
                continue;
            const double width = metrics.horizontalAdvance(text);
            const double x = i == 0 ? left : i == 1 ? (left + right - width) / 2 : right - width;
            painter.drawText(QPointF(x, baseline), text);
        }
    };
    draw(setup.oddHeader, setup.marginHeader * 72 + metrics.ascent());
    draw(setup.oddFooter, page.paper.height() - setup.marginFooter * 72 - metrics.descent());
}

const PageRenderer::SheetLayout &PageRenderer::layoutOf(int sheet) const
{
    auto &layout = m_layouts[sheet];
    if (!layout)
        layout.reset(new SheetLayout{SheetGeometry(m_book.sheets[sheet], m_book.styles),
                                     MergeIndex(m_book.sheets[sheet].merges)});
    return *layout;
}

double PageRenderer::paintCells(QPainter &painter, const PrintedPage &page) const
{
    painter.save();
    const SheetLayout &layout = layoutOf(page.sheet);
    const PageFrame frame(m_book.sheets[page.sheet], layout.geometry, layout.merges, page,
                          painter.device()->logicalDpiY());
    painter.setClipRect(frame.content().adjusted(-2, -2, 2, 2));
    paintFills(painter, frame);
    paintGrid(painter, frame);
    paintTexts(painter, frame);
    paintBorders(painter, frame);
    // Pictures may reach past the last printed column, as they do in LibreOffice, but not
    // into the rows of the next page.
    const QRectF content = frame.content();
    painter.setClipRect(QRectF(content.left() - page.origin.x() / page.scale, content.top(),
                               page.paper.width() / page.scale, content.height()));
    paintDrawings(painter, frame);
    painter.restore();
    return content.height();
}

void PageRenderer::paint(QPainter &painter, const PrintedPage &page) const
{
    if (page.sheet < 0 || page.sheet >= int(m_book.sheets.size()))
        return;
    painter.save();
    paintHeaderFooter(painter, page);
    painter.translate(page.origin);
    painter.scale(page.scale, page.scale);
    if (page.titleFirst > 0) {
        PrintedPage titles = page;
        titles.firstRow = page.titleFirst;
        titles.lastRow = page.titleLast;
        painter.translate(0, paintCells(painter, titles));
    }
    paintCells(painter, page);
    painter.restore();
}

}  // namespace celvane
