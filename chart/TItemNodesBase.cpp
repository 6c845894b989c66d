#include "TItemNodesBase.h"

TItemNodesBase::TItemNodesBase(TLayoutBase &layout)
    : m_layout(layout)
{
}

TItemNodesBase::~TItemNodesBase() = default;

int TItemNodesBase::IndexOf(const TItemBase *box) const
{
    return int(m_list.indexOf(const_cast<TItemBase *>(box)));
}

void TItemNodesBase::Clear()
{
    m_list.clear();
}
