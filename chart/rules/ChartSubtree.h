#pragma once

#include <QList>

// The boxes a delete removes: the selected boxes, in their order, each followed by every
// box below it, depth-first, each box once. `parentOf[i]` is the index of box i's parent,
// -1 for a box without one.
QList<int> SubtreeClosure(const QList<int> &parentOf, const QList<int> &selected);
