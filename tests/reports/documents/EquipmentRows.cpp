#include "EquipmentRows.h"

#include "demo/DemoRowWriter.h"
#include "db/Query.h"
#include "db/Transaction.h"

#include <QStringList>

namespace {

// Sets flag and text columns of one row that are too many to list in its insert.
void update(db::Transaction &transaction, const char *table, const QString &key, const QStringList &assignments)
{
    db::Query query(transaction);
    query.setSql(QStringLiteral("update %1 set %2 where KJCD=1 and %3")
                     .arg(QLatin1String(table), assignments.join(QLatin1Char(',')), key));
    query.exec();
}

// Every item of the machine checklist passed on the left side, the ones listed also on the right.
QStringList machineChecks(const QStringList &bothSides)
{
    QStringList assignments;
    const std::pair<char, int> groups[] = {{'A', 17}, {'B', 14}, {'C', 5}, {'D', 10}, {'E', 10}, {'F', 7}, {'G', 5}};
    for (const auto &[letter, items] : groups)
        for (int item = 1; item <= items; ++item)
            assignments << QStringLiteral("CHK%1_%2A=1").arg(QLatin1Char(letter)).arg(item);
    for (const QString &item : bothSides)
        assignments << QStringLiteral("CHK%1B=1").arg(item);
    return assignments;
}

void writeVehicles(DemoRowWriter &writer)
{
    writer.insert("CARRY",
                  {{"CMP1NM", QStringLiteral("株式会社丸山土木")},
                   {"USECMPNM", QStringLiteral("株式会社丸山土木")},
                   {"DAIRI", QStringLiteral("丸山 孝")},
                   {"STDT", QStringLiteral("2026/05/07")},
                   {"FNDT", QStringLiteral("2027/03/19")},
                   {"USRNM", QStringLiteral("株式会社丸山土木")},
                   {"AZNM", QStringLiteral("丸山 翔太")},
                   {"CATTYP", QStringLiteral("トヨタ ハイエース（QDF-GDH201V）")},
                   {"CARNO", QStringLiteral("札幌 400 さ 12-34")},
                   {"LICST", QStringLiteral("2024/07/01")},
                   {"LICFN", QStringLiteral("2029/08/18")},
                   {"OPNM", QStringLiteral("丸山 翔太")},
                   {"OPBNDT", QStringLiteral("1982/04/18")},
                   {"OPADD", QStringLiteral("札幌市南区真駒内上町3丁目2-8")},
                   {"OPLIC", QStringLiteral("中型自動車")},
                   {"OPLICNO", QStringLiteral("第 6012 3456 7890 号")},
                   {"DV1CMP", QStringLiteral("損害保険ジャパン")},
                   {"DV1NO", QStringLiteral("AB-5512034")},
                   {"DV1ST", QStringLiteral("2026/04/01")},
                   {"DV1FN", QStringLiteral("2027/03/31")},
                   {"DV2CMP", QStringLiteral("東京海上日動火災保険")},
                   {"DV2NO", QStringLiteral("T-77810293")},
                   {"DV2ST", QStringLiteral("2026/04/01")},
                   {"DV2FN", QStringLiteral("2027/03/31")},
                   {"ROOT", QStringLiteral("本社 → 国道230号 → 石山通 → 現場（約 12 km）")}},
                  {{"KJCD", 1},
                   {"GYOCD", 2},
                   {"CRCD", 1},
                   {"JYUNO", 1},
                   {"USEUNUM", 1},
                   {"DV2M1", 0},
                   {"DV2M2", 10000},
                   {"DV2M3", 50}});
    // A commuting car of the second tier, without voluntary insurance.
    writer.insert("CARRY",
                  {{"CMP1NM", QStringLiteral("株式会社丸山土木")},
                   {"USECMPNM", QStringLiteral("有限会社石狩重機")},
                   {"DAIRI", QStringLiteral("石川 勝")},
                   {"STDT", QStringLiteral("2026/06/01")},
                   {"FNDT", QStringLiteral("2026/11/30")},
                   {"USRNM", QStringLiteral("石川 大輔")},
                   {"AZNM", QStringLiteral("石川 大輔")},
                   {"CATTYP", QStringLiteral("スズキ ジムニー")},
                   {"CARNO", QStringLiteral("札幌 580 ひ 56-78")},
                   {"OPNM", QStringLiteral("石川 大輔")},
                   {"OPBNDT", QStringLiteral("1991/11/02")},
                   {"OPADD", QStringLiteral("石狩市花川南7条3丁目21")},
                   {"OPLIC", QStringLiteral("普通自動車")},
                   {"DV1CMP", QStringLiteral("あいおいニッセイ同和損保")},
                   {"DV1NO", QStringLiteral("K-3300981")},
                   {"DV1ST", QStringLiteral("2026/02/10")},
                   {"DV1FN", QStringLiteral("2028/02/09")},
                   {"ROOT", QStringLiteral("自宅 → 札樽道 → 札幌南IC → 現場")}},
                  {{"KJCD", 1}, {"GYOCD", 4}, {"CRCD", 2}, {"JYUNO", 2}, {"USEUNUM", 2}});
}

void writeMachine(DemoRowWriter &writer, int gyoCode, int code, const QString &firstTier, const QString &company,
                  int tier, const QString &kind, const QString &maker, const QString &model, const QString &sign,
                  int number, const QString &in, const QString &out)
{
    writer.insert("KIKAI",
                  {{"CMP1NM", firstTier},
                   {"HNDOWCMPNM", company},
                   {"HNDPRE", QStringLiteral("現場代理人")},
                   {"HNDTEL", QStringLiteral("011-581-2231")},
                   {"USECMPNM", company},
                   {"USEPRE", QStringLiteral("職長")},
                   {"KKNM", kind},
                   {"KKMK", maker},
                   {"KKSPEC", model},
                   {"MDYMD", QStringLiteral("2019")},
                   {"KNRNO", QStringLiteral("M-%1").arg(code, 3, 10, QLatin1Char('0'))},
                   {"STDT", in},
                   {"FNDT", out.isEmpty() ? QStringLiteral("2027/03/19") : out},
                   {"USNM", QStringLiteral("土砂の掘削・積込み")},
                   {"DRV1", QStringLiteral("石川 大輔")},
                   {"DRV1LS", QStringLiteral("車両系建設機械（整地等）運転技能講習")},
                   {"TES1YMD", QStringLiteral("2026/03/15")},
                   {"DVYMD", QStringLiteral("2026/04/01")},
                   {"DV4TYP", code == 1 ? QString() : QStringLiteral("動産総合保険")},
                   {"CAUTION", QStringLiteral("作業半径内立入禁止、誘導員の合図で作業する。")},
                   {"JYUKG", sign},
                   {"LBLSTDT", in},
                   {"INDT", in},
                   {"OUTDT", out},
                   {"OWNCMP", QStringLiteral("北海道建機リース株式会社")},
                   {"OWNPRE", QStringLiteral("所長 佐藤 健")},
                   {"CHKCMT1", QStringLiteral("バケット爪摩耗 要観察")},
                   {"CHKYMD1", in},
                   {"CHKER1", QStringLiteral("高橋 誠")},
                   {"CHKYMD2", in},
                   {"CHKER2", QStringLiteral("石川 勝")}},
                  {{"KJCD", 1},
                   {"GYOCD", gyoCode},
                   {"MCCD", code},
                   {"HNDUNUM", tier},
                   {"ISRS", code == 2 ? 0 : 1},
                   {"DV1", 1},
                   {"DV2", 1},
                   {"DV3", 0},
                   {"DV4", 1},
                   {"JYUNO", number}});
}

void writeMachines(DemoRowWriter &writer, db::Transaction &transaction)
{
    writeMachine(writer, 4, 1, QStringLiteral("株式会社丸山土木"), QStringLiteral("有限会社石狩重機"), 2,
                 QStringLiteral("バックホウ"), QStringLiteral("コマツ"), QStringLiteral("PC200-10 0.8m³"),
                 QStringLiteral("A"), 12, QStringLiteral("2026/05/07"), {});
    writeMachine(writer, 3, 2, QStringLiteral("道央舗装株式会社"), QStringLiteral("道央舗装株式会社"), 1,
                 QStringLiteral("タイヤローラ"), QStringLiteral("酒井重工業"), QStringLiteral("TZ701 8～20t"),
                 QStringLiteral("B"), 3, QStringLiteral("2026/06/15"), QStringLiteral("2026/09/30"));
    writeMachine(writer, 6, 3, QStringLiteral("株式会社丸山土木"), QStringLiteral("株式会社北斗オペレーション"), 3,
                 QStringLiteral("ラフテレーンクレーン"), QStringLiteral("タダノ"), QStringLiteral("GR-250N 25t吊"),
                 QStringLiteral("A"), 13, QStringLiteral("2026/07/01"), {});
    update(transaction, "KIKAI", QStringLiteral("MCCD=1"),
           machineChecks({QStringLiteral("A_3"), QStringLiteral("D_2")}));
    update(transaction, "KIKAI", QStringLiteral("MCCD=3"), machineChecks({QStringLiteral("G_5")}));
}

void writeTools(DemoRowWriter &writer, db::Transaction &transaction)
{
    writer.insert("KOUGU",
                  {{"CMP1NM", QStringLiteral("株式会社丸山土木")},
                   {"HNDOWCMPNM", QStringLiteral("株式会社丸山土木")},
                   {"HNDPRE", QStringLiteral("代表取締役 丸山 孝")},
                   {"HNDTEL", QStringLiteral("011-581-2231")},
                   {"USECMPNM", QStringLiteral("株式会社丸山土木")},
                   {"KKNM1", QStringLiteral("ディスクグラインダー")},
                   {"SPEC1", QStringLiteral("100mm 100V")},
                   {"SENO1", QStringLiteral("G10-55821")},
                   {"KNRNO1", QStringLiteral("T-01")},
                   {"STDT1", QStringLiteral("2026/05/07")},
                   {"FNDT1", QStringLiteral("2027/03/19")},
                   {"CHKRNM1", QStringLiteral("丸山 翔太")},
                   {"USERNM1", QStringLiteral("丸山 翔太")},
                   {"KKNM2", QStringLiteral("電動ハンマー")},
                   {"SPEC2", QStringLiteral("1,100W 100V")},
                   {"SENO2", QStringLiteral("HM-20931")},
                   {"KNRNO2", QStringLiteral("T-02")},
                   {"STDT2", QStringLiteral("2026/05/07")},
                   {"FNDT2", QStringLiteral("2027/03/19")},
                   {"CHKRNM2", QStringLiteral("丸山 翔太")},
                   {"USERNM2", QStringLiteral("佐々木 亮")},
                   {"KKNM3", QStringLiteral("交流アーク溶接機")},
                   {"SPEC3", QStringLiteral("200A 200V 自動電撃防止装置付")},
                   {"SENO3", QStringLiteral("AW-7781")},
                   {"KNRNO3", QStringLiteral("T-03")},
                   {"STDT3", QStringLiteral("2026/06/01")},
                   {"FNDT3", QStringLiteral("2026/12/25")},
                   {"CHKRNM3", QStringLiteral("丸山 翔太")},
                   {"USERNM3", QStringLiteral("丸山 翔太")},
                   {"CAUTION", QStringLiteral("使用前に漏電遮断器の作動を確認すること。")},
                   {"LBLSTDT", QStringLiteral("2026/05/07")},
                   {"CHKYMD", QStringLiteral("2026/05/07")}},
                  {{"KJCD", 1}, {"GYOCD", 2}, {"KGCD", 1}, {"JYUNO", 5}});
    QStringList checks;
    for (int row = 1; row <= 18; ++row)
        if (row != 11)
            checks << QStringLiteral("CHK%1='%2'")
                          .arg(row, 2, 10, QLatin1Char('0'))
                          .arg(QLatin1String(row == 7 ? "001" : "111"));
    checks << QStringLiteral("CHK11_1='良'") << QStringLiteral("CHK11_2='良'") << QStringLiteral("CHK11_3='良'")
           << QStringLiteral("CHKNM21='アース線の接続'") << QStringLiteral("CHK21='001'");
    update(transaction, "KOUGU", QStringLiteral("KGCD=1"), checks);
}

}  // namespace

void ReplaceEquipment(db::Transaction &transaction)
{
    for (const char *table : {"CARRY", "KIKAI", "KOUGU"}) {
        db::Query query(transaction);
        query.setSql(QStringLiteral("delete from %1 where KJCD = 1").arg(QLatin1String(table)));
        query.exec();
    }
    DemoRowWriter writer(transaction);
    writeVehicles(writer);
    writeMachines(writer, transaction);
    writeTools(writer, transaction);
    transaction.commitRetaining();
}
