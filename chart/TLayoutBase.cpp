#include "TLayoutBase.h"

#include <algorithm>

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>

#include "ChartGeometry.h"
#include "LayoutPainter.h"
#include "TItemBase.h"
#include "XorOutline.h"

namespace {
const char *const kMenuItemProperty = "sorvikChartItem";
const QColor kBandColor(0x80, 0x80, 0x80);

void SetMenuItem(QMenu *menu, TItemBase *box)
{
    if (menu)
        menu->setProperty(kMenuItemProperty, QVariant::fromValue(reinterpret_cast<quintptr>(box)));
}
}  // namespace

// Suppresses painting while a gesture changes many boxes at once and repaints once at the end,
// if anything asked for it; the bitmap ends up exactly as it would after each single repaint.
class TLayoutBase::PaintBatch
{
public:
    explicit PaintBatch(TLayoutBase &layout)
        : m_layout(layout)
    {
        ++m_layout.m_batchDepth;
    }
    ~PaintBatch()
    {
        if (--m_layout.m_batchDepth > 0 || !m_layout.m_batchRepaint)
            return;
        m_layout.m_batchRepaint = false;
        m_layout.Redraw();
        m_layout.DrawSelection();
    }
    PaintBatch(const PaintBatch &) = delete;
    PaintBatch &operator=(const PaintBatch &) = delete;

private:
    TLayoutBase &m_layout;
};

TLayoutBase::TLayoutBase(QWidget *owner)
    : QWidget(owner)
    , m_items(*this)
    , m_selection(*this)
    , m_itemFont(QStringLiteral("IPAPGothic"), 9)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

TLayoutBase::~TLayoutBase() = default;

template<typename T> void TLayoutBase::Assign(T &field, const T &value)
{
    if (field == value)
        return;
    field = value;
    Redraw();
    DrawSelection();
}

void TLayoutBase::SetRowHeight(int rowHeight)
{
    if (rowHeight >= 1)
        Assign(m_rowHeight, rowHeight);
}

void TLayoutBase::SetColWidth(int colWidth)
{
    if (colWidth >= 1)
        Assign(m_colWidth, colWidth);
}

void TLayoutBase::SetFixedCols(int fixedCols)
{
    if (fixedCols >= 0)
        Assign(m_fixedCols, fixedCols);
}

void TLayoutBase::SetColCount(int colCount)
{
    if (colCount >= 0)
        Assign(m_colCount, colCount);
}

void TLayoutBase::SetRowCount(int rowCount)
{
    if (rowCount >= 0)
        Assign(m_rowCount, rowCount);
}

void TLayoutBase::SetPageRows(int pageRows)
{
    Assign(m_pageRows, pageRows);
}
void TLayoutBase::SetFixedColor(ChartColor color)
{
    Assign(m_fixedColor, color);
}
void TLayoutBase::SetBackColor(ChartColor color)
{
    Assign(m_backColor, color);
}
void TLayoutBase::SetLinkColor(ChartColor color)
{
    Assign(m_linkColor, color);
}
void TLayoutBase::SetPageLineColor(ChartColor color)
{
    Assign(m_pageLineColor, color);
}

void TLayoutBase::SetItemFont(const QFont &font)
{
    Assign(m_itemFont, font);
}

QMenu *TLayoutBase::ItemMenu() const
{
    return m_itemMenu;
}

void TLayoutBase::SetItemMenu(QMenu *menu)
{
    m_itemMenu = menu;
}

TItemBase *TLayoutBase::MenuItem(const QMenu *menu)
{
    if (!menu)
        return nullptr;
    return reinterpret_cast<TItemBase *>(menu->property(kMenuItemProperty).value<quintptr>());
}

void TLayoutBase::SetBitmapSize(int width, int height)
{
    if (width == m_bitmap.width() && height == m_bitmap.height())
        return;
    m_bitmap = width > 0 && height > 0 ? QImage(width, height, QImage::Format_RGB32) : QImage();
    if (!m_bitmap.isNull())
        m_bitmap.fill(Resolve(m_backColor));
    Redraw();
    DrawSelection();
    update();
}

