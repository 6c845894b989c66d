#include "DemoLedger.h"

#include "DemoRowWriter.h"

namespace {

QString u(const char *text)
{
    return QString::fromUtf8(text);
}

// The road prime holds a second permit, names its 監理技術者 beside its 主任 and two
// specialist engineers: only columns the contractor details leave empty.
void writeRoadPrime(DemoRowWriter &w)
{
    w.update("GYOSYA",
             {{"KYGY2", u("舗装")},
              {"KYAREA2", u("大臣")},
              {"KYTYPE2", u("特定")},
              {"KYKIGO2", u("国土交通大臣")},
              {"KYNUM2", u("002871")},
              {"KYDT2", u("2023/06/12")},
              {"KSNM2", u("監理")},
              {"SNSE2", u("専任")},
              {"SNNM2", u("中川 博")},
              {"SNSK2", u("1級土木施工管理技士")},
              {"SNNO2", u("第 00234567 号")},
              {"SNDT2", u("1968/11/02")},
              {"SNKYDT2", u("1992/04/01")},
              {"GJNM1", u("山本 修")},
              {"GJSI1", u("1級舗装施工管理技術者")},
              {"GJKJ1", u("舗装工")},
              {"GJNM2", u("斎藤 聡")},
              {"GJSI2", u("1級電気工事施工管理技士")},
              {"GJKJ2", u("道路照明設備工")}},
             {}, QStringLiteral("KJCD = 1 and GYOCD = 1"));
}

// The joint venture: its prime is the venture itself and lists the five permits of its
// two partners; one subcontractor below it, a second below that one.
void writeJointVenture(DemoRowWriter &w)
{
    w.insert("KOJI",
             {{"APDT", u("2026/05/01")},
              {"KJNM", u("札幌駅前通地下歩行空間接続工事")},
              {"KJNY", u("地下通路接続工 L=120m、開削土留工、仮設工")},
              {"STDT", u("2026/06/01")},
              {"FNDT", u("2028/03/17")},
              {"SGDT", u("2026/05/20")},
              {"MTNM", u("北辰・道央特定建設工事共同企業体")},
              {"MTAD", u("札幌市中央区北3条西7丁目1-1")},
              {"STNM", u("北辰・道央特定建設工事共同企業体 作業所")},
              {"STAD", u("札幌市中央区北4条西3丁目")},
              {"ODNM", u("札幌市 建設局")},
              {"ODPOST", u("060-8611")},
              {"ODADD", u("札幌市中央区北1条西2丁目")},
              {"SKNM", u("吉田 正人")},
              {"SNNM", u("山口 涼")},
              {"KTNM", u("松本 大地")},
              {"KG", u("契約による")},
              {"IK", u("書面による")},
              {"TTNM", u("元方")},
              {"ANNM", u("佐藤 健一")},
              {"CRDT", u("2026/05/01")},
              {"EDDT", u("2026/05/01")}},
             {{"KJCD", 3}, {"JV", 1}});
    w.insert("GYOSYA",
             {{"APDT", u("2026/05/01")},
              {"CPNM", u("北辰・道央特定建設工事共同企業体")},
              {"PSNM", u("代表者")},
              {"PRNM", u("北辰建設株式会社 代表取締役 北村 一郎")},
              {"JGNM", u("札幌駅前作業所")},
              {"POST", u("060-0004")},
              {"ADRS", u("札幌市中央区北4条西3丁目")},
              {"TEL", u("011-222-1840")},
              {"GBNM", u("佐藤 健一")},
              {"GBKG", u("契約による")},
              {"GBIK", u("書面による")},
              {"KJNM", u("地下通路接続工事一式")},
              {"STDT", u("2026/06/01")},
              {"FNDT", u("2028/03/17")},
              {"KYGY1", u("土木工事業")},
              {"KYAREA1", u("大臣")},
              {"KYTYPE1", u("特定")},
              {"KYKIGO1", u("特-5")},
              {"KYNUM1", u("3456")},
              {"KYDT1", u("2023/05/12")},
              {"KYGY2", u("とび・土工工事業")},
              {"KYAREA2", u("大臣")},
              {"KYTYPE2", u("特定")},
              {"KYKIGO2", u("特-5")},
              {"KYNUM2", u("3456")},
              {"KYDT2", u("2023/05/12")},
              {"KYGY3", u("舗装工事業")},
              {"KYAREA3", u("知事")},
              {"KYTYPE3", u("特定")},
              {"KYKIGO3", u("特-5")},
              {"KYNUM3", u("10452")},
              {"KYDT3", u("2023/02/14")},
              {"KYGY4", u("鋼構造物工事業")},
              {"KYAREA4", u("大臣")},
              {"KYTYPE4", u("一般")},
              {"KYKIGO4", u("般-4")},
              {"KYNUM4", u("3456")},
              {"KYDT4", u("2022/11/30")},
              {"KYGY5", u("水道施設工事業")},
              {"KYAREA5", u("知事")},
              {"KYTYPE5", u("一般")},
              {"KYKIGO5", u("般-3")},
              {"KYNUM5", u("10452")},
              {"KYDT5", u("2021/07/09")},
              {"KSNM1", u("監理")},
              {"SNSE1", u("専任")},
              {"SNNM1", u("佐藤 健一")},
              {"SNSK1", u("1級土木施工管理技士")},
              {"CRDT", u("2026/05/01")},
              {"EDDT", u("2026/05/01")}},
             {{"KJCD", 3}, {"GYOCD", 1}, {"ISKJ", 0}});
    const char *const names[] = {"株式会社丸山土木", "有限会社石狩重機"};
    for (int n = 0; n < 2; ++n) {
        const int code = n + 2;
        w.insert("GYOSYA",
                 {{"APDT", u("2026/05/01")},
                  {"CPNM", u(names[n])},
                  {"PSNM", u("代表取締役")},
                  {"PRNM", n == 0 ? u("丸山 孝") : u("石川 勝")},
                  {"KJNM", n == 0 ? u("開削土留工事") : u("掘削・積込運搬")},
                  {"STDT", u("2026/06/15")},
                  {"FNDT", u("2027/12/24")},
                  {"KYCOM", n == 0 ? u("北辰・道央特定建設工事共同企業体") : u("株式会社丸山土木")},
                  {"CRDT", u("2026/05/01")},
                  {"EDDT", u("2026/05/01")}},
                 {{"KJCD", 3}, {"GYOCD", code}, {"ISKJ", 0}});
    }
    const struct
    {
        int code, parent, level;
        const char *name;
    } system[] = {{1, 0, 0, "北辰・道央特定建設工事共同企業体"}, {2, 1, 1, names[0]}, {3, 2, 2, names[1]}};
    for (const auto &p : system)
        w.insert("TAISEI", {{"CPNM", u(p.name)}, {"CRDT", u("2026/05/01")}, {"EDDT", u("2026/05/01")}},
                 {{"KJCD", 3}, {"GYOCD", p.code}, {"HTYCD", p.parent}, {"UNUM", p.level}, {"EFECT", 1}, {"YOBIN1", 0}});
}

}  // namespace

void WriteDemoLedger(DemoRowWriter &writer)
{
    writeRoadPrime(writer);
    writeJointVenture(writer);
}
