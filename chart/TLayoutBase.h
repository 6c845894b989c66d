#pragma once

#include <QFont>
#include <QImage>
#include <QPointer>
#include <QWidget>

#include "ChartColor.h"
#include "TItemNodes.h"
#include "TSelectedItemNodes.h"

class QMenu;
class TItemBase;

enum class TMouseState : quint8 { Idle, Banding, Moving };

// A grid diagram of boxes in equal cells, divided into pages of rows, with a selection picked
// by clicks or a rubber band and moved by dragging, always by whole cells.
//
// The control owns an off-screen bitmap of the whole diagram and shows it at its top-left
// corner; every drawing goes into the bitmap. The owner sizes the control and the bitmap
// (normally both ColWidth*ColCount by RowHeight*RowCount) and places the control in a
// scrolling container. Any change repaints the whole bitmap; while the pointer bands or drags,
// the band and the ghosts are drawn and erased by exclusive-or, so a pointer move costs two
// outlines per moving box and never a full repaint.
class TLayoutBase : public QWidget
{
    Q_OBJECT

public:
    explicit TLayoutBase(QWidget *owner = nullptr);
    ~TLayoutBase() override;

    int RowHeight() const { return m_rowHeight; }
    int ColWidth() const { return m_colWidth; }
    int FixedCols() const { return m_fixedCols; }
    int ColCount() const { return m_colCount; }
    int RowCount() const { return m_rowCount; }
    int PageRows() const { return m_pageRows; }
    ChartColor FixedColor() const { return m_fixedColor; }
    ChartColor BackColor() const { return m_backColor; }
    ChartColor LinkColor() const { return m_linkColor; }
    ChartColor PageLineColor() const { return m_pageLineColor; }

    // Each setter repaints when the value changes and does nothing otherwise. Cell sizes
    // below 1 and negative counts are refused, since every grid position divides by the cell
    // sizes. A page size below 1 is kept but draws the whole grid as one page.
    void SetRowHeight(int rowHeight);
    void SetColWidth(int colWidth);
    void SetFixedCols(int fixedCols);
    void SetColCount(int colCount);
    void SetRowCount(int rowCount);
    void SetPageRows(int pageRows);
    void SetFixedColor(ChartColor color);
    void SetBackColor(ChartColor color);
    void SetLinkColor(ChartColor color);
    void SetPageLineColor(ChartColor color);

    TItemNodes &Items() { return m_items; }
    const TItemNodes &Items() const { return m_items; }
    TSelectedItemNodes &Selection() { return m_selection; }
    const TSelectedItemNodes &Selection() const { return m_selection; }
    // The box under the pointer at the last press, if any.
    TItemBase *CurrentItem() const { return m_currentItem; }
    TMouseState MouseState() const { return m_mouseState; }
    int DownX() const { return m_downX; }
    int DownY() const { return m_downY; }
    int BandX() const { return m_bandX; }
    int BandY() const { return m_bandY; }

    // Menu offered by a right press over a box; not owned (and forgotten when it is
    // destroyed). MenuItem() tells its actions which box it was offered for.
    QMenu *ItemMenu() const;
    void SetItemMenu(QMenu *menu);
    static TItemBase *MenuItem(const QMenu *menu);

    bool PaintEnabled() const { return m_paintEnabled; }
    const QFont &ItemFont() const { return m_itemFont; }
    void SetItemFont(const QFont &font);

    // The off-screen bitmap; empty until the owner gives it a size.
    const QImage &Bitmap() const { return m_bitmap; }
    int BitmapWidth() const { return m_bitmap.width(); }
    int BitmapHeight() const { return m_bitmap.height(); }
    void SetBitmapSize(int width, int height);
    // A diagram colour as it is drawn now (button face follows the desktop).
    QColor Resolve(ChartColor color) const;
    // Draws the one-pixel outline of the pixel rectangle `pixels` by exclusive-or; drawing it
    // again at the same place erases it. Band and ghosts use it.
    void DrawXorOutline(const QRect &pixels, QColor color);

    // Repaints the whole bitmap: background, fixed band, page lines, boxes, links, grid dots.
    virtual void Redraw();
    // Hooks for a click and a double click over a box.
    virtual void ItemClick(TItemBase *box);
    virtual void ItemDblClick(TItemBase *box);
    virtual void DrawPickedSelection();
    virtual void DrawSelection();

    // Bulk changes between these two draw nothing; EndUpdate repaints once.
    void BeginUpdate();
    void EndUpdate();

    // The topmost box with the point strictly inside it.
    TItemBase *ItemAt(int x, int y) const;
    int SnapX(int x) const;
    int SnapY(int y) const;
    // One below the lowest box of the column; 0 for an empty column. Gaps are not reused.
    int NextFreeRow(int column) const;
    // Selects the boxes lying wholly within the rectangle, its edges included.
    void SelectInRect(int x1, int y1, int x2, int y2);
    // True when a ghost of the list would leave the bitmap or enter the fixed band.
    bool IsOutOfBounds(const TItemNodesBase &list) const;
    // Unhooks the children of the box and empties the selection.
    void Detach(TItemBase *box);

    QSize sizeHint() const override;

protected:
    // For a derived layout that refuses a gesture before the inherited release runs.
    void SetMouseState(TMouseState state) { m_mouseState = state; }

    virtual void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    virtual void MouseMove(Qt::KeyboardModifiers shift, int x, int y);
    virtual void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    virtual void Click();
    virtual void DblClick();

    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    friend class LayoutPainter;
    friend class TItemNodes;
    class PaintBatch;

    template<typename T> void Assign(T &field, const T &value);
    // Whether painting is suppressed; inside a batch the wish to paint is remembered.
    bool Suppressed();
    // Drops every reference to a box that is about to be freed.
    void Forget(TItemBase *box);

    void RightPress(int x, int y);
    void TogglePress(int x, int y);
    void PickUpSelection(int snappedX, int snappedY);
    void MoveGhosts(int snappedX, int snappedY);
    void DropSelection(int snappedX, int snappedY);
    void DrawBand();
    void DrawGridDots();

    int m_rowHeight = 30;
    int m_colWidth = 80;
    int m_fixedCols = 0;
    int m_colCount = 0;
    int m_rowCount = 0;
    int m_pageRows = 0;
    ChartColor m_fixedColor = ChartColor::ButtonFace();
    ChartColor m_backColor = ChartColor::ButtonFace();
    ChartColor m_linkColor = ChartColor(0x0000FF);
    ChartColor m_pageLineColor = ChartColor(0x808080);
    TItemNodes m_items;
    TSelectedItemNodes m_selection;
    TItemBase *m_currentItem = nullptr;
    TMouseState m_mouseState = TMouseState::Idle;
    int m_downX = 0;
    int m_downY = 0;
    int m_bandX = 0;
    int m_bandY = 0;
    QPointer<QMenu> m_itemMenu;
    bool m_paintEnabled = true;
    QFont m_itemFont;

    QImage m_bitmap;
    // The menu a context-menu request offers now: ItemMenu after a right press on a box.
    QPointer<QMenu> m_contextMenu;
    // The button whose press started the current gesture; presses of further buttons are
    // ignored until it is released.
    Qt::MouseButton m_gestureButton = Qt::NoButton;
    bool m_clickPending = false;
    // Snapped pointer of the last ghost placement; moves within the same cell draw nothing.
    QPoint m_ghostAnchor;
    int m_batchDepth = 0;
    bool m_batchRepaint = false;
};