QSize TLayoutBase::sizeHint() const
{
    return m_bitmap.isNull() ? QWidget::sizeHint() : m_bitmap.size();
}

QColor TLayoutBase::Resolve(ChartColor color) const
{
    return color.Resolve(palette());
}

void TLayoutBase::DrawXorOutline(const QRect &pixels, QColor color)
{
    if (m_bitmap.isNull())
        return;
    XorOutline(m_bitmap, pixels, color.rgb());
    update(pixels);
}

bool TLayoutBase::Suppressed()
{
    if (!m_paintEnabled)
        return true;
    if (m_batchDepth == 0)
        return false;
    m_batchRepaint = true;
    return true;
}

void TLayoutBase::Redraw()
{
    if (Suppressed() || m_bitmap.isNull())
        return;
    {
        const int width = m_bitmap.width();
        const int height = m_bitmap.height();
        LayoutPainter painter(*this, m_bitmap.rect());
        painter.fillRect(m_bitmap.rect(), Resolve(m_backColor));
        painter.fillRect(QRect(0, 0, m_colWidth * m_fixedCols, height), Resolve(m_fixedColor));
        const QColor pageLine = Resolve(m_pageLineColor);
        for (int row : ChartGeometry::PageLineRows(m_rowCount, m_pageRows))
            painter.Line({0, row * m_rowHeight}, {width, row * m_rowHeight}, pageLine);
    }
    for (TItemBase *box : m_items)
        box->Draw();
    // Links go over the boxes so a curve crossing a box stays visible.
    for (TItemBase *box : m_items)
        box->DrawLink();
    DrawGridDots();
}

void TLayoutBase::DrawGridDots()
{
    const QRgb black = qRgb(0, 0, 0);
    for (int y = 0; y < m_bitmap.height(); y += m_rowHeight)
        for (int x = 0; x < m_bitmap.width(); x += m_colWidth)
            m_bitmap.setPixel(x, y, black);
}

void TLayoutBase::ItemClick(TItemBase *)
{
}
void TLayoutBase::ItemDblClick(TItemBase *)
{
}

void TLayoutBase::DrawPickedSelection()
{
    if (Suppressed())
        return;
    for (TItemBase *box : m_selection)
        box->DrawPicked();
}

void TLayoutBase::DrawSelection()
{
    if (Suppressed())
        return;
    for (TItemBase *box : m_selection)
        box->DrawSelected();
}

void TLayoutBase::BeginUpdate()
{
    m_paintEnabled = false;
}

void TLayoutBase::EndUpdate()
{
    m_paintEnabled = true;
    Redraw();
    DrawSelection();
}

TItemBase *TLayoutBase::ItemAt(int x, int y) const
{
    for (auto it = m_items.List().crbegin(); it != m_items.List().crend(); ++it)
        if (ChartGeometry::StrictlyInside((*it)->BoxRect(), x, y))
            return *it;
    return nullptr;
}

int TLayoutBase::SnapX(int x) const
{
    return ChartGeometry::SnapToCell(x, m_colWidth);
}

int TLayoutBase::SnapY(int y) const
{
    return ChartGeometry::SnapToCell(y, m_rowHeight);
}

int TLayoutBase::NextFreeRow(int column) const
{
    int next = 0;
    for (const TItemBase *box : m_items)
        if (box->Column() == column)
            next = std::max(next, box->Row() + 1);
    return next;
}

void TLayoutBase::SelectInRect(int x1, int y1, int x2, int y2)
{
    PaintBatch batch(*this);
    m_selection.Clear();
    for (TItemBase *box : m_items)
        if (ChartGeometry::CornersWithin(box->BoxRect(), {x1, y1}, {x2, y2}))
            m_selection.Add(box);
}

