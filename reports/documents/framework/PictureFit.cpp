#include "PictureFit.h"

#include <cmath>

namespace sorvik::documents {

PictureFit PictureFit::into(const QSizeF &picture, const QSizeF &box)
{
    const double ratio = picture.width() / picture.height();
    if (ratio > box.width() / box.height())
        return {1, 1, box.width() - 2, std::nullopt};
    const double width = std::floor(box.height() * ratio);
    return {std::floor((box.width() - width) / 2) + 1, 1, std::nullopt, box.height() - 2};
}

}  // namespace sorvik::documents
