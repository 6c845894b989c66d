#pragma once

#include <QList>

class TItemBase;
class TLayoutBase;

// An ordered list of boxes of one layout. The order is drawing order; hit-testing searches it
// from the end so the box drawn last (on top) wins.
class TItemNodesBase
{
public:
    explicit TItemNodesBase(TLayoutBase &layout);
    virtual ~TItemNodesBase();

    TItemNodesBase(const TItemNodesBase &) = delete;
    TItemNodesBase &operator=(const TItemNodesBase &) = delete;

    TLayoutBase &Layout() const { return m_layout; }
    const QList<TItemBase *> &List() const { return m_list; }

    int Count() const { return int(m_list.size()); }
    TItemBase *operator[](int index) const { return m_list.at(index); }
    int IndexOf(const TItemBase *box) const;
    bool Contains(const TItemBase *box) const { return IndexOf(box) >= 0; }
    // Empties the list. A list that owns its boxes frees them.
    virtual void Clear();

    auto begin() const { return m_list.cbegin(); }
    auto end() const { return m_list.cend(); }

protected:
    QList<TItemBase *> m_list;

private:
    TLayoutBase &m_layout;
};
