#include "DemoWorkers.h"

#include "dates/DateText.h"
#include "DemoRowWriter.h"

#include <QDate>
#include <QHash>
#include <initializer_list>

namespace {

QString u(const char *text)
{
    return QString::fromUtf8(text);
}

struct Qualification
{
    int kind;
    const char *abbreviation;
    const char *name;
    const char *number;
    const char *issued;
};

struct Worker
{
    int contractor;
    const char *company;
    const char *name;
    const char *reading;
    const char *birth;
    const char *jobs;
    const char *marks;
    const char *address;
    const char *tel;
    const char *hired;
    int experience;
    const char *blood;
    int pressureLow;
    int pressureHigh;
    bool female;
    std::initializer_list<Qualification> qualifications;
};

const Worker workers[] = {
    {2,
     "株式会社丸山土木",
     "丸山 翔太",
     "まるやま しょうた",
     "1982/04/18",
     "土工",
     "現,主",
     "札幌市南区真駒内上町3丁目2-8",
     "090-3412-5581",
     "2004/04/01",
     22,
     "A",
     78,
     128,
     false,
     {{2, "車両系", "車両系建設機械（整地・運搬・積込み用及び掘削用）運転技能講習", "第 12-0581 号", "2003/09/12"},
      {2, "地山主", "地山の掘削及び土止め支保工作業主任者技能講習", "第 15-2207 号", "2008/06/20"},
      {3, "職長", "職長・安全衛生責任者教育", "第 2215 号", "2010/02/05"}}},
    {2,
     "株式会社丸山土木",
     "菅原 勇気",
     "すがわら ゆうき",
     "1995/09/02",
     "土工",
     "職",
     "札幌市南区澄川4条2丁目5-11",
     "080-5521-0374",
     "2014/04/01",
     12,
     "O",
     72,
     118,
     false,
     {{2, "玉掛", "玉掛け技能講習", "第 18-4410 号", "2016/07/08"},
      {3, "フルハ", "フルハーネス型墜落制止用器具使用作業特別教育", "第 F-0932 号", "2019/11/15"}}},
    {2,
     "株式会社丸山土木",
     "三浦 真由美",
     "みうら まゆみ",
     "1988/12/24",
     "誘導",
     "",
     "札幌市南区石山1条3丁目8-2",
     "090-8816-2043",
     "2019/05/13",
     7,
     "B",
     70,
     112,
     true,
     {}},
    {3,
     "道央舗装株式会社",
     "西田 隆",
     "にしだ たかし",
     "1971/03/09",
     "舗装",
     "現,主",
     "札幌市西区発寒6条11丁目3-20",
     "090-2274-8815",
     "1993/04/01",
     33,
     "A",
     86,
     142,
     false,
     {{1, "大特", "大型特殊自動車運転免許", "第 60 1234 5678 9 号", "1992/08/21"},
      {3, "締固め", "締固め用機械（ローラー）運転業務特別教育", "第 R-105 号", "1994/05/17"}}},
    {3,
     "道央舗装株式会社",
     "工藤 翼",
     "くどう つばさ",
     "2006/06/14",
     "舗装",
     "",
     "札幌市西区西野5条7丁目2-4",
     "080-1139-4426",
     "2025/04/01",
     1,
     "AB",
     66,
     110,
     false,
     {}},
    {4,
     "有限会社石狩重機",
     "石川 拓也",
     "いしかわ たくや",
     "1979/10/30",
     "オペ",
     "主,職",
     "石狩市花川北3条2丁目118",
     "090-6602-7719",
     "1998/04/01",
     28,
     "O",
     80,
     134,
     false,
     {{1, "大特", "大型特殊自動車運転免許", "第 60 9876 5432 1 号", "1998/11/02"},
      {1, "移ク", "移動式クレーン運転士免許", "第 4521 号", "2005/03/18"},
      {2, "車両系", "車両系建設機械（整地・運搬・積込み用及び掘削用）運転技能講習", "第 99-1187 号", "1999/06/25"},
      {2, "玉掛", "玉掛け技能講習", "第 00-3320 号", "2000/10/13"}}},
    {4,
     "有限会社石狩重機",
     "岩田 昇",
     "いわた のぼる",
     "1956/01/15",
     "オペ",
     "",
     "石狩市花畔2条1丁目44",
     "090-1185-3360",
     "1976/04/01",
     50,
     "A",
     92,
     152,
     false,
     {{2, "車両系", "車両系建設機械（整地・運搬・積込み用及び掘削用）運転技能講習", "第 78-0442 号", "1978/05/10"}}},
    {5,
     "千歳鉄筋工業所",
     "千葉 哲也",
     "ちば てつや",
     "1976/07/22",
     "鉄筋",
     "主,職",
     "千歳市富丘4丁目10-6",
     "090-4471-2208",
     "1995/04/01",
     31,
     "B",
     82,
     136,
     false,
     {{2, "ガス溶", "ガス溶接技能講習", "第 96-0718 号", "1996/09/06"},
      {3, "職長", "職長・安全衛生責任者教育", "第 1884 号", "2003/07/11"}}},
    {5,
     "千歳鉄筋工業所",
     "ファム ヴァン ナム",
     "ふぁむ ゔぁん なむ",
     "1999/03/05",
     "鉄筋",
     "",
     "千歳市清水町2丁目3-1",
     "070-2290-6513",
     "2023/10/01",
     3,
     "O",
     68,
     116,
     false,
     {{3, "研削", "自由研削用といしの取替え等の業務特別教育", "第 G-2291 号", "2023/11/20"}}},
    {6,
     "株式会社北斗オペレーション",
     "北斗 亮",
     "ほくと りょう",
     "1984/11/11",
     "オペ",
     "主",
     "江別市大麻東町13-21",
     "090-7740-1952",
     "2003/04/01",
     23,
     "A",
     76,
     126,
     false,
     {{1, "大特", "大型特殊自動車運転免許", "第 60 2468 1357 0 号", "2003/05/30"},
      {2, "車両系", "車両系建設機械（整地・運搬・積込み用及び掘削用）運転技能講習", "第 03-0954 号", "2003/08/08"},
      {2, "小移ク", "小型移動式クレーン運転技能講習", "第 07-1260 号", "2007/02/16"}}},
};

int ageOn(const QDate &birth, const QDate &day)
{
    int age = day.year() - birth.year();
    if (day.month() < birth.month() || (day.month() == birth.month() && day.day() < birth.day()))
        --age;
    return age;
}

QString abbreviations(const Worker &w, int kind)
{
    QStringList list;
    for (const Qualification &q : w.qualifications) {
        if (q.kind == kind)
            list << u(q.abbreviation);
    }
    return list.join(QLatin1Char(','));
}

}  // namespace

