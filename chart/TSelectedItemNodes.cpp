#include "TSelectedItemNodes.h"

#include "TLayoutBase.h"

void TSelectedItemNodes::Add(TItemBase *box)
{
    // A box listed twice would have its exclusive-or ghost drawn twice, which erases it.
    if (!Contains(box))
        m_list.append(box);
    Layout().Redraw();
    Layout().DrawSelection();
}

void TSelectedItemNodes::Remove(TItemBase *box)
{
    m_list.removeAll(box);
    Layout().Redraw();
    Layout().DrawSelection();
}
