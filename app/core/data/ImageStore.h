#pragma once

#include <QByteArray>
#include <QString>

namespace db {
class Transaction;
}

// The image store: every photo, seal and certificate image is one IMGFL row holding the
// file's bytes under a name made from the generator gen_imcd; other tables keep only the
// name. Windows extract a stored file into a scratch folder to show or print it.
//
// The names: "KAO" for kind 0 (persons, companies, staff), "GAZ" for kind 1
// (certificates), the number as at least five digits, ".JPG". The generator is advanced
// once per stored file and the row's own key comes from the same generator, so numbers
// grow with gaps and a name is never given twice.
class ImageStore
{
public:
    explicit ImageStore(db::Transaction &transaction);

    // Stores the file at `path` as a new image of `kind` and returns its name; empty
    // (nothing stored) when the file does not exist. The row is written on the shared
    // transaction and becomes permanent with the caller's next commit. A file that exists
    // but cannot be read, and database failures, raise db::Error.
    QString StoreImageFile(int kind, const QString &path);

    // Writes the stored file `fileName` into `folder`, replacing a regular file of that
    // name. False for an empty name; true otherwise, also when no such image is stored
    // (then nothing is written). A name that is not a bare file name (a path, "..") and a
    // file that cannot be written raise db::Error; nothing is ever written outside
    // `folder`, nor through a link in it.
    bool FetchImageFile(const QString &fileName, const QString &folder);

    // A name of a file inside a folder: no '/' or '\', not "." or "..", no control characters.
    static bool IsBareFileName(const QString &fileName);

    // The bytes of the stored file `fileName`; empty when no such image is stored. For
    // documents, which place pictures without writing them to a scratch folder first.
    QByteArray ImageBytes(const QString &fileName);

    // "KAO00012.JPG" for kind 0 and number 12.
    static QString ImageFileName(int kind, qint64 number);

private:
    qint64 nextGeneratorValue();

    db::Transaction &m_transaction;
};
