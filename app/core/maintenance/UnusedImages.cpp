#include "UnusedImages.h"

#include "db/Error.h"
#include "db/Query.h"
#include "db/Transaction.h"

#include <QSet>
#include <QString>
#include <QStringList>

namespace {

const char *const PhotoReferences = "select SDFL from SAGYOIN"
                                    " union select SDFILE1 from GYOSYA union select SDFILE2 from GYOSYA"
                                    " union select SDFILE3 from GYOSYA union select SDFILE4 from GYOSYA"
                                    " union select GJFILE1 from GYOSYA union select GJFILE2 from GYOSYA"
                                    " union select SIGNFL from GYOSYA"
                                    " union select SDFL from SHOKU union select SDFL from NMCARD";
const char *const CertificateReferences = "select distinct YOBIS2 from INSIKAKU";

QSet<QString> names(db::Transaction &transaction, const char *sql)
{
    QSet<QString> result;
    db::Query query(transaction);
    query.setSql(QLatin1String(sql));
    for (query.open(); !query.eof(); query.next())
        result.insert(query.field(0).asString());
    return result;
}

// Keys of the rows of `kind` whose name is not in `inUse`.
QList<int> unusedKeys(db::Transaction &transaction, int kind, const QSet<QString> &inUse)
{
    QList<int> keys;
    db::Query query(transaction);
    query.setSql(QStringLiteral("select IMCD, FLNM from IMGFL where FLTYP = %1").arg(kind));
    for (query.open(); !query.eof(); query.next()) {
        const QString name = query.field(1).asString();
        if (name.isEmpty() || !inUse.contains(name))
            keys << query.field(0).asInt();
    }
    return keys;
}

}  // namespace

int UnusedImages::remove(db::Transaction &transaction)
{
    try {
        const QList<int> unused = unusedKeys(transaction, 0, names(transaction, PhotoReferences))
            + unusedKeys(transaction, 1, names(transaction, CertificateReferences));
        db::Query remove(transaction);
        remove.setSql(QStringLiteral("delete from IMGFL where IMCD = ?"));
        for (int key : unused) {
            remove.setParam(0, key);
            remove.exec();
        }
        if (transaction.isActive())
            transaction.commitRetaining();
        return int(unused.size());
    } catch (const db::Error &) {
        transaction.rollbackRetaining();
        throw;
    }
}
