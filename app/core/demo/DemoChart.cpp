#include "DemoChart.h"

#include "DemoRowWriter.h"

namespace {

struct Box
{
    int code;
    int parent;
    int tier;
    const char *name;
    int page;
    int row;
    int column;
    int frame;
    const char *colour;
};

// Four rows per page, as the configuration's default.
const Box springChart[] = {
    {1, 0, 0, "北辰建設株式会社", 1, 1, 0, 0, "clBtnFace"},
    {2, 1, 1, "株式会社丸山土木", 1, 1, 1, 1, "clBtnFace"},
    {4, 2, 2, "有限会社石狩重機", 1, 1, 2, 0, "clBtnFace"},
    {6, 4, 3, "株式会社北斗オペレーション", 1, 1, 3, 0, "clBtnFace"},
    {5, 2, 2, "千歳鉄筋工業所", 1, 2, 2, 0, "clBtnFace"},
    {3, 1, 1, "道央舗装株式会社", 2, 1, 1, 1, "clBtnFace"},
    {7, 3, 2, "有限会社藤田ライン工業", 2, 1, 2, 0, "clBtnFace"},
};

const Box autumnChart[] = {
    {1, 0, 0, "北辰建設株式会社", 1, 1, 0, 2, "clBtnFace"},
    {2, 1, 1, "株式会社丸山土木", 1, 1, 1, 3, "clRed"},
    {4, 2, 2, "有限会社石狩重機", 1, 1, 2, 1, "clYellow"},
    {6, 4, 3, "株式会社北斗オペレーション", 1, 1, 3, 4, "clAqua"},
    {5, 2, 2, "株式会社千歳鉄筋", 1, 2, 2, 5, "clYellow"},
    {3, 1, 1, "道央舗装株式会社", 1, 3, 1, 3, "clBlue"},
    {7, 3, 2, "有限会社藤田ライン工業", 1, 3, 2, 1, "clGreen"},
};

template<std::size_t N> void writeVersion(DemoRowWriter &w, const char *date, const Box (&boxes)[N])
{
    for (const Box &box : boxes)
        w.insert("TAIKEI",
                 {{"APDT", QString::fromUtf8(date)},
                  {"CPNM", QString::fromUtf8(box.name)},
                  {"CRDT", QString::fromUtf8(date)},
                  {"EDDT", QString::fromUtf8(date)},
                  {"YOBIS1", QString::fromUtf8(box.colour)}},
                 {{"KJCD", 1},
                  {"GYOCD", box.code},
                  {"HTYCD", box.parent},
                  {"UNUM", box.tier},
                  {"LOCPG", box.page},
                  {"LOCROW", box.row},
                  {"LOCCOL", box.column},
                  {"YOBIN1", box.frame},
                  {"YOBIN2", 0}});
}

}  // namespace

void WriteDemoChart(DemoRowWriter &writer)
{
    writeVersion(writer, "2026/04/01", springChart);
    writeVersion(writer, "2026/10/01", autumnChart);
}
