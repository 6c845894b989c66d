#pragma once

#include <QSizeF>
#include <optional>

namespace sorvik::documents {

// Where a picture goes in a box of the sheet (engine drawing units from the box's
// corner): a picture wider than the box fills its width, a taller one its height and is
// centred across; one side is left open so that the engine keeps the picture's ratio.
struct PictureFit
{
    double left = 1;
    double top = 1;
    std::optional<double> width;
    std::optional<double> height;

    static PictureFit into(const QSizeF &picture, const QSizeF &box);
};

}  // namespace sorvik::documents
