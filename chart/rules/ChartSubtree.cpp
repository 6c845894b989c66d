#include "ChartSubtree.h"

namespace {

void AddBelow(const QList<int> &parentOf, int box, QList<int> &closure)
{
    for (int child = 0; child < parentOf.size(); ++child) {
        if (parentOf[child] != box || closure.contains(child))
            continue;
        closure.append(child);
        AddBelow(parentOf, child, closure);
    }
}

}  // namespace

QList<int> SubtreeClosure(const QList<int> &parentOf, const QList<int> &selected)
{
    QList<int> closure;
    for (int box : selected)
        if (!closure.contains(box))
            closure.append(box);
    for (int box : selected)
        AddBelow(parentOf, box, closure);
    return closure;
}
