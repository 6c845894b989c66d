#include "DemoEquipment.h"

#include "DemoRowWriter.h"
#include "schema/SchemaDefinition.h"

#include <QStringList>

namespace {

QString u(const char *text)
{
    return QString::fromUtf8(text);
}

void writeVehicles(DemoRowWriter &w)
{
    w.insert("CARRY",
             {{"CMP1NM", u("株式会社丸山土木")},
              {"USECMPNM", u("株式会社丸山土木")},
              {"DAIRI", u("丸山 翔太")},
              {"STDT", u("2026/04/20")},
              {"FNDT", u("2027/02/26")},
              {"USRNM", u("株式会社丸山土木")},
              {"AZNM", u("丸山 孝")},
              {"CATTYP", u("いすゞ ギガ 10tダンプ（2PG-CXZ77CT）")},
              {"CARNO", u("札幌 100 あ 12-34")},
              {"LICST", u("2025/11/10")},
              {"LICFN", u("2026/11/09")},
              {"OPNM", u("丸山 翔太")},
              {"OPBNDT", u("1982/04/18")},
              {"OPADD", u("札幌市南区真駒内上町3丁目2-8")},
              {"OPLIC", u("大型自動車第一種運転免許")},
              {"OPLICNO", u("第 60 0412 7788 1 号")},
              {"DV1CMP", u("東京海上日動火災保険株式会社")},
              {"DV1NO", u("JB25-118832")},
              {"DV1ST", u("2025/11/10")},
              {"DV1FN", u("2027/11/10")},
              {"DV2CMP", u("損害保険ジャパン株式会社")},
              {"DV2NO", u("SJ-7730-4412")},
              {"DV2ST", u("2026/04/01")},
              {"DV2FN", u("2027/04/01")},
              {"ROOT", u("真駒内上町（自社ヤード）→ 国道453号 → 国道230号 → 川沿地区 現場")},
              {"CRDT", u("2026/04/15")},
              {"EDDT", u("2026/04/15")}},
             {{"KJCD", 1},
              {"GYOCD", 2},
              {"CRCD", 1},
              {"JYUNO", 1},
              {"USEUNUM", 1},
              {"DV2M1", 99999},
              {"DV2M2", 1000},
              {"DV2M3", 1000}});
    w.insert("CARRY",
             {{"CMP1NM", u("株式会社丸山土木")},
              {"USECMPNM", u("有限会社石狩重機")},
              {"DAIRI", u("石川 拓也")},
              {"STDT", u("2026/05/07")},
              {"FNDT", u("2026/12/25")},
              {"USRNM", u("有限会社石狩重機")},
              {"AZNM", u("石川 勝")},
              {"CATTYP", u("日野 プロフィア トラクタ＋低床セミトレーラ")},
              {"CARNO", u("札幌 130 さ 77-01")},
              {"LICST", u("2026/03/02")},
              {"LICFN", u("2027/03/01")},
              {"OPNM", u("石川 拓也")},
              {"OPBNDT", u("1979/10/30")},
              {"OPADD", u("石狩市花川北3条2丁目118")},
              {"OPLIC", u("大型特殊自動車運転免許")},
              {"OPLICNO", u("第 60 9876 5432 1 号")},
              {"DV1CMP", u("あいおいニッセイ同和損害保険株式会社")},
              {"DV1NO", u("AD-26-003317")},
              {"DV1ST", u("2026/03/02")},
              {"DV1FN", u("2027/04/02")},
              {"DV2CMP", u("あいおいニッセイ同和損害保険株式会社")},
              {"DV2NO", u("AD-N-558102")},
              {"DV2ST", u("2026/01/01")},
              {"DV2FN", u("2027/01/01")},
              {"ROOT", u("石狩市新港西（本社）→ 国道337号 → 国道231号 → 国道230号 → 川沿地区 現場")},
              {"CRDT", u("2026/05/01")},
              {"EDDT", u("2026/05/01")}},
             {{"KJCD", 1},
              {"GYOCD", 4},
              {"CRCD", 2},
              {"JYUNO", 2},
              {"USEUNUM", 2},
              {"DV2M1", 99999},
              {"DV2M2", 2000},
              {"DV2M3", 1000}});
}

void writeMachine(DemoRowWriter &w, int code, const QStringList &passed)
{
    const QString machine = QStringLiteral("KJCD = 1 and MCCD = %1").arg(code);
    w.update("KIKAI", machine, KikaiCheckColumns(), QStringLiteral("0"));
    w.update("KIKAI", machine, passed, QStringLiteral("1"));
}

// Both inspections of the listed items of one section passed.
QStringList passedBoth(char section, std::initializer_list<int> items)
{
    QStringList columns;
    for (int item : items) {
        for (char inspection : {'A', 'B'})
            columns << QStringLiteral("CHK%1_%2%3").arg(QLatin1Char(section)).arg(item).arg(QLatin1Char(inspection));
    }
    return columns;
}

void writeMachines(DemoRowWriter &w)
{
    w.insert("KIKAI",
             {{"CMP1NM", u("株式会社丸山土木")},
              {"HNDOWCMPNM", u("有限会社石狩重機")},
              {"HNDPRE", u("代表取締役 石川 勝")},
              {"HNDTEL", u("0133-64-1180")},
              {"USECMPNM", u("有限会社石狩重機")},
              {"USEPRE", u("石川 勝")},
              {"KKNM", u("バックホウ")},
              {"KKMK", u("コマツ")},
              {"KKSPEC", u("PC200-10 山積0.8m³")},
              {"MDYMD", u("2018")},
              {"KNRNO", u("IS-BH-07")},
              {"STDT", u("2026/05/07")},
              {"FNDT", u("2026/12/25")},
              {"USNM", u("道路改良工区 No.12～No.30")},
              {"DRV1", u("石川 拓也")},
              {"DRV1LS", u("車両系建設機械（整地・運搬・積込み用及び掘削用）運転技能講習")},
              {"DRV2", u("岩田 昇")},
              {"DRV2LS", u("車両系建設機械（整地・運搬・積込み用及び掘削用）運転技能講習")},
              {"TES1YMD", u("2027/03/31")},
              {"TES2YMD", u("2026/05/31")},
              {"TES3YMD", u("2027/01/15")},
              {"DVYMD", u("2027/03/31")},
              {"CAUTION", u("旋回範囲内立入禁止。バケットでの吊り作業は行わない。後退時は誘導員の合図に従う。")},
              {"JYUKG", u("重")},
              {"LBLSTDT", u("2026/05/01")},
              {"INDT", u("2026/05/07")},
              {"OUTDT", u("2026/12/25")},
              {"OWNCMP", u("有限会社石狩重機")},
              {"OWNPRE", u("石川 勝")},
              {"CHKYMD1", u("2026/05/01")},
              {"CHKER1", u("石川 拓也")},
              {"CHKYMD2", u("2026/05/07")},
              {"CHKER2", u("丸山 翔太")},
              {"CRDT", u("2026/05/01")},
              {"EDDT", u("2026/05/07")}},
             {{"KJCD", 1},
              {"GYOCD", 4},
              {"MCCD", 1},
              {"JYUNO", 1},
              {"HNDUNUM", 2},
              {"ISRS", 0},
              {"DV1", 99999},
              {"DV2", 1000},
              {"DV3", 500}});
    writeMachine(w, 1,
                 passedBoth('B', {1, 4, 5, 6, 7}) + passedBoth('D', {1, 2, 3, 7, 9, 10}) + passedBoth('E', {1, 2, 3, 7})
                     + passedBoth('F', {1, 2, 5, 7}));

    w.insert("KIKAI",
             {{"CMP1NM", u("株式会社丸山土木")},
              {"HNDOWCMPNM", u("有限会社石狩重機")},
              {"HNDPRE", u("代表取締役 石川 勝")},
              {"HNDTEL", u("0133-64-1180")},
              {"USECMPNM", u("有限会社石狩重機")},
              {"USEPRE", u("石川 勝")},
              {"KKNM", u("ラフテレーンクレーン")},
              {"KKMK", u("タダノ")},
              {"KKSPEC", u("GR-250N 25t吊")},
              {"MDYMD", u("2016")},
              {"KNRNO", u("IS-RC-02")},
              {"STDT", u("2026/06/01")},
              {"FNDT", u("2026/09/30")},
              {"USNM", u("排水構造物工 ボックスカルバート据付")},
              {"DRV1", u("石川 拓也")},
              {"DRV1LS", u("移動式クレーン運転士免許 玉掛け技能講習")},
              {"TES1YMD", u("2027/02/28")},
              {"TES2YMD", u("2026/06/30")},
              {"TES4YMD", u("2026/11/30")},
              {"TES5YMD", u("2026/10/31")},
              {"DVYMD", u("2027/03/31")},
              {"CAUTION", u("アウトリガ最大張出しで使用。作業半径内立入禁止。定格荷重表を運転席に掲示。")},
              {"JYUKG", u("重")},
              {"LBLSTDT", u("2026/05/25")},
              {"INDT", u("2026/06/01")},
              {"OUTDT", u("2026/09/30")},
              {"OWNCMP", u("有限会社石狩重機")},
              {"OWNPRE", u("石川 勝")},
              {"CHKYMD1", u("2026/05/25")},
              {"CHKER1", u("石川 拓也")},
              {"CRDT", u("2026/05/25")},
              {"EDDT", u("2026/05/25")}},
             {{"KJCD", 1},
              {"GYOCD", 4},
              {"MCCD", 2},
              {"JYUNO", 2},
              {"HNDUNUM", 2},
              {"ISRS", 1},
              {"DV1", 99999},
              {"DV2", 2000},
              {"DV3", 1000}});
    writeMachine(w, 2,
                 passedBoth('A', {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17})
                     + passedBoth('B', {1, 4, 6, 7, 8, 9, 11}));
}

void writeTools(DemoRowWriter &w)
{
    w.insert("KOUGU",
             {{"CMP1NM", u("株式会社丸山土木")},
              {"HNDOWCMPNM", u("千歳鉄筋工業所")},
              {"HNDPRE", u("代表 千葉 哲也")},
              {"HNDTEL", u("0123-27-3341")},
              {"KKNM1", u("鉄筋カッター")},
              {"SPEC1", u("D25まで")},
              {"SENO1", u("100V 1.3kW")},
              {"KNRNO1", u("CT-01")},
              {"STDT1", u("2026/06/01")},
              {"FNDT1", u("2026/11/30")},
              {"CHKRNM1", u("千葉 哲也")},
              {"USERNM1", u("千葉 哲也")},
              {"KKNM2", u("鉄筋ベンダー")},
              {"SPEC2", u("D22まで")},
              {"SENO2", u("100V 1.1kW")},
              {"KNRNO2", u("CT-02")},
              {"STDT2", u("2026/06/01")},
              {"FNDT2", u("2026/11/30")},
              {"CHKRNM2", u("千葉 哲也")},
              {"USERNM2", u("ファム ヴァン ナム")},
              {"KKNM3", u("ディスクグラインダー")},
              {"SPEC3", u("砥石径100mm")},
              {"SENO3", u("100V 0.7kW")},
              {"KNRNO3", u("CT-05")},
              {"STDT3", u("2026/06/01")},
              {"FNDT3", u("2026/11/30")},
              {"CHKRNM3", u("千葉 哲也")},
              {"USERNM3", u("ファム ヴァン ナム")},
              {"CHKYMD", u("2026/05/28")},
              {"CHK11_1", u("100MΩ")},
              {"CHK11_2", u("100MΩ")},
              {"CHK11_3", u("50MΩ")},
              {"CAUTION", u("使用前に漏電遮断器付きコードリールへ接続し、アース線を確認する。")},
              {"LBLSTDT", u("2026/05/28")},
              {"CRDT", u("2026/05/28")},
              {"EDDT", u("2026/05/28")}},
             {{"KJCD", 1}, {"GYOCD", 5}, {"KGCD", 1}, {"JYUNO", 1}, {"HNDUNUM", 2}});
    const QString tools = QStringLiteral("KJCD = 1 and KGCD = 1");
    w.update("KOUGU", tools,
             {QStringLiteral("CHK01"), QStringLiteral("CHK03"), QStringLiteral("CHK04"), QStringLiteral("CHK06"),
              QStringLiteral("CHK10"), QStringLiteral("CHK17"), QStringLiteral("CHK18")},
             QStringLiteral("'1110000000'"));
    w.update("KOUGU", tools,
             {QStringLiteral("CHK02"), QStringLiteral("CHK05"), QStringLiteral("CHK07"), QStringLiteral("CHK08"),
              QStringLiteral("CHK09"), QStringLiteral("CHK12"), QStringLiteral("CHK13"), QStringLiteral("CHK14"),
              QStringLiteral("CHK15"), QStringLiteral("CHK16"), QStringLiteral("CHK21"), QStringLiteral("CHK22"),
              QStringLiteral("CHK23"), QStringLiteral("CHK24"), QStringLiteral("CHK25"), QStringLiteral("CHK26")},
             QStringLiteral("'0000000000'"));
}

}  // namespace

void WriteDemoEquipment(DemoRowWriter &writer)
{
    writeVehicles(writer);
    writeMachines(writer);
    writeTools(writer);
}