void WriteDemoWorkers(DemoRowWriter &writer)
{
    const QDate today = QDate::currentDate();
    QHash<int, int> nextCode;
    for (const Worker &w : workers) {
        const int code = ++nextCode[w.contractor];
        const QDate birth = DateTextToDate(u(w.birth));
        const int age = ageOn(birth, today);
        writer.insert("SAGYOIN",
                      {{"APDT", u("2026/04/20")},
                       {"CPNM", u(w.company)},
                       {"NAME", u(w.name)},
                       {"FURI", u(w.reading)},
                       {"BNDT", u(w.birth)},
                       {"TYP", u(w.jobs)},
                       {"KIGO", u(w.marks)},
                       {"KYDT", u(w.hired)},
                       {"ADRS", u(w.address)},
                       {"TEL", u(w.tel)},
                       {"FAMADD", u(w.address)},
                       {"FAMTEL", u(w.tel)},
                       {"KKDT", u("2026/04/10")},
                       {"BRED", u(w.blood)},
                       {"BRRH", u("+")},
                       {"INDT", u("2026/05/07")},
                       {"UKDT", u("2026/05/07")},
                       {"MENKYO", abbreviations(w, 1)},
                       {"GINOKYO", abbreviations(w, 2)},
                       {"TOKUKYO", abbreviations(w, 3)},
                       {"CRDT", u("2026/04/20")},
                       {"EDDT", u("2026/04/20")}},
                      {{"KJCD", 1},
                       {"GYOCD", w.contractor},
                       {"INCD", code},
                       {"ODRNO", code},
                       {"FMLE", w.female ? 1 : 0},
                       {"YNG", age < 18 ? 1 : 0},
                       {"ADVA", age >= 65 ? 1 : 0},
                       {"KKNUM", w.experience},
                       {"OLD", age},
                       {"PRESL", w.pressureLow},
                       {"PRESU", w.pressureHigh},
                       {"SEL", 1}});
        for (const Qualification &q : w.qualifications) {
            writer.insert("INSIKAKU",
                          {{"CPNM", u(w.company)},
                           {"NAME", u(w.name)},
                           {"BNDT", u(w.birth)},
                           {"PRNM", u(q.abbreviation)},
                           {"SKNM", u(q.name)},
                           {"SKNO", u(q.number)},
                           {"SKDT", u(q.issued)}},
                          {{"INNO", 0}, {"KJCD", 1}, {"GYOCD", w.contractor}, {"INCD", code}, {"KBN", q.kind}});
        }
    }
}
