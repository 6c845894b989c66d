#include "PreviewWindow.h"

#include "CelvaneError.h"

#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace celvane {

namespace {
const int kPercents[] = {50, 75, 100, 150, 200};
constexpr double kScreenDpi = 96.0;
}  // namespace

PreviewWindow::PreviewWindow(const Workbook &document, bool allowSave,
                             std::function<void(const QString &)> saveWorkbook, PreviewServices services,
                             QWidget *parent)
    : QDialog(parent)
    , m_renderer(document)
    , m_saveWorkbook(std::move(saveWorkbook))
    , m_services(std::move(services))
{
    setWindowTitle(QStringLiteral("印刷プレビュー"));
    auto *bar = new QHBoxLayout;
    const auto button = [&](const QString &text) {
        auto *b = new QPushButton(text, this);
        b->setAutoDefault(false);
        bar->addWidget(b);
        return b;
    };
    m_first = button(QStringLiteral("|◀"));
    m_previous = button(QStringLiteral("◀ 前頁"));
    m_pageLabel = new QLabel(this);
    bar->addWidget(m_pageLabel);
    m_next = button(QStringLiteral("次頁 ▶"));
    m_last = button(QStringLiteral("▶|"));
    m_zoomBox = new QComboBox(this);
    m_zoomBox->addItems({QStringLiteral("ページ全体"), QStringLiteral("ページ幅")});
    for (int percent : kPercents)
        m_zoomBox->addItem(QStringLiteral("%1%").arg(percent));
    bar->addWidget(m_zoomBox);
    bar->addStretch();
    QPushButton *printButton = button(QStringLiteral("印刷(&P)"));
    m_save = button(QStringLiteral("保存(&S)"));
    m_save->setVisible(allowSave);
    QPushButton *close = button(QStringLiteral("閉じる(&C)"));

    m_view = new QLabel;
    m_view->setAlignment(Qt::AlignCenter);
    m_scroll = new QScrollArea(this);
    m_scroll->setWidget(m_view);
    m_scroll->setWidgetResizable(true);
    m_scroll->setAlignment(Qt::AlignCenter);
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_scroll->viewport()->installEventFilter(this);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_scroll, 1);

    connect(m_first, &QPushButton::clicked, this, [this] { showPage(0); });
    connect(m_previous, &QPushButton::clicked, this, [this] { showPage(m_page - 1); });
    connect(m_next, &QPushButton::clicked, this, [this] { showPage(m_page + 1); });
    connect(m_last, &QPushButton::clicked, this, [this] { showPage(pageCount() - 1); });
    connect(m_zoomBox, &QComboBox::activated, this, &PreviewWindow::zoomChosen);
    connect(printButton, &QPushButton::clicked, this, &PreviewWindow::print);
    connect(m_save, &QPushButton::clicked, this, &PreviewWindow::save);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    refresh();
}

void PreviewWindow::zoomChosen(int index)
{
    if (index == 0)
        setZoom(Zoom::WholePage);
    else if (index == 1)
        setZoom(Zoom::PageWidth);
    else
        setZoom(Zoom::Percent, kPercents[index - 2]);
}

void PreviewWindow::showPage(int index)
{
    m_page = std::clamp(index, 0, std::max(0, pageCount() - 1));
    refresh();
}

void PreviewWindow::setZoom(Zoom zoom, int percent)
{
    m_zoom = zoom;
    m_percent = std::clamp(percent, 10, 400);
    m_zoomBox->setCurrentIndex(zoom == Zoom::WholePage ? 0
                                   : zoom == Zoom::PageWidth
                                   ? 1
                                   : m_zoomBox->findText(QStringLiteral("%1%").arg(m_percent)));
    refresh();
}

double PreviewWindow::shownDpi() const
{
    if (pageCount() == 0)
        return kScreenDpi;
    const QSizeF paper = m_renderer.page(m_page).paper;  // points
    const QSize room = m_scroll->viewport()->size() - QSize(16, 16);
    const double widthDpi = room.width() * 72.0 / paper.width();
    switch (m_zoom) {
    case Zoom::WholePage:
        return std::max(10.0, std::min(widthDpi, room.height() * 72.0 / paper.height()));
    case Zoom::PageWidth: {
        // A page taller than the window brings a scroll bar, which takes its share of the width.
        const bool scrolls = paper.height() * widthDpi / 72.0 > room.height();
        const int bar = scrolls ? m_scroll->verticalScrollBar()->sizeHint().width() : 0;
        return std::max(10.0, (room.width() - bar) * 72.0 / paper.width());
    }
    case Zoom::Percent:
        return kScreenDpi * m_percent / 100.0;
    }
    return kScreenDpi;
}

QSize PreviewWindow::shownPageSize() const
{
    return m_view->pixmap().isNull() ? QSize() : m_view->pixmap().deviceIndependentSize().toSize();
}

void PreviewWindow::refresh()
{
    const int count = pageCount();
    m_pageLabel->setText(count ? QStringLiteral("%1 / %2 ページ").arg(m_page + 1).arg(count)
                               : QStringLiteral("ページなし"));
    m_first->setEnabled(m_page > 0);
    m_previous->setEnabled(m_page > 0);
    m_next->setEnabled(m_page + 1 < count);
    m_last->setEnabled(m_page + 1 < count);
    if (!count) {
        m_view->clear();
        return;
    }
    const qreal ratio = devicePixelRatioF();
    try {
        QImage page = m_renderer.pageImage(m_page, shownDpi() * ratio);
        page.setDevicePixelRatio(ratio);
        m_view->setPixmap(QPixmap::fromImage(page));
    } catch (const std::exception &error) {
        m_view->clear();
        m_services.showMessage(this, CelvaneError::messageOf(error));
    }
}

bool PreviewWindow::eventFilter(QObject *watched, QEvent *event)
{
    // The page is fitted to the room the scroll area shows, which gets its size only after
    // the window's own (first when the window is shown): fit when that room changes.
    if (watched == m_scroll->viewport() && event->type() == QEvent::Resize && m_zoom != Zoom::Percent)
        refresh();
    return QDialog::eventFilter(watched, event);
}

void PreviewWindow::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_PageDown:
        showPage(m_page + 1);
        break;
    case Qt::Key_PageUp:
        showPage(m_page - 1);
        break;
    case Qt::Key_Home:
        showPage(0);
        break;
    case Qt::Key_End:
        showPage(pageCount() - 1);
        break;
    default:
        QDialog::keyPressEvent(event);
        return;
    }
}

void PreviewWindow::print()
{
    if (m_services.defaultPrinterName().isEmpty()) {
        m_services.showMessage(
            this, QStringLiteral("プリンタが設定されていません。\nプリンタを設定してから印刷して下さい。"));
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    if (!m_services.setUpPrinter(this, printer))
        return;
    try {
        m_renderer.print(printer);
    } catch (const std::exception &error) {
        m_services.showMessage(this, CelvaneError::messageOf(error));
    }
}

void PreviewWindow::save()
{
    QString fileName = m_services.chooseSaveFile(this, m_suggestedName);
    if (fileName.isEmpty())
        return;
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix != QLatin1String("pdf") && suffix != QLatin1String("xlsx"))
        fileName += QStringLiteral(".xlsx");
    try {
        if (fileName.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
            m_renderer.savePdf(fileName, QFileInfo(fileName).completeBaseName());
        else
            m_saveWorkbook(fileName);
    } catch (const std::exception &error) {
        m_services.showMessage(this, CelvaneError::messageOf(error));
    }
}

}  // namespace celvane
