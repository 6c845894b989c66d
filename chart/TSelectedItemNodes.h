#pragma once

#include "TItemNodesBase.h"

// The selected boxes of a layout. Refers to boxes of the layout's Items and owns none.
class TSelectedItemNodes : public TItemNodesBase
{
public:
    using TItemNodesBase::TItemNodesBase;

    // Appends the box (once) and shows the new selection.
    void Add(TItemBase *box);
    // Removes the box and shows the new selection.
    void Remove(TItemBase *box);
};
