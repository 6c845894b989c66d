#pragma once

#include <memory>

#include "TItemNodesBase.h"

// All boxes of a layout. Owns them: deleting a box, clearing the list or destroying it frees
// the boxes.
class TItemNodes : public TItemNodesBase
{
public:
    using TItemNodesBase::TItemNodesBase;
    ~TItemNodes() override;

    // Places the box automatically and appends it: without a parent in column 0, under a
    // parent in the next column (wrapping to column 1), each time in the column's next free
    // row. Returns the box's index.
    int Add(TItemBase *parent, std::unique_ptr<TItemBase> box);
    // Removes the box, detaches its children, frees it and repaints. False when the box is not
    // in this list, which then stays untouched.
    bool Delete(TItemBase *box);
    // Frees every box; the selection, which could only refer to them, is emptied too.
    void Clear() override;
};
