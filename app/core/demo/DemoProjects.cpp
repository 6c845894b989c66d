#include "DemoProjects.h"

#include "DemoRowWriter.h"

namespace {

QString u(const char *text)
{
    return QString::fromUtf8(text);
}

void writeRoadProject(DemoRowWriter &w)
{
    // The period was extended after the spring start: a second, later version.
    for (const char *version : {"2026/04/01", "2026/09/15"}) {
        const bool extended = QLatin1String(version) == QLatin1String("2026/09/15");
        w.insert("KOJI",
                 {{"APDT", u(version)},
                  {"KJNM", u("国道230号 札幌市南区川沿地区道路改良工事")},
                  {"KJNY", u("道路改良工 L=850m、排水構造物工、舗装工 A=6,200㎡")},
                  {"STDT", u("2026/04/01")},
                  {"FNDT", extended ? u("2027/03/19") : u("2027/01/29")},
                  {"SGDT", u("2026/03/24")},
                  {"MTNM", u("北辰建設株式会社 札幌支店")},
                  {"MTAD", u("札幌市中央区北3条西7丁目1-1")},
                  {"STNM", u("北辰建設株式会社 札幌支店")},
                  {"STAD", u("札幌市中央区北3条西7丁目1-1")},
                  {"ODNM", u("国土交通省 北海道開発局 札幌開発建設部")},
                  {"ODPOST", u("060-8506")},
                  {"ODADD", u("札幌市中央区北2条西19丁目")},
                  {"SKNM", u("中村 浩二")},
                  {"SNNM", u("小林 直樹")},
                  {"KTNM", u("加藤 亮")},
                  {"KG", u("契約による")},
                  {"IK", u("書面による")},
                  {"KANM", u("高橋 誠")},
                  {"FCNM", u("株式会社丸山土木")},
                  {"FUNM", u("丸山 孝")},
                  {"TTNM", u("元方")},
                  {"ANNM", u("高橋 誠")},
                  {"RPNM", u("伊藤 美咲")},
                  {"CRDT", u(version)},
                  {"EDDT", u(version)}},
                 {{"KJCD", 1}, {"JV", 0}});
    }
}

struct Contractor
{
    int code;
    const char *applied;
    const char *company;
    const char *president;
    const char *office;
    const char *post;
    const char *address;
    const char *tel;
    const char *agent;
    const char *work;
    const char *kind;
    const char *start;
    const char *end;
    const char *engineer;
    const char *qualification;
};

// Code 5 became a company in October: its older version carries the old trade name, so
// the tree's caption follows the work date.
const Contractor roadContractors[] = {
    {1, "2026/04/01", "北辰建設株式会社", "代表取締役 北村 一郎", "札幌支店", "060-0003", "札幌市中央区北3条西7丁目1-1",
     "011-231-5500", "高橋 誠", "道路改良工事一式", "元請", "2026/04/01", "2027/03/19", "佐藤 健一",
     "1級土木施工管理技士"},
    {2, "2026/04/01", "株式会社丸山土木", "代表取締役 丸山 孝", "本社", "005-0012", "札幌市南区真駒内上町3丁目2-8",
     "011-581-2211", "丸山 翔太", "土工事・排水構造物工事", "土工", "2026/04/20", "2027/02/26", "丸山 翔太",
     "1級土木施工管理技士"},
    {3, "2026/04/01", "道央舗装株式会社", "代表取締役 西田 正樹", "札幌営業所", "063-0833",
     "札幌市西区発寒13条4丁目12-5", "011-663-7420", "西田 隆", "舗装工事", "舗装", "2026/08/01", "2027/03/12",
     "西田 隆", "1級舗装施工管理技術者"},
    {4, "2026/04/01", "有限会社石狩重機", "代表取締役 石川 勝", "本社", "061-3241", "石狩市新港西2丁目775-3",
     "0133-64-1180", "石川 拓也", "掘削・積込運搬（重機土工）", "重機", "2026/05/07", "2026/12/25", "石川 拓也",
     "2級土木施工管理技士"},
    {5, "2026/04/01", "千歳鉄筋工業所", "代表 千葉 哲也", "本社", "066-0034", "千歳市富丘4丁目10-6", "0123-27-3341",
     "千葉 哲也", "鉄筋組立工事（排水構造物）", "鉄筋", "2026/06/01", "2026/11/30", "千葉 哲也", "2級土木施工管理技士"},
    {5, "2026/10/01", "株式会社千歳鉄筋", "代表取締役 千葉 哲也", "本社", "066-0034", "千歳市富丘4丁目10-6",
     "0123-27-3341", "千葉 哲也", "鉄筋組立工事（排水構造物）", "鉄筋", "2026/06/01", "2026/12/18", "千葉 哲也",
     "2級土木施工管理技士"},
    {6, "2026/04/01", "株式会社北斗オペレーション", "代表取締役 北斗 英明", "本社", "069-0852", "江別市大麻東町13-21",
     "011-387-0915", "北斗 亮", "重機運転（バックホウ・ブルドーザ）", "オペ", "2026/05/07", "2026/12/25", "北斗 亮",
     "2級土木施工管理技士"},
    {7, "2026/04/01", "有限会社藤田ライン工業", "代表取締役 藤田 勇", "本社", "007-0846", "札幌市東区北46条東8丁目3-17",
     "011-781-6650", "藤田 康平", "区画線工事", "区画線", "2027/02/15", "2027/03/12", "藤田 康平",
     "2級土木施工管理技士"},
    {8, "2026/04/01", "株式会社サッポロ電設", "代表取締役 森 大樹", "本社", "062-0904", "札幌市豊平区豊平4条9丁目1-3",
     "011-811-4072", "森 和也", "道路照明設備工事", "電気", "2026/11/02", "2027/02/26", "森 和也",
     "1級電気工事施工管理技士"},
};

// The construction system of the road project: prime 1; 2 and 3 on the first tier; 4
// and 5 under 2; 6 under 4 on the third tier; 7 under 3. Contractor 8 is registered but
// waits to be placed. Rows are written out of code order on purpose.
struct Placement
{
    int code;
    int parent;
    int level;
    const char *name;
};

const Placement roadSystem[] = {
    {1, 0, 0, "北辰建設株式会社"},       {3, 1, 1, "道央舗装株式会社"}, {2, 1, 1, "株式会社丸山土木"},
    {5, 2, 2, "千歳鉄筋工業所"},         {4, 2, 2, "有限会社石狩重機"}, {6, 4, 3, "株式会社北斗オペレーション"},
    {7, 3, 2, "有限会社藤田ライン工業"},
};

void writeContractor(DemoRowWriter &w, int project, const Contractor &c)
{
    w.insert("GYOSYA",
             {{"APDT", u(c.applied)},
              {"CPNM", u(c.company)},
              {"PSNM", u(c.president)},
              {"JGNM", u(c.office)},
              {"POST", u(c.post)},
              {"ADRS", u(c.address)},
              {"TEL", u(c.tel)},
              {"GBNM", u(c.agent)},
              {"GBKG", u("契約による")},
              {"GBIK", u("書面による")},
              {"ANNM", u(c.agent)},
              {"KJTYP", u(c.kind)},
              {"KJNM", u(c.work)},
              {"STDT", u(c.start)},
              {"FNDT", u(c.end)},
              {"KSNM1", u("主任")},
              {"SNSE1", u("非専任")},
              {"SNNM1", u(c.engineer)},
              {"SNSK1", u(c.qualification)},
              {"CRDT", u(c.applied)},
              {"EDDT", u(c.applied)}},
             {{"KJCD", project}, {"GYOCD", c.code}, {"ISKJ", 0}});
}

void writeHousingProject(DemoRowWriter &w)
{
    w.insert("KOJI",
             {{"APDT", u("2026/10/01")},
              {"KJNM", u("（仮称）北光町集合住宅新築工事")},
              {"KJNY", u("RC造 地上5階建 共同住宅 30戸")},
              {"STDT", u("2026/11/01")},
              {"FNDT", u("2027/10/29")},
              {"SGDT", u("2026/10/15")},
              {"MTNM", u("北辰建設株式会社 札幌支店")},
              {"ODNM", u("北光不動産株式会社")},
              {"ODPOST", u("065-0012")},
              {"ODADD", u("札幌市東区北12条東3丁目")},
              {"KG", u("契約による")},
              {"IK", u("書面による")},
              {"TTNM", u("元方")},
              {"ANNM", u("渡辺 大輔")},
              {"CRDT", u("2026/10/01")},
              {"EDDT", u("2026/10/01")}},
             {{"KJCD", 2}, {"JV", 0}});
    const Contractor housing[] = {
        {1, "2026/10/01", "北辰建設株式会社", "代表取締役 北村 一郎", "札幌支店", "060-0003",
         "札幌市中央区北3条西7丁目1-1", "011-231-5500", "渡辺 大輔", "建築工事一式", "元請", "2026/11/01", "2027/10/29",
         "渡辺 大輔", "1級建築施工管理技士"},
        {2, "2026/10/01", "株式会社丸山土木", "代表取締役 丸山 孝", "本社", "005-0012", "札幌市南区真駒内上町3丁目2-8",
         "011-581-2211", "丸山 翔太", "山留・根切工事", "土工", "2026/11/01", "2027/01/29", "丸山 翔太",
         "1級土木施工管理技士"},
        {3, "2026/10/01", "株式会社札幌型枠", "代表取締役 大野 修", "本社", "003-0029", "札幌市白石区平和通2丁目北8-1",
         "011-864-3390", "大野 健", "型枠工事", "型枠", "2027/01/11", "2027/07/30", "大野 健", "1級建築施工管理技士"},
    };
    for (const Contractor &c : housing)
        writeContractor(w, 2, c);
}

}  // namespace

void WriteDemoProjects(DemoRowWriter &writer)
{
    writeRoadProject(writer);
    for (const Contractor &c : roadContractors)
        writeContractor(writer, 1, c);
    for (const Placement &p : roadSystem) {
        writer.insert(
            "TAISEI", {{"CPNM", u(p.name)}, {"CRDT", u("2026/04/01")}, {"EDDT", u("2026/04/01")}},
            {{"KJCD", 1}, {"GYOCD", p.code}, {"HTYCD", p.parent}, {"UNUM", p.level}, {"EFECT", 1}, {"YOBIN1", 0}});
    }
    writeHousingProject(writer);
}
