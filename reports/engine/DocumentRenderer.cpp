#include "DocumentRenderer.h"

#include "CelvaneError.h"
#include "OutputFile.h"
#include "PageLayout.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPdfWriter>

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
    const auto layoutOf = [](const PrintedPage &page) {
        return QPageLayout(page.pageSize, page.landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF());
    };
    if (m_pages.empty())
        throw CelvaneError(QStringLiteral("印刷するページがありません"));
    device.setPageLayout(layoutOf(m_pages.front()));
    QPainter painter;
    if (!painter.begin(&device))
        throw CelvaneError(QStringLiteral("印刷を始められません"));
    for (size_t i = 0; i < m_pages.size(); ++i) {
        if (i > 0) {
            device.setPageLayout(layoutOf(m_pages[i]));
            device.newPage();
        }
        painter.resetTransform();
        painter.scale(device.logicalDpiX() / 72.0, device.logicalDpiY() / 72.0);
        m_renderer.paint(painter, m_pages[i]);
    }
    painter.end();
}

void DocumentRenderer::savePdf(const QString &fileName, const QString &title) const
{
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(600);
        writer.setCreator(QStringLiteral("Celvane"));
        writer.setTitle(title);
        try {
            print(writer);
        } catch (const CelvaneError &error) {
            throw CelvaneError(QStringLiteral("「%1」に保存できません（%2）").arg(fileName, error.message()));
        }
    }
    OutputFile::save(fileName, bytes);
}

}  // namespace celvane
