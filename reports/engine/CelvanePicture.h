#pragma once

#include "DrawingObject.h"

#include <QByteArray>
#include <QImage>
#include <QSizeF>

namespace celvane {

// A picture ready to be placed: the image as it will be stored and its own size in
// millimetres, which gives its aspect ratio.
struct CelvanePicture
{
    std::shared_ptr<const ImageData> image;
    QSizeF sizeMillimetres;
    bool isNull() const { return !image || sizeMillimetres.isEmpty(); }
};

// Turns an image file's bytes (JPEG, PNG, BMP, or an enhanced metafile such as Strilux
// writes) into a picture for AddPicture. Throws CelvaneError for anything else.
CelvanePicture CelvaneOlePicture(const QByteArray &bytes);
CelvanePicture CelvaneOlePicture(const QImage &image);

}  // namespace celvane