bool TLayoutBase::IsOutOfBounds(const TItemNodesBase &list) const
{
    const QPoint bandEdge(m_colWidth * m_fixedCols, 0);
    const QPoint bitmapCorner(m_bitmap.width(), m_bitmap.height());
    for (const TItemBase *box : list)
        if (!ChartGeometry::CornersWithin(box->GhostRect(), bandEdge, bitmapCorner))
            return true;
    return false;
}

void TLayoutBase::Detach(TItemBase *box)
{
    for (TItemBase *child : m_items)
        if (child->ParentItem() == box)
            child->SetParentItem(nullptr);
    m_selection.Clear();
}

void TLayoutBase::Forget(TItemBase *box)
{
    if (m_currentItem == box)
        m_currentItem = nullptr;
    if (m_itemMenu && MenuItem(m_itemMenu) == box) {
        SetMenuItem(m_itemMenu, nullptr);
        m_contextMenu = nullptr;
    }
}

void TLayoutBase::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y)
{
    if (button == Qt::RightButton) {
        RightPress(x, y);
        return;
    }
    if (shift & Qt::ShiftModifier) {
        TogglePress(x, y);
        return;
    }
    m_currentItem = ItemAt(x, y);
    if (m_currentItem) {
        m_mouseState = TMouseState::Moving;
        // Pressing one box of a multiple selection drags them all.
        if (!m_selection.Contains(m_currentItem)) {
            m_selection.Clear();
            m_selection.Add(m_currentItem);
        }
    } else {
        m_selection.Clear();
        m_mouseState = TMouseState::Banding;
    }
    m_downX = m_bandX = x;
    m_downY = m_bandY = y;
    Redraw();
    if (m_mouseState == TMouseState::Banding)
        DrawBand();
    else
        PickUpSelection(SnapX(x), SnapY(y));
}

void TLayoutBase::RightPress(int x, int y)
{
    m_currentItem = ItemAt(x, y);
    if (!m_currentItem) {
        m_contextMenu = nullptr;
        return;
    }
    if (!m_selection.Contains(m_currentItem)) {
        m_selection.Clear();
        m_selection.Add(m_currentItem);
    }
    m_currentItem->Grab(x, y);
    m_currentItem->SetDragPos(x - m_currentItem->GrabX(), y - m_currentItem->GrabY());
    m_currentItem->DrawPicked();
    SetMenuItem(m_itemMenu, m_currentItem);
    m_contextMenu = m_itemMenu;
}

void TLayoutBase::TogglePress(int x, int y)
{
    m_currentItem = ItemAt(x, y);
    if (m_currentItem) {
        if (m_selection.Contains(m_currentItem))
            m_selection.Remove(m_currentItem);
        else
            m_selection.Add(m_currentItem);
    }
    Redraw();
    PickUpSelection(SnapX(x), SnapY(y));
}

void TLayoutBase::PickUpSelection(int snappedX, int snappedY)
{
    // Grabbing at the snapped point keeps each box's offset inside its cell while it moves.
    for (TItemBase *box : m_selection) {
        box->Grab(snappedX, snappedY);
        box->SetDragPos(snappedX - box->GrabX(), snappedY - box->GrabY());
        box->DrawPicked();
    }
    m_ghostAnchor = {snappedX, snappedY};
}

void TLayoutBase::MouseMove(Qt::KeyboardModifiers, int x, int y)
{
    if (m_mouseState == TMouseState::Banding) {
        DrawBand();
        m_bandX = x;
        m_bandY = y;
        DrawBand();
    } else if (m_mouseState == TMouseState::Moving) {
        MoveGhosts(SnapX(x), SnapY(y));
    }
}

void TLayoutBase::MoveGhosts(int snappedX, int snappedY)
{
    // Within the same cell the ghosts would be erased and drawn back at the same place.
    if (m_ghostAnchor == QPoint(snappedX, snappedY))
        return;
    m_ghostAnchor = {snappedX, snappedY};
    for (TItemBase *box : m_selection) {
        // A box of the fixed band never moves, so it shows no moving ghost.
        if (box->Column() < m_fixedCols)
            continue;
        box->DrawGhost();
        box->SetDragPos(snappedX - box->GrabX(), snappedY - box->GrabY());
        box->DrawGhost();
    }
}

