#include "DemoMasters.h"

#include "DemoRowWriter.h"

namespace {

struct Name
{
    int kind;
    const char *abbreviation;
    const char *name;
};

// Abbreviations are what the roster prints in its narrow columns.
const Name names[] = {
    {1, "大特", "大型特殊自動車運転免許"},
    {1, "大型", "大型自動車運転免許"},
    {1, "中型", "中型自動車運転免許"},
    {1, "移ク", "移動式クレーン運転士免許"},
    {1, "クレ", "クレーン・デリック運転士免許"},
    {1, "発破", "発破技士免許"},
    {2, "玉掛", "玉掛け技能講習"},
    {2, "車両系", "車両系建設機械（整地・運搬・積込み用及び掘削用）運転技能講習"},
    {2, "小移ク", "小型移動式クレーン運転技能講習"},
    {2, "高所", "高所作業車運転技能講習"},
    {2, "足場主", "足場の組立て等作業主任者技能講習"},
    {2, "地山主", "地山の掘削及び土止め支保工作業主任者技能講習"},
    {2, "型枠主", "型枠支保工の組立て等作業主任者技能講習"},
    {2, "ガス溶", "ガス溶接技能講習"},
    {3, "低圧", "低圧電気取扱業務特別教育"},
    {3, "研削", "自由研削用といしの取替え等の業務特別教育"},
    {3, "フルハ", "フルハーネス型墜落制止用器具使用作業特別教育"},
    {3, "ロープ", "ロープ高所作業特別教育"},
    {3, "締固め", "締固め用機械（ローラー）運転業務特別教育"},
    {3, "職長", "職長・安全衛生責任者教育"},
    {4, "土工", "土工"},
    {4, "鳶", "とび工"},
    {4, "鉄筋", "鉄筋工"},
    {4, "型枠", "型枠大工"},
    {4, "オペ", "重機オペレーター"},
    {4, "舗装", "舗装工"},
    {4, "区画", "区画線工"},
    {4, "電工", "電工"},
    {4, "誘導", "交通誘導員"},
    {5, "現", "現場代理人"},
    {5, "主", "主任技術者"},
    {5, "職", "職長"},
    {5, "安", "安全衛生責任者"},
    {5, "作", "作業主任者"},
    {6, "1級土木", "1級土木施工管理技士"},
    {6, "2級土木", "2級土木施工管理技士"},
    {6, "1級建築", "1級建築施工管理技士"},
    {6, "1級舗装", "1級舗装施工管理技術者"},
    {6, "監理証", "監理技術者資格者証"},
};

struct Staff
{
    const char *name;
    const char *reading;
    const char *position;
    const char *birth;
    const char *qualification;
    const char *number;
};

const Staff staff[] = {
    {"佐藤 健一", "さとう けんいち", "土木部長", "1968/05/12", "1級土木施工管理技士", "第 1 0 5 2 3 4 号"},
    {"佐藤 健一", "さとう けんいち", "土木部長", "1968/05/12", "監理技術者資格者証", "00012345678"},
    {"高橋 誠", "たかはし まこと", "工事課長", "1975/11/03", "1級土木施工管理技士", "第 2 0 8 8 1 6 号"},
    {"田中 裕介", "たなか ゆうすけ", "工事主任", "1986/02/21", "2級土木施工管理技士", "第 3 1 4 4 0 2 号"},
    {"伊藤 美咲", "いとう みさき", "安全管理課", "1991/08/30", "", ""},
    {"渡辺 大輔", "わたなべ だいすけ", "建築課長", "1979/07/07", "1級建築施工管理技士", "第 4 0 2 1 7 5 号"},
};

}  // namespace

void WriteDemoNames(DemoRowWriter &writer)
{
    int order = 0;
    int kind = 0;
    for (const Name &n : names) {
        order = n.kind == kind ? order + 1 : 1;
        kind = n.kind;
        writer.insert("EDUC", {{"NM", QString::fromUtf8(n.name)}, {"PRNM", QString::fromUtf8(n.abbreviation)}},
                      {{"EDCD", 0}, {"KBN", n.kind}, {"ODRNO", order}});
    }
}

void WriteDemoStaff(DemoRowWriter &writer)
{
    for (const Staff &s : staff) {
        writer.insert("SHOKU",
                      {{"NAME", QString::fromUtf8(s.name)},
                       {"FURI", QString::fromUtf8(s.reading)},
                       {"POST", QString::fromUtf8(s.position)},
                       {"BNDT", QString::fromUtf8(s.birth)},
                       {"SNSK", QString::fromUtf8(s.qualification)},
                       {"SNNO", QString::fromUtf8(s.number)}},
                      {{"SHCD", 0}});
    }
}
