#pragma once

#include <QPageSize>
#include <QPointF>
#include <QSizeF>

namespace celvane {

// One sheet of paper of a document: which cells it shows, at what scale, where.
struct PrintedPage
{
    int sheet = 0;
    int firstColumn = 1;
    int lastColumn = 1;
    int firstRow = 1;
    int lastRow = 1;
    double scale = 1.0;
    QPageSize pageSize{QPageSize::A4};
    bool landscape = false;
    QSizeF paper;        // points, as the paper lies
    QPointF origin;      // points from the paper's corner to the first cell's corner
    int titleFirst = 0;  // rows repeated at the top of this page, 0 for none
    int titleLast = 0;
    int numberInSheet = 1;
    int pagesInSheet = 1;
};

}  // namespace celvane
