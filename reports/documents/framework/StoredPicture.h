#pragma once

#include <QSizeF>
#include <QString>

class TDataModule1;

namespace sorvik::documents {

class MarkerWriter;

// Puts a picture of the image store (a photo, a certificate) into a document, fitted into
// the box at the marker cell. When there is no such stored file, or it is no picture that
// can be read, the cell says "NO PRINTING" and the document goes on. The stored bytes are
// read straight from the store: a scratch copy of every picture, each written safely to
// disk, made a hundred cards wait seconds on the disk.
class StoredPicture
{
public:
    explicit StoredPicture(TDataModule1 &data);

    // Nothing happens for an empty file name (the column is null).
    void place(MarkerWriter &writer, const QString &marker, const QString &fileName, const QSizeF &box,
               int columnOffset = 0, int rowOffset = 0);

    static inline const QString NotPrinted = QStringLiteral("NO PRINTING");

private:
    TDataModule1 &m_data;
};

}  // namespace sorvik::documents