void TLayoutBase::MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)
{
    if (m_mouseState == TMouseState::Banding) {
        DrawBand();
        PaintBatch batch(*this);
        SelectInRect(m_downX, m_downY, m_bandX, m_bandY);
        Redraw();
        DrawSelection();
    } else if (m_mouseState == TMouseState::Moving) {
        DropSelection(SnapX(x), SnapY(y));
    }
    m_mouseState = TMouseState::Idle;
}

void TLayoutBase::DropSelection(int snappedX, int snappedY)
{
    // Every moved box would repaint the diagram several times; one repaint at the end gives
    // the same picture.
    PaintBatch batch(*this);
    Redraw();
    // The ghosts are judged where the pointer is released, which need not be where the last
    // move left them; otherwise a release without a final move could pass a drop that puts a
    // box outside the grid.
    for (TItemBase *box : m_selection)
        if (box->Column() >= m_fixedCols)
            box->SetDragPos(snappedX - box->GrabX(), snappedY - box->GrabY());
    if (!IsOutOfBounds(m_selection))
        for (TItemBase *box : m_selection)
            box->SetPosition(box->DragLeft(), box->DragTop());
    DrawSelection();
}

void TLayoutBase::DrawBand()
{
    // The platform's rectangle leaves out its far edges; so does the band.
    const int left = std::min(m_downX, m_bandX);
    const int top = std::min(m_downY, m_bandY);
    const QRect pixels(left, top, std::max(m_downX, m_bandX) - left, std::max(m_downY, m_bandY) - top);
    DrawXorOutline(pixels, kBandColor);
}

void TLayoutBase::Click()
{
    if (TItemBase *box = ItemAt(m_downX, m_downY))
        ItemClick(box);
}

void TLayoutBase::DblClick()
{
    if (TItemBase *box = ItemAt(m_downX, m_downY))
        ItemDblClick(box);
}

void TLayoutBase::paintEvent(QPaintEvent *event)
{
    // One blit of the bounding rectangle: the painter is already clipped to the changed
    // region, and a blit per rectangle of a drag's many ghosts costs far more.
    QPainter painter(this);
    const QRect shown = event->rect() & m_bitmap.rect();
    if (shown != event->rect())
        painter.fillRect(event->rect(), palette().window());
    if (!shown.isEmpty())
        painter.drawImage(shown, m_bitmap, shown);
}

void TLayoutBase::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    if (m_gestureButton != Qt::NoButton)
        return;
    m_gestureButton = event->button();
    m_clickPending = event->button() == Qt::LeftButton;
    const QPoint pos = event->position().toPoint();
    MouseDown(event->button(), event->modifiers(), pos.x(), pos.y());
}

void TLayoutBase::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    const QPoint pos = event->position().toPoint();
    MouseMove(event->modifiers(), pos.x(), pos.y());
}

void TLayoutBase::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() != m_gestureButton)
        return;
    m_gestureButton = Qt::NoButton;
    const QPoint pos = event->position().toPoint();
    // A click is a left press and release over the control, not the release of a double click.
    if (m_clickPending && rect().contains(pos))
        Click();
    m_clickPending = false;
    MouseUp(event->button(), event->modifiers(), pos.x(), pos.y());
}

void TLayoutBase::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    m_clickPending = false;
    DblClick();
}

void TLayoutBase::contextMenuEvent(QContextMenuEvent *event)
{
    // Accepted either way: empty space offers no menu, not the container's.
    event->accept();
    if (!m_contextMenu)
        return;
    // The menu takes the pointer: the release of the press that opened it goes to the menu,
    // and a gesture waiting for it would ignore every later press.
    m_gestureButton = Qt::NoButton;
    m_clickPending = false;
    m_contextMenu->popup(event->globalPos());
}

void TLayoutBase::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // Button face follows the desktop theme.
    if (event->type() == QEvent::PaletteChange) {
        Redraw();
        DrawSelection();
    }
}
