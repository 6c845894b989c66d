#pragma once

#include <QSizeF>
#include <QString>

class TDataModule1;

namespace sorvik::documents {

class MarkerWriter;

// Puts a picture of the image store (a photo, a certificate) into a document: the stored
// file is written into the scratch folder, read as a picture and fitted into the box at
// the marker cell. When there is no such file, or it is no picture that can be read, the
// cell says "NO PRINTING" and the document goes on.
class StoredPicture
{
public:
    StoredPicture(TDataModule1 &data, const QString &scratchFolder);

    // Nothing happens for an empty file name (the column is null).
    void place(MarkerWriter &writer, const QString &marker, const QString &fileName, const QSizeF &box,
               int columnOffset = 0, int rowOffset = 0);

    static inline const QString NotPrinted = QStringLiteral("NO PRINTING");

private:
    TDataModule1 &m_data;
    QString m_folder;
};

}  // namespace sorvik::documents
