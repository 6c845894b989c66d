#pragma once

#include <functional>

class DBGrid;

// Makes a column of a grid over a 0/1 field (a worker's selection mark SEL) a column of
// check boxes: every data cell is drawn as a raised box holding a check box, checked when
// the field is 1 and unchecked otherwise (a null too). A mouse button released on one of
// its data cells calls `toggle` with the row; the grid has moved the dataset there by then
// unless the move was refused.
void MakeCheckColumn(DBGrid &grid, int column, std::function<void(int row)> toggle);
