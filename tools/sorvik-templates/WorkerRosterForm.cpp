// 作業員名簿 (全建統一様式第５号, the edition with health and family columns): A4 landscape,
// ten workers a page, each on an upper and a lower row. The document writes worker r at a
// row offset of 2 × (r − 1) from the markers of the first worker.
#include "Forms.h"
#include "FormBook.h"
#include "SheetBuilder.h"

namespace templates {

namespace {

constexpr int kFirstWorkerRow = 9;
constexpr int kWorkers = 10;

// Columns of the table: one spreadsheet column per heading.
enum Column {
    Num = 1,
    Name,
    Job,
    Mark,
    Hired,
    Birth,
    Address,
    Family,
    Health,
    Blood,
    Special,
    Education,
    Skill,
    Licence,
    Entry,
    Induction,
    Last = Induction
};

struct Looks
{
    CellLook label = CellLook{}.in(kMincho).sized(8).center().wrapped();
    CellLook value = CellLook{}.sized(8.5).center().shrunk();
    CellLook small = CellLook{}.sized(6.5).left().wrapped();
    CellLook kana = CellLook{}.sized(7).center().shrunk();
};

void header(SheetBuilder &s, const Looks &look)
{
    s.text("A1:E1", QStringLiteral("（全建統一様式第５号）"), look.label.left());
    s.text("M1:P1", QStringLiteral("提出日　令和　　年　　月　　日"), look.label.right());
    s.text("A2:P2", QStringLiteral("作　業　員　名　簿"), look.label.sized(18).bolded());
    s.marker("F3:K3", QStringLiteral("MKYMD"), look.value.sized(9));

    // The prime contractor's site to the left, the submitting company to the right.
    const CellLook caption = look.label.sized(9);
    const CellLook entry = look.value.sized(10).left();
    s.text("A4:B4", QStringLiteral("事業所の名称"), caption);
    s.marker("C4:H4", QStringLiteral("JIGYONM"), entry);
    s.text("A5:B5", QStringLiteral("所　長　名"), caption);
    s.marker("C5:H5", QStringLiteral("SHOTYONM"), entry);
    s.underline("C4:H5");
    s.horizontal(5, 3, 8, SheetBuilder::Line::Thin);

    s.text("J4:K4", QStringLiteral("一 次 会 社 名"), caption);
    s.marker("L4:P4", QStringLiteral("1UCPMNM"), entry);
    s.marker("J5", QStringLiteral("UNUM"), look.value.sized(9).right());
    s.text("K5", QStringLiteral("会 社 名"), caption);
    s.marker("L5:P5", QStringLiteral("CMPNM"), entry);
    s.underline("L4:P5");
    s.horizontal(5, 12, 16, SheetBuilder::Line::Thin);
}

void tableHead(SheetBuilder &s, const Looks &look)
{
    const auto both = [&](int column, const QString &text) { s.text(Area(column, 7, column, 8), text, look.label); };
    const auto split = [&](int column, const QString &upper, const QString &lower) {
        s.text(Area(column, 7), upper, look.label);
        s.text(Area(column, 8), lower, look.label);
    };
    both(Num, QStringLiteral("番号"));
    split(Name, QStringLiteral("ふりがな"), QStringLiteral("氏　　名"));
    both(Job, QStringLiteral("職　種"));
    both(Mark, QStringLiteral("※"));
    split(Hired, QStringLiteral("雇入年月日"), QStringLiteral("経験年数"));
    split(Birth, QStringLiteral("生年月日"), QStringLiteral("年　齢"));
    split(Address, QStringLiteral("現　住　所"), QStringLiteral("（ＴＥＬ）"));
    split(Family, QStringLiteral("家族連絡先"), QStringLiteral("（ＴＥＬ）"));
    split(Health, QStringLiteral("最近の\n健康診断日"), QStringLiteral("血　圧"));
    both(Blood, QStringLiteral("血液型"));
    split(Special, QStringLiteral("特殊健康\n診断日"), QStringLiteral("種　類"));
    s.text(Area(Education, 7, Licence, 7), QStringLiteral("教育・資格・免許"), look.label);
    s.text(Area(Education, 8), QStringLiteral("雇入・職長\n特別教育"), look.label.sized(7));
    s.text(Area(Skill, 8), QStringLiteral("技能講習"), look.label);
    s.text(Area(Licence, 8), QStringLiteral("免　許"), look.label);
    both(Entry, QStringLiteral("入場\n年月日"));
    both(Induction, QStringLiteral("受入教育\n実施年月日"));
}

// One worker's two rows; the markers go into the first worker's cells only.
void worker(SheetBuilder &s, const Looks &look, int index)
{
    const int row = kFirstWorkerRow + 2 * index;
    const bool first = index == 0;
    const auto cell = [&](int column, int top, int bottom, const char *marker, const CellLook &l) {
        const Area area(column, top, column, bottom);
        if (first)
            s.marker(area, QLatin1String(marker), l);
        else
            s.blank(area, l);
    };
    const auto both = [&](int column, const char *marker, const CellLook &l) { cell(column, row, row + 1, marker, l); };
    const auto split
        = [&](int column, const char *upper, const char *lower, const CellLook &upperLook, const CellLook &lowerLook) {
              cell(column, row, row, upper, upperLook);
              cell(column, row + 1, row + 1, lower, lowerLook);
          };
    both(Num, "NUM", look.value);
    split(Name, "FURI", "NAME", look.kana, look.value.sized(10));
    both(Job, "SHOKUSHU", look.value.wrapped());
    both(Mark, "KOME", look.value.wrapped());
    split(Hired, "KOYMD", "KEINEN", look.value, look.value);
    split(Birth, "BNDT", "OLD", look.value, look.value);
    both(Address, "ADD", look.small);
    both(Family, "FAMADD", look.small);
    split(Health, "KSYMD", "PRS", look.value, look.value);
    both(Blood, "BRTYP", look.value);
    split(Special, "TKYMD", "TKTYP", look.value, look.value);
    both(Education, "TKLN", look.small);
    both(Skill, "GNLN", look.small);
    both(Licence, "MKLN", look.small);
    both(Entry, "INDT", look.value);
    both(Induction, "UKDT", look.value);
}

}  // namespace

celvane::Workbook workerRoster()
{
    const Looks look;
    SheetBuilder s(QStringLiteral("作業員名簿"));
    s.page(Paper::A4, Orientation::Landscape, 9.0);
    //          番号 氏名 職種  ※  雇入 生年 住所 家族 健診 血液 特殊 教育 技能 免許 入場 受入
    s.columns(1, {7, 26, 14, 8, 18, 18, 31, 26, 18, 10, 18, 16, 16, 16, 15, 14});
    s.rows(1, 1, 5);
    s.rows(2, 2, 9);
    s.rows(3, 3, 5.5);
    s.rows(4, 5, 6.5);
    s.rows(6, 6, 2);
    s.rows(7, 8, 6);
    const int lastWorkerRow = kFirstWorkerRow + 2 * kWorkers - 1;
    s.rows(kFirstWorkerRow, lastWorkerRow, 6.5);
    s.rows(lastWorkerRow + 1, lastWorkerRow + 4, 3.6);

    header(s, look);
    tableHead(s, look);
    for (int index = 0; index < kWorkers; ++index)
        worker(s, look, index);
    const Area table(Num, 7, Last, lastWorkerRow);
    s.grid(table, SheetBuilder::Line::Thin);
    for (int index = 0; index < kWorkers; ++index)
        for (int column : {Name, Hired, Birth, Health, Special})
            s.horizontal(kFirstWorkerRow + 2 * index + 1, column, column, SheetBuilder::Line::Hair);
    for (int column : {Name, Hired, Birth, Address, Family, Health, Special})
        s.horizontal(8, column, column, SheetBuilder::Line::Hair);
    s.horizontal(kFirstWorkerRow, Num, Last, SheetBuilder::Line::Medium);
    s.frame(table, SheetBuilder::Line::Medium);

    // The remarks of the configuration, the ※ legend among them.
    for (int line = 0; line < 4; ++line)
        s.marker(Area(Num, lastWorkerRow + 1 + line, Last, lastWorkerRow + 1 + line),
                 QStringLiteral("REM%1").arg(line + 1), look.small.sized(7));
    s.printArea(Last, lastWorkerRow + 4);

    return FormBook::single(s);
}

}  // namespace templates
