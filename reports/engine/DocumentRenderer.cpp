#include "DocumentRenderer.h"

#include "CelvaneError.h"
#include "OutputFile.h"
#include "PageLayout.h"
#include "PdfJoiner.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPdfWriter>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <future>
#include <system_error>

namespace celvane {

DocumentRenderer::DocumentRenderer(const Workbook &book)
    : m_book(book)
    , m_pages(PageLayout::paginate(book))
    , m_renderer(book)
{
}

void DocumentRenderer::paintPage(QPainter &painter, int index) const
{
    m_renderer.paint(painter, m_pages.at(index));
}

QImage DocumentRenderer::pageImage(int index, double dpi) const
{
    const PrintedPage &page = m_pages.at(index);
    const QSize size(std::max(1, int(page.paper.width() * dpi / 72.0 + 0.5)),
                     std::max(1, int(page.paper.height() * dpi / 72.0 + 0.5)));
    QImage image(size, QImage::Format_RGB32);
    image.setDotsPerMeterX(int(dpi / 0.0254 + 0.5));
    image.setDotsPerMeterY(int(dpi / 0.0254 + 0.5));
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.scale(dpi / 72.0, dpi / 72.0);
    paintPage(painter, index);
    return image;
}

void DocumentRenderer::print(QPagedPaintDevice &device) const
{
    print(device, m_renderer, 0, m_pages.size());
}

void DocumentRenderer::print(QPagedPaintDevice &device, const PageRenderer &renderer, size_t begin, size_t end) const
{
    const auto layoutOf = [](const PrintedPage &page) {
        return QPageLayout(page.pageSize, page.landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF());
    };
    if (m_pages.empty())
        throw CelvaneError(QStringLiteral("印刷するページがありません"));
    device.setPageLayout(layoutOf(m_pages[begin]));
    QPainter painter;
    if (!painter.begin(&device))
        throw CelvaneError(QStringLiteral("印刷を始められません"));
    for (size_t i = begin; i < end; ++i) {
        if (i > begin) {
            device.setPageLayout(layoutOf(m_pages[i]));
            device.newPage();
        }
        painter.resetTransform();
        painter.scale(device.logicalDpiX() / 72.0, device.logicalDpiY() / 72.0);
        renderer.paint(painter, m_pages[i]);
    }
    painter.end();
}

int DocumentRenderer::pdfRunsFor(int pages)
{
    // A run costs a writer and a copy of the fonts of its own; below some tens of pages
    // that is more than another core wins. Four runs a core let a core that finished its
    // runs early take on another, as the cost of a page is only guessed.
    constexpr int kPagesPerRun = 40;
    const int cores = QThread::idealThreadCount();
    return cores > 1 ? std::clamp(pages / kPagesPerRun, 1, 4 * cores) : 1;
}

std::vector<size_t> DocumentRenderer::runFirstPages(int runs) const
{
    // A page costs about as much as the cells on it, plus what every page draws.
    constexpr double kPageCost = 50;
    std::vector<double> costUpTo{0};
    for (const PrintedPage &page : m_pages) {
        const auto &rows = m_book.sheets[size_t(page.sheet)].rows;
        double cells = 0;
        for (auto row = rows.lower_bound(page.firstRow); row != rows.end() && row->first <= page.lastRow; ++row) {
            const auto &inRow = row->second.cells;
            cells += double(std::distance(inRow.lower_bound(page.firstColumn), inRow.upper_bound(page.lastColumn)));
        }
        costUpTo.push_back(costUpTo.back() + kPageCost + cells);
    }
    std::vector<size_t> firsts{0};
    for (int run = 1; run < runs; ++run) {
        const double share = costUpTo.back() * run / runs;
        const size_t first = size_t(std::lower_bound(costUpTo.begin(), costUpTo.end(), share) - costUpTo.begin());
        firsts.push_back(std::clamp(first, firsts.back() + 1, m_pages.size() - size_t(runs - run)));
    }
    firsts.push_back(m_pages.size());
    return firsts;
}

QByteArray DocumentRenderer::pdf(const QString &title, int runs) const
{
    if (m_pages.empty())
        throw CelvaneError(QStringLiteral("印刷するページがありません"));
    runs = std::clamp(runs, 1, pageCount());
    const std::vector<size_t> firsts = runFirstPages(runs);
    std::vector<QByteArray> written(static_cast<size_t>(runs));
    std::atomic<int> nextRun = 0;
    // Each run has a renderer of its own: a renderer keeps what it measured for the next page.
    const auto writeRuns = [&] {
        for (int run = nextRun++; run < runs; run = nextRun++) {
            try {
                QBuffer buffer(&written[size_t(run)]);
                buffer.open(QIODevice::WriteOnly);
                QPdfWriter writer(&buffer);
                writer.setResolution(600);
                writer.setCreator(QStringLiteral("Celvane"));
                writer.setTitle(title);
                const PageRenderer renderer(m_book);
                print(writer, renderer, firsts[size_t(run)], firsts[size_t(run) + 1]);
            } catch (...) {
                nextRun = runs;  // the file is lost anyway: the other threads stop too
                throw;
            }
        }
    };
    std::vector<std::future<void>> helpers;
    try {
        for (int thread = 1; thread < std::min(runs, QThread::idealThreadCount()); ++thread)
            helpers.push_back(std::async(std::launch::async, writeRuns));
    } catch (const std::system_error &) {
        // No thread to spare: the threads there are write the rest.
    }
    writeRuns();
    for (std::future<void> &helper : helpers)
        helper.get();
    return PdfJoiner::join(written);
}

void DocumentRenderer::savePdf(const QString &fileName, const QString &title) const
{
    QByteArray bytes;
    try {
        bytes = pdf(title, pdfRunsFor(pageCount()));
    } catch (const CelvaneError &error) {
        throw CelvaneError(QStringLiteral("「%1」に保存できません（%2）").arg(fileName, error.message()));
    }
    OutputFile::save(fileName, bytes);
}

}  // namespace celvane
