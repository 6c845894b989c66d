#include "DemoRosterPrints.h"

#include "DemoCanvas.h"
#include "DemoWorker.h"
#include "data/ImageStore.h"
#include "db/Error.h"
#include "db/Query.h"
#include "db/Transaction.h"

#include <algorithm>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

using Color = DemoCanvas::Color;

// A head-and-shoulders photo in work clothes; `seed` varies the person.
QByteArray portrait(int seed)
{
    static const Color backgrounds[] = {{196, 214, 232}, {210, 222, 210}, {226, 220, 206}, {204, 206, 222}};
    static const Color skins[] = {{236, 200, 170}, {222, 184, 150}, {242, 210, 184}, {210, 170, 136}};
    static const Color hair[] = {{30, 26, 24}, {58, 44, 36}, {90, 86, 84}, {20, 20, 22}};
    static const Color clothes[] = {{38, 52, 96}, {96, 100, 104}, {150, 132, 88}, {212, 110, 40}};
    const Color skin = skins[seed % 4];
    DemoCanvas photo(240, 300, backgrounds[seed % 4]);
    photo.verticalGradient(backgrounds[seed % 4], {250, 250, 250});
    photo.fillEllipse(10, 206, 220, 190, clothes[(seed / 2) % 4]);
    photo.fillRect(100, 200, 40, 30, skin);
    photo.fillEllipse(66, 50, 108, 150, skin);
    photo.fillEllipse(60, 36, 120, 70, hair[(seed / 3) % 4]);
    photo.fillEllipse(92, 112, 14, 9, {40, 36, 34});
    photo.fillEllipse(134, 112, 14, 9, {40, 36, 34});
    photo.fillRect(104, 164, 32, 5, {170, 96, 90});
    return photo.toJpeg();
}

// A licence or training certificate card: coloured by kind, a heading band, the holder's
// photo and the printed lines.
QByteArray certificate(int kind, int seed)
{
    static const Color faces[] = {{214, 236, 214}, {250, 244, 220}, {226, 236, 250}};
    static const Color bands[] = {{40, 110, 60}, {150, 90, 30}, {40, 70, 140}};
    const int k = std::clamp(kind - 1, 0, 2);
    DemoCanvas card(640, 384, {255, 255, 255});
    card.fillRect(8, 8, 624, 368, faces[k]);
    card.fillRect(8, 8, 624, 56, bands[k]);
    card.fillRect(200, 24, 240, 24, {255, 255, 255});
    for (int line = 0; line < 6; ++line)
        card.fillRect(32, 96 + line * 42, 300 + (seed * 37 + line * 53) % 120, 14, {110, 110, 116});
    card.fillRect(488, 100, 120, 150, {200, 200, 200});
    card.fillEllipse(508, 116, 80, 100, {236, 200, 170});
    card.fillEllipse(500, 196, 96, 80, {38, 52, 96});
    card.fillEllipse(506, 104, 84, 46, {30, 26, 24});
    card.fillEllipse(560, 290, 56, 56, {200, 40, 40});
    return card.toJpeg();
}

class PictureStore
{
public:
    explicit PictureStore(db::Transaction &transaction)
        : m_store(transaction)
    {
        if (!m_folder.isValid())
            throw db::Error(QStringLiteral("デモの画像を作る作業フォルダを作れません"));
    }

