#pragma once

class DataSet;

namespace sorvik::documents {

class MarkerWriter;

// A worker's own cells, the same on a roster row and on a worker card: particulars, health,
// entry dates and the qualification abbreviations of the current row of SAGYOIN, moved
// down by `rowOffset` (the roster's row of the page).
void WriteWorkerCells(MarkerWriter &writer, DataSet &worker, int rowOffset = 0);

}  // namespace sorvik::documents
