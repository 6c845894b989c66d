#pragma once

#include "PageRenderer.h"
#include "PrintedPage.h"
#include "Workbook.h"

#include <QImage>
#include <QPagedPaintDevice>
#include <vector>

namespace celvane {

// The printed pages of a finished workbook, for the screen, a printer or a PDF file.
class DocumentRenderer
{
public:
    explicit DocumentRenderer(const Workbook &book);

    int pageCount() const { return int(m_pages.size()); }
    const PrintedPage &page(int index) const { return m_pages.at(index); }
    // The painter's units must be points of the paper.
    void paintPage(QPainter &painter, int index) const;
    QImage pageImage(int index, double dpi) const;
    // Prints every page, each on paper of its sheet's size and orientation.
    void print(QPagedPaintDevice &device) const;
    // Writes the whole file or nothing (see OutputFile); throws CelvaneError.
    void savePdf(const QString &fileName, const QString &title = {}) const;
    // The PDF file's bytes, its pages written in `runs` runs of consecutive pages on as
    // many cores as the machine has, and joined.
    QByteArray pdf(const QString &title, int runs) const;
    // How many runs a document of so many pages is written in on this machine.
    static int pdfRunsFor(int pages);

private:
    void print(QPagedPaintDevice &device, const PageRenderer &renderer, size_t begin, size_t end) const;
    // Where each run begins, so that the runs take about as long; the last entry is the end.
    std::vector<size_t> runFirstPages(int runs) const;

    const Workbook &m_book;
    std::vector<PrintedPage> m_pages;
    PageRenderer m_renderer;
};

}  // namespace celvane
