#include "SiteFixture.h"
#include "UnusedImages.h"

namespace {

class UnusedImagesTest : public SiteFixture
{
protected:
    void addImage(int key, int kind, const QString &name)
    {
        execute({QStringLiteral("insert into IMGFL (IMCD, FLNM, FLTYP) values (%1, '%2', %3)")
                     .arg(key)
                     .arg(name)
                     .arg(kind)});
    }
    QStringList kept() { return committedColumn(QStringLiteral("select FLNM from IMGFL order by FLNM")); }
};

TEST_F(UnusedImagesTest, RemovesEveryUnusedRowAndKeepsEveryReferencedOne)
{
    execute({QStringLiteral("insert into SAGYOIN (KJCD, GYOCD, INCD, SDFL) values (1, 1, 1, 'worker.jpg')"),
             QStringLiteral("insert into GYOSYA (KJCD, GYOCD, APDT, SDFILE3, GJFILE2, SIGNFL)"
                            " values (1, 1, '2026/04/01', 'seal.jpg', 'permit.jpg', 'sign.jpg')"),
             QStringLiteral("insert into SHOKU (SHCD, SDFL) values (1, 'staff.jpg')"),
             QStringLiteral("insert into NMCARD (KSNO, KJCD, GYOCD, SDFL) values (1, 1, 1, 'card.jpg')"),
             QStringLiteral("insert into INSIKAKU (KJCD, GYOCD, INCD, YOBIS2) values (1, 1, 1, 'licence.jpg')")});
    // Two unused rows next to each other in key order, so that a walk that deletes as it
    // goes would step over the second.
    const QStringList names
        = {QStringLiteral("worker.jpg"), QStringLiteral("unused1.jpg"), QStringLiteral("unused2.jpg"),
           QStringLiteral("seal.jpg"),   QStringLiteral("permit.jpg"),  QStringLiteral("sign.jpg"),
           QStringLiteral("staff.jpg"),  QStringLiteral("card.jpg")};
    for (int i = 0; i < names.size(); ++i)
        addImage(i + 1, 0, names[i]);
    addImage(20, 1, QStringLiteral("licence.jpg"));
    addImage(21, 1, QStringLiteral("worker.jpg"));  // a certificate named like a photo in use

    EXPECT_EQ(UnusedImages::remove(data.IBTransaction1), 3);

    EXPECT_EQ(kept(),
              (QStringList{QStringLiteral("card.jpg"), QStringLiteral("licence.jpg"), QStringLiteral("permit.jpg"),
                           QStringLiteral("seal.jpg"), QStringLiteral("sign.jpg"), QStringLiteral("staff.jpg"),
                           QStringLiteral("worker.jpg")}));
    EXPECT_EQ(committedColumn(QStringLiteral("select FLTYP from IMGFL where FLNM = 'worker.jpg'")),
              QStringList{QStringLiteral("0")});
}

}  // namespace
