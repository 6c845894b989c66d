#include "DemoEquipment.h"

#include "DemoRowWriter.h"
#include "schema/SchemaDefinition.h"

#include <QStringList>

namespace {

QString u(const char *text)
{
    return QString::fromUtf8(text);
}

// A vehicle of a contractor of the road project, whose first tier is 株式会社丸山土木; its
// owner is the company bringing it in, and it was last edited the day it was entered.
struct Vehicle
{
    int gyo, code, tier;
    const char *company, *agent, *from, *to, *safetyManager, *type, *number, *inspectedFrom, *inspectedTo;
    const char *driver, *born, *address, *licence, *licenceNumber;
    const char *compulsoryInsurer, *compulsoryPolicy, *compulsoryFrom, *compulsoryTo;
    const char *voluntaryInsurer, *voluntaryPolicy, *voluntaryFrom, *voluntaryTo;
    int perPerson, perProperty, perPassenger;
    const char *route, *entered;
};

void writeVehicle(DemoRowWriter &w, const Vehicle &v)
{
    w.insert("CARRY",
             {{"CMP1NM", u("株式会社丸山土木")},
              {"USECMPNM", u(v.company)},
              {"DAIRI", u(v.agent)},
              {"STDT", u(v.from)},
              {"FNDT", u(v.to)},
              {"USRNM", u(v.company)},
              {"AZNM", u(v.safetyManager)},
              {"CATTYP", u(v.type)},
              {"CARNO", u(v.number)},
              {"LICST", u(v.inspectedFrom)},
              {"LICFN", u(v.inspectedTo)},
              {"OPNM", u(v.driver)},
              {"OPBNDT", u(v.born)},
              {"OPADD", u(v.address)},
              {"OPLIC", u(v.licence)},
              {"OPLICNO", u(v.licenceNumber)},
              {"DV1CMP", u(v.compulsoryInsurer)},
              {"DV1NO", u(v.compulsoryPolicy)},
              {"DV1ST", u(v.compulsoryFrom)},
              {"DV1FN", u(v.compulsoryTo)},
              {"DV2CMP", u(v.voluntaryInsurer)},
              {"DV2NO", u(v.voluntaryPolicy)},
              {"DV2ST", u(v.voluntaryFrom)},
              {"DV2FN", u(v.voluntaryTo)},
              {"ROOT", u(v.route)},
              {"CRDT", u(v.entered)},
              {"EDDT", u(v.entered)}},
             {{"KJCD", 1},
              {"GYOCD", v.gyo},
              {"CRCD", v.code},
              {"JYUNO", v.code},
              {"USEUNUM", v.tier},
              {"DV2M1", v.perPerson},
              {"DV2M2", v.perProperty},
              {"DV2M3", v.perPassenger}});
}

void writeVehicles(DemoRowWriter &w)
{
    const Vehicle vehicles[] = {
        {.gyo = 2,
         .code = 1,
         .tier = 1,
         .company = "株式会社丸山土木",
         .agent = "丸山 翔太",
         .from = "2026/04/20",
         .to = "2027/02/26",
         .safetyManager = "丸山 孝",
         .type = "いすゞ ギガ 10tダンプ（2PG-CXZ77CT）",
         .number = "札幌 100 あ 12-34",
         .inspectedFrom = "2025/11/10",
         .inspectedTo = "2026/11/09",
         .driver = "丸山 翔太",
         .born = "1982/04/18",
         .address = "札幌市南区真駒内上町3丁目2-8",
         .licence = "大型自動車第一種運転免許",
         .licenceNumber = "第 60 0412 7788 1 号",
         .compulsoryInsurer = "東京海上日動火災保険株式会社",
         .compulsoryPolicy = "JB25-118832",
         .compulsoryFrom = "2025/11/10",
         .compulsoryTo = "2027/11/10",
         .voluntaryInsurer = "損害保険ジャパン株式会社",
         .voluntaryPolicy = "SJ-7730-4412",
         .voluntaryFrom = "2026/04/01",
         .voluntaryTo = "2027/04/01",
         .perPerson = 99999,
         .perProperty = 1000,
         .perPassenger = 1000,
         .route = "真駒内上町（自社ヤード）→ 国道453号 → 国道230号 → 川沿地区 現場",
         .entered = "2026/04/15"},
        {.gyo = 4,
         .code = 2,
         .tier = 2,
         .company = "有限会社石狩重機",
         .agent = "石川 拓也",
         .from = "2026/05/07",
         .to = "2026/12/25",
         .safetyManager = "石川 勝",
         .type = "日野 プロフィア トラクタ＋低床セミトレーラ",
         .number = "札幌 130 さ 77-01",
         .inspectedFrom = "2026/03/02",
         .inspectedTo = "2027/03/01",
         .driver = "石川 拓也",
         .born = "1979/10/30",
         .address = "石狩市花川北3条2丁目118",
         .licence = "大型特殊自動車運転免許",
         .licenceNumber = "第 60 9876 5432 1 号",
         .compulsoryInsurer = "あいおいニッセイ同和損害保険株式会社",
         .compulsoryPolicy = "AD-26-003317",
         .compulsoryFrom = "2026/03/02",
         .compulsoryTo = "2027/04/02",
         .voluntaryInsurer = "あいおいニッセイ同和損害保険株式会社",
         .voluntaryPolicy = "AD-N-558102",
         .voluntaryFrom = "2026/01/01",
         .voluntaryTo = "2027/01/01",
         .perPerson = 99999,
         .perProperty = 2000,
         .perPassenger = 1000,
         .route = "石狩市新港西（本社）→ 国道337号 → 国道231号 → 国道230号 → 川沿地区 現場",
         .entered = "2026/05/01"},
    };
    for (const Vehicle &vehicle : vehicles)
        writeVehicle(w, vehicle);
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

// A machine 有限会社石狩重機 owns and brings in; used on site from its arrival to its
// removal, and inspected on the listed items.
struct Machine
{
    using Text = const char *;
    int code = 0;
    int leased = 0;
    Text name = "", maker = "", model = "", made = "", number = "", arrival = "", removal = "", place = "";
    Text operatorName = "", operatorLicences = "", deputy = "", deputyLicences = "";
    Text yearly = "", monthly = "", specific = "", performance = "", vehicle = "", insurance = "";
    int perPerson = 0;
    int perProperty = 0;
    int perPassenger = 0;
    Text caution = "", accepted = "", firstCheck = "", firstChecker = "", secondCheck = "", secondChecker = "";
    Text entered = "", edited = "";
    QStringList passed;
};

const char excavatorLicence[] = "車両系建設機械（整地・運搬・積込み用及び掘削用）運転技能講習";

void writeMachine(DemoRowWriter &w, const Machine &m)
{
    w.insert("KIKAI",
             {{"CMP1NM", u("株式会社丸山土木")},
              {"HNDOWCMPNM", u("有限会社石狩重機")},
              {"HNDPRE", u("代表取締役 石川 勝")},
              {"HNDTEL", u("0133-64-1180")},
              {"USECMPNM", u("有限会社石狩重機")},
              {"USEPRE", u("石川 勝")},
              {"KKNM", u(m.name)},
              {"KKMK", u(m.maker)},
              {"KKSPEC", u(m.model)},
              {"MDYMD", u(m.made)},
              {"KNRNO", u(m.number)},
              {"STDT", u(m.arrival)},
              {"FNDT", u(m.removal)},
              {"USNM", u(m.place)},
              {"DRV1", u(m.operatorName)},
              {"DRV1LS", u(m.operatorLicences)},
              {"DRV2", u(m.deputy)},
              {"DRV2LS", u(m.deputyLicences)},
              {"TES1YMD", u(m.yearly)},
              {"TES2YMD", u(m.monthly)},
              {"TES3YMD", u(m.specific)},
              {"TES4YMD", u(m.performance)},
              {"TES5YMD", u(m.vehicle)},
              {"DVYMD", u(m.insurance)},
              {"CAUTION", u(m.caution)},
              {"JYUKG", u("重")},
              {"LBLSTDT", u(m.accepted)},
              {"INDT", u(m.arrival)},
              {"OUTDT", u(m.removal)},
              {"OWNCMP", u("有限会社石狩重機")},
              {"OWNPRE", u("石川 勝")},
              {"CHKYMD1", u(m.firstCheck)},
              {"CHKER1", u(m.firstChecker)},
              {"CHKYMD2", u(m.secondCheck)},
              {"CHKER2", u(m.secondChecker)},
              {"CRDT", u(m.entered)},
              {"EDDT", u(m.edited)}},
             {{"KJCD", 1},
              {"GYOCD", 4},
              {"MCCD", m.code},
              {"JYUNO", m.code},
              {"HNDUNUM", 2},
              {"ISRS", m.leased},
              {"DV1", m.perPerson},
              {"DV2", m.perProperty},
              {"DV3", m.perPassenger}});
    const QString machine = QStringLiteral("KJCD = 1 and MCCD = %1").arg(m.code);
    w.update("KIKAI", machine, KikaiCheckColumns(), QStringLiteral("0"));
    w.update("KIKAI", machine, m.passed, QStringLiteral("1"));
}

void writeMachines(DemoRowWriter &w)
{
    const Machine machines[] = {
        {.code = 1,
         .leased = 0,
         .name = "バックホウ",
         .maker = "コマツ",
         .model = "PC200-10 山積0.8m³",
         .made = "2018",
         .number = "IS-BH-07",
         .arrival = "2026/05/07",
         .removal = "2026/12/25",
         .place = "道路改良工区 No.12～No.30",
         .operatorName = "石川 拓也",
         .operatorLicences = excavatorLicence,
         .deputy = "岩田 昇",
         .deputyLicences = excavatorLicence,
         .yearly = "2027/03/31",
         .monthly = "2026/05/31",
         .specific = "2027/01/15",
         .insurance = "2027/03/31",
         .perPerson = 99999,
         .perProperty = 1000,
         .perPassenger = 500,
         .caution = "旋回範囲内立入禁止。バケットでの吊り作業は行わない。後退時は誘導員の合図に従う。",
         .accepted = "2026/05/01",
         .firstCheck = "2026/05/01",
         .firstChecker = "石川 拓也",
         .secondCheck = "2026/05/07",
         .secondChecker = "丸山 翔太",
         .entered = "2026/05/01",
         .edited = "2026/05/07",
         .passed = passedBoth('B', {1, 4, 5, 6, 7}) + passedBoth('D', {1, 2, 3, 7, 9, 10})
             + passedBoth('E', {1, 2, 3, 7}) + passedBoth('F', {1, 2, 5, 7})},
        {.code = 2,
         .leased = 1,
         .name = "ラフテレーンクレーン",
         .maker = "タダノ",
         .model = "GR-250N 25t吊",
         .made = "2016",
         .number = "IS-RC-02",
         .arrival = "2026/06/01",
         .removal = "2026/09/30",
         .place = "排水構造物工 ボックスカルバート据付",
         .operatorName = "石川 拓也",
         .operatorLicences = "移動式クレーン運転士免許 玉掛け技能講習",
         .yearly = "2027/02/28",
         .monthly = "2026/06/30",
         .performance = "2026/11/30",
         .vehicle = "2026/10/31",
         .insurance = "2027/03/31",
         .perPerson = 99999,
         .perProperty = 2000,
         .perPassenger = 1000,
         .caution = "アウトリガ最大張出しで使用。作業半径内立入禁止。定格荷重表を運転席に掲示。",
         .accepted = "2026/05/25",
         .firstCheck = "2026/05/25",
         .firstChecker = "石川 拓也",
         .entered = "2026/05/25",
         .edited = "2026/05/25",
         .passed = passedBoth('A', {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17})
             + passedBoth('B', {1, 4, 6, 7, 8, 9, 11})},
    };
    for (const Machine &machine : machines)
        writeMachine(w, machine);
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
