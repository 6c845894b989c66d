#include "ReportDocument.h"

#include "CelvaneError.h"

#include <algorithm>

namespace celvane {

namespace {
constexpr int kLastRow = 1048576;
}

ReportDocument::ReportDocument(Workbook templateBook)
    : m_template(std::move(templateBook))
    , m_output(m_template)
{
}

int ReportDocument::sheetEnd(const Worksheet &sheet)
{
    // What lies below the print area (notes for whoever keeps the template) is no page.
    if (sheet.printArea)
        return sheet.printArea->bottom;
    return std::max(1, sheet.lastUsedRow());
}

ReportDocument::SheetState &ReportDocument::state()
{
    if (m_current < 0)
        throw CelvaneError(QStringLiteral("ページが開かれていません"));
    if (m_closed)
        throw CelvaneError(QStringLiteral("ページは閉じられています"));
    return m_sheets[m_current];
}

void ReportDocument::openPage(const QString &sheetName, const QString &pageText)
{
    if (m_closed)
        throw CelvaneError(QStringLiteral("ページは閉じられています"));
    const int index = m_template.sheetIndex(sheetName);
    if (index < 0)
        throw CelvaneError(QStringLiteral("テンプレートにシート「%1」が有りません").arg(sheetName));
    for (size_t i = 0; i < m_sheets.size(); ++i)
        if (m_sheets[i].index == index) {
            m_current = int(i);
            return;
        }
    SheetState opened;
    opened.index = index;
    opened.pageText = pageText;
    opened.last = sheetEnd(m_template.sheets[index]);
    opened.pageEnd = opened.last;
    m_sheets.push_back(opened);
    m_current = int(m_sheets.size()) - 1;
}

void ReportDocument::setRows(int first, int last)
{
    SheetState &s = state();
    if (last < 0)
        last = std::max(first, sheetEnd(m_template.sheets[s.index]));
    if (first < 1 || last < first)
        throw CelvaneError(QStringLiteral("ページの行 %1 から %2 は正しくありません").arg(first).arg(last));
    if (s.pages == 1 && s.pending == 0)
        s.pageStart = first;
    if (s.pending == 0)
        s.pageEnd = s.pageStart + (last - first);  // the current page itself changes its rows
    s.first = first;
    s.last = last;
    s.rowsSet = true;
    s.markersValid = false;
}

void ReportDocument::newPage()
{
    // Copies are made when the page receives something, so a trailing request adds nothing.
    ++state().pending;
}

void ReportDocument::close()
{
    m_closed = true;
}

void ReportDocument::materialize()
{
    SheetState &s = state();
    for (; s.pending > 0; --s.pending)
        appendPage(s);
}

void ReportDocument::trimAfter(Worksheet &sheet, int lastRow)
{
    sheet.rows.erase(sheet.rows.upper_bound(lastRow), sheet.rows.end());
    std::erase_if(sheet.merges, [lastRow](const CellRange &merge) { return merge.top > lastRow; });
    for (CellRange &merge : sheet.merges)
        merge.bottom = std::min(merge.bottom, lastRow);
    std::erase_if(sheet.rowBreaks, [lastRow](int row) { return row >= lastRow; });
    std::erase_if(sheet.drawings, [lastRow](const DrawingObject &object) {
        return object.anchor != DrawingObject::Anchor::Absolute && object.from.row >= lastRow;
    });
}

void ReportDocument::appendPage(SheetState &s)
{
    const Worksheet &source = m_template.sheets[s.index];
    Worksheet &target = m_output.sheets[s.index];
    const int previousEnd = s.pageEnd;
    if (!s.trimmed) {
        trimAfter(target, previousEnd);
        s.trimmed = true;
    }
    const int start = previousEnd + 1;
    const int shift = start - s.first;
    if (qint64(start) + (s.last - s.first) > kLastRow)
        throw CelvaneError(QStringLiteral("シート「%1」のページを増やすとシートの最後の行（%2）を超えます")
                               .arg(source.name)
                               .arg(kLastRow));

    for (auto it = source.rows.lower_bound(s.first); it != source.rows.end() && it->first <= s.last; ++it) {
        Row row = it->second;
        // A copy's formulas would point at the template's page; the copy keeps the values.
        for (auto &[column, cell] : row.cells)
            cell.formulaXml.clear();
        target.rows[it->first + shift] = std::move(row);
    }
    for (const CellRange &merge : source.merges)
        if (merge.top >= s.first && merge.bottom <= s.last)
            target.merges.push_back({merge.left, merge.top + shift, merge.right, merge.bottom + shift});
    if (std::find(target.rowBreaks.begin(), target.rowBreaks.end(), previousEnd) == target.rowBreaks.end())
        target.rowBreaks.push_back(previousEnd);
    for (int row : source.rowBreaks)
        if (row >= s.first && row < s.last)
            target.rowBreaks.push_back(row + shift);
    for (const DrawingObject &object : source.drawings) {
        if (object.anchor == DrawingObject::Anchor::Absolute || object.from.row + 1 < s.first
            || object.from.row + 1 > s.last)
            continue;
        DrawingObject copy = object;
        copy.from.row += shift;
        copy.to.row += shift;
        target.drawings.push_back(std::move(copy));
    }
    s.pageStart = start;
    s.pageEnd = start + (s.last - s.first);
    ++s.pages;
}

void ReportDocument::indexMarkers(SheetState &s)
{
    s.markers.clear();
    const Worksheet &source = m_template.sheets[s.index];
    for (auto it = source.rows.lower_bound(s.first); it != source.rows.end() && it->first <= s.last; ++it)
        for (const auto &[column, cell] : it->second.cells)
            if (cell.isText() && !cell.text.isEmpty() && !s.markers.contains(cell.text))
                s.markers.insert(cell.text, QPoint(column, it->first));
    s.markersValid = true;
}

QPoint ReportDocument::locate(const QString &marker, int columnOffset, int rowOffset)
{
    materialize();
    SheetState &s = state();
    if (!s.markersValid)
        indexMarkers(s);
    const auto found = s.markers.constFind(marker);
    if (found == s.markers.constEnd())
        throw CelvaneError(QStringLiteral("シート「%1」のページにマーカー「%2」が有りません")
                               .arg(m_template.sheets[s.index].name, marker));
    const QPoint cell(found->x() + columnOffset, found->y() + (s.pageStart - s.first) + rowOffset);
    if (cell.x() < 1 || cell.y() < 1 || cell.x() > 16384 || cell.y() > 1048576)
        throw CelvaneError(QStringLiteral("マーカー「%1」からの位置 (%2, %3) はシートの外です")
                               .arg(marker)
                               .arg(columnOffset)
                               .arg(rowOffset));
    return cell;
}

int ReportDocument::documentRow(int templateRow)
{
    materialize();
    const SheetState &s = state();
    return templateRow + (s.pageStart - s.first);
}

Worksheet &ReportDocument::currentSheet()
{
    materialize();
    return m_output.sheets[state().index];
}

bool ReportDocument::isMarker(const QString &text)
{
    // A marker name may begin with a digit, as "**1UCPMNM" (the first-tier company) does.
    const auto upperOrDigit = [](QChar c) { return (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9'); };
    if (text.size() < 3 || !text.startsWith(QLatin1String("**")) || !upperOrDigit(text[2]))
        return false;
    return std::all_of(text.begin() + 3, text.end(), [&](QChar c) { return upperOrDigit(c) || c == u'_'; });
}

void ReportDocument::blankMarkers(Worksheet &sheet)
{
    for (auto &[number, row] : sheet.rows)
        for (auto &[column, cell] : row.cells)
            if (cell.isText() && cell.formulaXml.isEmpty() && isMarker(cell.text)) {
                cell.type = Cell::Type::Empty;
                cell.text.clear();
                cell.richTextXml.clear();
            }
}

void ReportDocument::finishSheet(SheetState &s)
{
    Worksheet &sheet = m_output.sheets[s.index];
    blankMarkers(sheet);
    const int end = s.pageEnd;
    if (s.rowsSet)
        trimAfter(sheet, end);
    if (const auto &area = m_template.sheets[s.index].printArea; area && s.pages > 1) {
        // The print area grows with the pages: its bottom follows into the last copy.
        CellRange grown = *area;
        if (area->bottom >= s.first)
            grown.bottom = std::min(end, area->bottom + (s.pageStart - s.first));
        sheet.printArea = grown;
    }
    std::sort(sheet.rowBreaks.begin(), sheet.rowBreaks.end());
    sheet.rowBreaks.erase(std::unique(sheet.rowBreaks.begin(), sheet.rowBreaks.end()), sheet.rowBreaks.end());
    std::erase_if(sheet.rowBreaks, [end](int row) { return row >= end; });
}

const Workbook &ReportDocument::finished()
{
    if (!m_finished) {
        m_finished = true;
        m_closed = true;
        if (!m_sheets.empty()) {
            std::vector<int> kept;
            for (SheetState &s : m_sheets) {
                finishSheet(s);
                kept.push_back(s.index);
            }
            m_output.keepSheets(kept);
        }
    }
    return m_output;
}

}  // namespace celvane