    QString store(int kind, const QByteArray &jpeg)
    {
        const QString path = m_folder.filePath(QStringLiteral("demo.jpg"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(jpeg) != jpeg.size())
            throw db::Error(QStringLiteral("デモの画像を書けません: ") + path);
        file.close();
        return m_store.StoreImageFile(kind, path);
    }

private:
    QTemporaryDir m_folder;
    ImageStore m_store;
};

// 北斗オペレーション's crane operator, with more qualifications than one card holds.
const DemoWorker veteran{
    6,
    "株式会社北斗オペレーション",
    "大森 正和",
    "おおもり まさかず",
    "1966/08/09",
    "オペ",
    "職,作",
    "江別市野幌町55-3",
    "090-7781-2045",
    "1985/04/01",
    40,
    "AB",
    84,
    138,
    false,
    {{1, "大特", "大型特殊自動車運転免許", "第 60 1357 2468 0 号", "1986/07/14"},
     {1, "大型", "大型自動車運転免許", "第 60 1357 2468 0 号", "1988/03/02"},
     {1, "移ク", "移動式クレーン運転士免許", "第 3307 号", "1991/11/20"},
     {1, "クレ", "クレーン・デリック運転士免許", "第 5120 号", "1995/06/09"},
     {2, "玉掛", "玉掛け技能講習", "第 87-2210 号", "1987/09/25"},
     {2, "車両系", "車両系建設機械（整地・運搬・積込み用及び掘削用）運転技能講習", "第 86-0931 号", "1986/10/17"},
     {2, "小移ク", "小型移動式クレーン運転技能講習", "第 90-1144 号", "1990/05/11"},
     {2, "高所", "高所作業車運転技能講習", "第 01-0388 号", "2001/08/03"},
     {2, "地山主", "地山の掘削及び土止め支保工作業主任者技能講習", "第 04-1720 号", "2004/02/13"},
     {3, "低圧", "低圧電気取扱業務特別教育", "第 L-0716 号", "2009/06/26"},
     {3, "フルハ", "フルハーネス型墜落制止用器具使用作業特別教育", "第 F-1188 号", "2019/10/04"},
     {3, "職長", "職長・安全衛生責任者教育", "第 1290 号", "1999/04/22"}}};

// Every worker of the road project gets a photo and a mutual-aid number; every
// qualification a certificate picture, and a licence its expiry date.
void addPictures(db::Transaction &transaction)
{
    PictureStore pictures(transaction);
    db::Query read(transaction);
    db::Query write(transaction);
    read.setSql(QStringLiteral("Select GYOCD, INCD from SAGYOIN where KJCD = 1 order by GYOCD, INCD"));
    QList<QPair<int, int>> workers;
    for (read.open(); !read.eof(); read.next())
        workers.append({read.field(0).asInt(), read.field(1).asInt()});
    read.close();
    int seed = 0;
    for (const auto &[gyoCode, workerCode] : workers) {
        write.setSql(
            QStringLiteral("Update SAGYOIN set SDFL = ?, KYONO = ? where KJCD = 1 and GYOCD = ? and INCD = ?"));
        write.setParam(0, pictures.store(0, portrait(seed)));
        write.setParam(
            1, QStringLiteral("%1-%2").arg(41 + gyoCode).arg(300017 + seed * 7919 % 600000, 6, 10, QLatin1Char('0')));
        write.setParam(2, gyoCode);
        write.setParam(3, workerCode);
        write.exec();
        ++seed;
    }

    read.setSql(QStringLiteral("Select INNO, KBN, SKDT, YOBIS1 from INSIKAKU where KJCD = 1 order by INNO"));
    struct Row
    {
        int number, kind;
        QString issued, expires;
    };
    QList<Row> rows;
    for (read.open(); !read.eof(); read.next())
        rows.append({read.field(0).asInt(), read.field(1).asInt(), read.field(2).asString(), read.field(3).asString()});
    read.close();
    for (const Row &row : rows) {
        const QString expires = row.kind == 1
            ? QStringLiteral("2029/%1/31").arg(3 + row.number % 2 * 4, 2, 10, QLatin1Char('0'))
            : QString();
        write.setSql(QStringLiteral("Update INSIKAKU set YOBIS1 = ?, YOBIS2 = ? where INNO = ?"));
        write.setParam(0, expires.isEmpty() ? QVariant() : QVariant(expires));
        write.setParam(1, pictures.store(1, certificate(row.kind, row.number)));
        write.setParam(2, row.number);
        write.exec();
    }
}

}  // namespace

void WriteDemoRosterPrints(DemoRowWriter &writer, db::Transaction &transaction)
{
    WriteDemoWorker(writer, veteran, 2);
    addPictures(transaction);
}
