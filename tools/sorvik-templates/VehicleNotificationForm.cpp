// 工事・通勤用車両届 (全建統一参考様式第８号): one vehicle a page on A4 portrait; the
// submitter circles 工事 or 通勤 in the title.
#include "EquipmentHeader.h"
#include "Forms.h"
#include "FormBook.h"

namespace templates {

namespace {

using Line = SheetBuilder::Line;
constexpr int kLast = 10;  // column J

struct Looks
{
    CellLook label = CellLook{}.in(kMincho).sized(9).center().wrapped();
    CellLook value = CellLook{}.sized(10).left().shrunk().indented(1);
};

// A group of label and value lines with its name down the left edge.
void group(SheetBuilder &s, const Looks &look, int row, const QString &name,
           const std::vector<std::pair<QString, QString>> &lines)
{
    const int last = row + int(lines.size()) - 1;
    s.text(Area(1, row, 1, last), name, look.label.stacked());
    for (const auto &[caption, marker] : lines) {
        s.text(Area(2, row), caption, look.label);
        s.marker(Area(3, row, kLast, row), marker, look.value);
        ++row;
    }
    s.box(Area(1, last - int(lines.size()) + 1, kLast, last), Line::Medium, Line::Thin);
}

void insurance(SheetBuilder &s, const Looks &look, int row)
{
    s.text(Area(1, row, 1, row + 4), QStringLiteral("保険"), look.label.stacked());
    s.text(Area(2, row), QStringLiteral("区　分"), look.label);
    s.text(Area(3, row, 4, row), QStringLiteral("保険会社名"), look.label);
    s.text(Area(5, row, 6, row), QStringLiteral("証券番号"), look.label);
    s.text(Area(7, row, 8, row), QStringLiteral("保険期間"), look.label);
    s.text(Area(9, row, 10, row), QStringLiteral("補　償　額"), look.label);
    s.text(Area(2, row + 1), QStringLiteral("自　賠　責"), look.label);
    s.marker(Area(3, row + 1, 4, row + 1), QStringLiteral("DV1CMP"), look.value);
    s.marker(Area(5, row + 1, 6, row + 1), QStringLiteral("DV1NO"), look.value);
    s.marker(Area(7, row + 1, 8, row + 1), QStringLiteral("DV1ST"), look.value.sized(8));
    s.text(Area(9, row + 1, 10, row + 1), QStringLiteral("―"), look.label);
    s.text(Area(2, row + 2, 2, row + 4), QStringLiteral("任　　意"), look.label);
    s.marker(Area(3, row + 2, 4, row + 4), QStringLiteral("DV2CMP"), look.value);
    s.marker(Area(5, row + 2, 6, row + 4), QStringLiteral("DV2NO"), look.value);
    s.marker(Area(7, row + 2, 8, row + 4), QStringLiteral("DV2ST"), look.value.sized(8));
    const QString kinds[3] = {QStringLiteral("対　人"), QStringLiteral("対　物"), QStringLiteral("搭乗者")};
    for (int i = 0; i < 3; ++i) {
        s.text(Area(9, row + 2 + i), kinds[i], look.label.sized(8));
        s.marker(Area(10, row + 2 + i), QStringLiteral("DV2M%1").arg(i + 1), look.value.right().sized(9));
    }
    s.box(Area(1, row, kLast, row + 4), Line::Medium, Line::Thin);
}

}  // namespace

celvane::Workbook vehicleNotification()
{
    const Looks look;
    SheetBuilder s(QStringLiteral("工事車両届"));
    s.page(Paper::A4, Orientation::Portrait, 10.0);
    s.columns(1, {8, 28, 18.75, 18.75, 18.75, 18.75, 18.75, 18.75, 18.75, 18.75});
    s.rows(1, 42, 6.5);
    s.rows(1, 1, 6);
    s.rows(4, 4, 3);
    s.rows(5, 5, 12);
    s.rows(6, 6, 3);
    s.rows(10, 10, 4);
    s.rows(27, 27, 4);
    s.rows(30, 37, 6);
    s.rows(38, 38, 4);
    s.rows(39, 42, 5);

    EquipmentHeader{"G1:J1", "A2:B2", "C2:F2", "A3:B3", "C3:F3", "F7:G7", "H7:J7"}.place(s, look.label, look.value);
    s.text("A5:J5", QStringLiteral("（工事・通勤）用車両届"), look.label.sized(18).bolded());
    s.marker("F8", QStringLiteral("USEUNUM"), look.value.right().sized(9));
    s.text("G8", QStringLiteral("会 社 名"), look.label);
    s.marker("H8:J8", QStringLiteral("USECMPNM"), look.value);
    s.text("F9:G9", QStringLiteral("現場代理人"), look.label);
    s.marker("H9:J9", QStringLiteral("DAIRI"), look.value);
    s.underline("H8:J9");
    s.horizontal(9, 8, 10, Line::Thin);

    group(s, look, 11, QStringLiteral("使用者"),
          {{QStringLiteral("所有者氏名"), QStringLiteral("USRNM")},
           {QStringLiteral("安全運転管理者"), QStringLiteral("AZNM")},
           {QStringLiteral("使用期間"), QStringLiteral("STDT")}});
    group(s, look, 14, QStringLiteral("車両"),
          {{QStringLiteral("車両番号"), QStringLiteral("CARNO")},
           {QStringLiteral("型　　式"), QStringLiteral("CATTYP")},
           {QStringLiteral("車検期間"), QStringLiteral("LICST")}});
    group(s, look, 17, QStringLiteral("運転者"),
          {{QStringLiteral("氏　　名"), QStringLiteral("OPNM")},
           {QStringLiteral("生年月日"), QStringLiteral("OPBNDT")},
           {QStringLiteral("住　　所"), QStringLiteral("OPADD")},
           {QStringLiteral("免許の種類"), QStringLiteral("OPLIC")},
           {QStringLiteral("免許番号"), QStringLiteral("OPLICNO")}});
    insurance(s, look, 22);

    s.text("A28:B29", QStringLiteral("運 行 経 路"), look.label);
    s.marker("C28:J29", QStringLiteral("ROOT"), look.value.wrapped().top());
    s.text("A30:B37", QStringLiteral("（経路図）"), look.label.top());
    s.blank("C30:J37", look.value);
    s.box("A28:J37", Line::Medium, Line::Thin);

    const CellLook note = look.label.sized(8).left();
    s.text("A39:G39", QStringLiteral("（注）"), note);
    s.text("A40:G40", QStringLiteral("１　（工事・通勤）の別は、該当するものを○で囲むこと。"), note);
    s.text("A41:G41",
           QStringLiteral("２　運転免許証、自動車検査証、自賠責保険証明書及び任意保険証券の写しを添付すること。"),
           note.shrunk());
    s.text("H39:J39", QStringLiteral("元請確認欄"), look.label);
    s.blank("H40:J42", look.value);
    s.box("H39:J42", Line::Medium, Line::Thin);
    s.printArea(kLast, 42);

    return FormBook::single(s);
}

}  // namespace templates
