#include "TItemNodes.h"

#include "ChartGeometry.h"
#include "TItemBase.h"
#include "TLayoutBase.h"

TItemNodes::~TItemNodes()
{
    qDeleteAll(m_list);
}

int TItemNodes::Add(TItemBase *parent, std::unique_ptr<TItemBase> box)
{
    TLayoutBase &layout = Layout();
    Q_ASSERT(box && &box->Layout() == &layout);
    const int column
        = ChartGeometry::PlacingColumn(parent != nullptr, parent ? parent->Column() : 0, layout.ColCount());
    box->SetColumn(column);
    // The free row is taken before the box joins the list, so it never counts itself.
    box->SetRow(layout.NextFreeRow(column));
    box->SetParentItem(parent);
    m_list.append(box.release());
    layout.Redraw();
    return Count() - 1;
}

bool TItemNodes::Delete(TItemBase *box)
{
    const int index = IndexOf(box);
    if (index < 0)
        return false;
    m_list.removeAt(index);
    TLayoutBase &layout = Layout();
    layout.Detach(box);
    layout.Forget(box);
    delete box;
    layout.Redraw();
    return true;
}

void TItemNodes::Clear()
{
    TLayoutBase &layout = Layout();
    layout.Selection().Clear();
    const QList<TItemBase *> boxes = m_list;
    m_list.clear();
    for (TItemBase *box : boxes) {
        layout.Forget(box);
        delete box;
    }
}
