#pragma once

#include <QImage>
#include <QString>

// ZXingReader, the barcode reader of zxing-cpp, as the test's outside judge: the text of
// the one Code 39 symbol it finds in the image, empty when it finds none.
QString ReadCode39(const QImage &image);
