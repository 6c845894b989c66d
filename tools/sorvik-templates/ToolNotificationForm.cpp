// 持込機械等（電動工具・電気溶接機等）使用届: A4 portrait, rows 1–91, the notification with
// its ten numbered tools (four rows each, written at a row offset of 4 × (n − 1)) on the
// first page and, after a row break, the checklist with one column per tool (written at a
// column offset of n − 1) on the second.
#include "EquipmentHeader.h"
#include "Forms.h"
#include "FormBook.h"

namespace templates {

namespace {

using Line = SheetBuilder::Line;
constexpr int kLast = 14;      // column N
constexpr int kFirstTool = 4;  // column D: tool ① of the checklist
constexpr int kTools = 10;
constexpr int kFirstSlotRow = 13;
constexpr int kSlotRows = 4;
constexpr int kPageBreak = 57;
constexpr int kLastRow = 91;

struct Looks
{
    CellLook label = CellLook{}.sized(8).center().wrapped();
    CellLook value = CellLook{}.sized(8.5).left().shrunk().indented(1);
    CellLook mark = CellLook{}.sized(10).center();
};

const QString kCircled[kTools]
    = {QStringLiteral("①"), QStringLiteral("②"), QStringLiteral("③"), QStringLiteral("④"), QStringLiteral("⑤"),
       QStringLiteral("⑥"), QStringLiteral("⑦"), QStringLiteral("⑧"), QStringLiteral("⑨"), QStringLiteral("⑩")};

void notificationHead(SheetBuilder &s, const Looks &look)
{
    EquipmentHeader{"J1:N1", "A2:C2", "D2:I2", "A3:C3", "D3:I3", "H6:I6", "J6:N6"}.place(s, look.label, look.value);
    s.text("A4:N4", QStringLiteral("持込機械等（電動工具・電気溶接機等）使用届"),
           CellLook{}.in(kMincho).sized(14).bolded().center());
    s.text("H7:I7", QStringLiteral("持込会社名"), look.label);
    s.marker("J7", QStringLiteral("HNDUNUM"), look.value.sized(8).center());
    s.marker("K7:N7", QStringLiteral("HNDOWCMPNM"), look.value);
    s.text("H8:I8", QStringLiteral("代表者名"), look.label);
    s.marker("J8:N8", QStringLiteral("HNDPRE"), look.value);
    s.text("H9:I9", QStringLiteral("電　　話"), look.label);
    s.marker("J9:N9", QStringLiteral("HNDTEL"), look.value);
    s.underline("J7:N9");
    s.text("A7:C8", QStringLiteral("受理年月日"), look.label);
    s.marker("D7:F8", QStringLiteral("LBLSTDT"), look.value.center());
    s.box("A7:F8");
    s.horizontal(8, 10, 14, Line::Thin);
    s.horizontal(9, 10, 14, Line::Thin);
}

// One tool's four rows: name, rating (規格) over performance, management number over
// acceptance number, the dates, inspector and user.
void toolSlot(SheetBuilder &s, const Looks &look, int index)
{
    const int top = kFirstSlotRow + kSlotRows * index;
    const int bottom = top + kSlotRows - 1;
    const bool first = index == 0;
    const auto cell = [&](const Area &area, const char *marker, const CellLook &l) {
        if (first)
            s.marker(area, QLatin1String(marker), l);
        else
            s.blank(area, l);
    };
    s.text(Area(1, top, 1, bottom), kCircled[index], look.label.sized(10));
    cell(Area(2, top, 3, bottom), "KKNM", look.value.wrapped());
    cell(Area(4, top, 5, top + 1), "SPEC", look.value);
    cell(Area(4, top + 2, 5, bottom), "SENO", look.value);
    cell(Area(6, top, 7, top + 1), "KNRNO", look.value);
    cell(Area(6, top + 2, 7, bottom), "JYUNO", look.value);
    cell(Area(8, top, 9, bottom), "STDT", look.value.center());
    cell(Area(10, top, 11, bottom), "FNDT", look.value.center());
    cell(Area(12, top, 13, bottom), "CHKRNM", look.value);
    cell(Area(14, top, 14, bottom), "USERNM", look.value);
    for (int column : {4, 6})
        s.horizontal(top + 2, column, column + 1, Line::Hair);
}

void toolList(SheetBuilder &s, const Looks &look)
{
    const int head = kFirstSlotRow - 2;
    s.text(Area(1, head, 1, head + 1), QStringLiteral("番号"), look.label);
    s.text(Area(2, head, 3, head + 1), QStringLiteral("機　械　名"), look.label);
    s.text(Area(4, head, 5, head), QStringLiteral("規　　格"), look.label);
    s.text(Area(4, head + 1, 5, head + 1), QStringLiteral("性　　能"), look.label);
    s.text(Area(6, head, 7, head), QStringLiteral("管理番号"), look.label);
    s.text(Area(6, head + 1, 7, head + 1), QStringLiteral("受理番号"), look.label);
    s.text(Area(8, head, 9, head + 1), QStringLiteral("持込年月日"), look.label);
    s.text(Area(10, head, 11, head + 1), QStringLiteral("搬出予定年月日"), look.label);
    s.text(Area(12, head, 13, head + 1), QStringLiteral("点　検　者"), look.label);
    s.text(Area(14, head, 14, head + 1), QStringLiteral("取扱者"), look.label);
    for (int index = 0; index < kTools; ++index)
        toolSlot(s, look, index);
    const int last = kFirstSlotRow + kSlotRows * kTools - 1;
    s.grid(Area(1, head, kLast, last), Line::Thin);
    for (int index = 0; index < kTools; ++index)
        for (int column : {4, 6})
            s.horizontal(kFirstSlotRow + kSlotRows * index + 2, column, column + 1, Line::Hair);
    for (int column : {4, 6})
        s.horizontal(head + 1, column, column + 1, Line::Hair);
    s.horizontal(kFirstSlotRow, 1, kLast, Line::Medium);
    s.frame(Area(1, head, kLast, last), Line::Medium);

    const int caution = last + 2;
    s.text(Area(1, caution, 3, caution + 3), QStringLiteral("機械の特性\nその他注意事項"), look.label);
    s.marker(Area(4, caution, kLast, caution + 3), QStringLiteral("CAUTION"), look.value.wrapped().top());
    s.box(Area(1, caution, kLast, caution + 3));
}

void checklist(SheetBuilder &s, const Looks &look)
{
    const int top = kPageBreak + 1;
    s.text(Area(1, top, kLast, top), QStringLiteral("持込機械等（電動工具・電気溶接機等）点検表"),
           CellLook{}.in(kMincho).sized(14).bolded().center());
    s.text(Area(9, top + 1, 10, top + 1), QStringLiteral("点　検　日"), look.label);
    s.marker(Area(11, top + 1, kLast, top + 1), QStringLiteral("CHKYMD"), look.value.center());
    s.box(Area(9, top + 1, kLast, top + 1));

    const int head = top + 3;
    s.text(Area(1, head, 3, head + 1), QStringLiteral("点　検　項　目"), look.label);
    s.text(Area(kFirstTool, head, kFirstTool + kTools - 1, head), QStringLiteral("機械番号（使用届の番号）"),
           look.label);
    for (int k = 0; k < kTools; ++k)
        s.text(Area(kFirstTool + k, head + 1), kCircled[k], look.label.sized(10));
    s.text(Area(kLast, head, kLast, head + 1), QStringLiteral("備　考"), look.label);

    const QString items[18] = {
        QStringLiteral("アース線"),
        QStringLiteral("接地クランプ"),
        QStringLiteral("キャブタイヤ"),
        QStringLiteral("コネクタ"),
        QStringLiteral("接地端子の締結"),
        QStringLiteral("充電部の絶縁"),
        QStringLiteral("自動電撃防止装置"),
        QStringLiteral("絶縁ホルダー"),
        QStringLiteral("溶接保護面"),
        QStringLiteral("操作スイッチ"),
        QStringLiteral("絶縁抵抗測定値（MΩ）"),
        QStringLiteral("各種ブレーキの作動"),
        QStringLiteral("手すり・囲い"),
        QStringLiteral("フックのはずれ止め"),
        QStringLiteral("ワイヤロープ・チェーン"),
        QStringLiteral("滑車"),
        QStringLiteral("回転部の囲い等"),
        QStringLiteral("危険表示"),
    };
    int row = head + 2;
    const auto marks = [&](int r, const QString &marker, const CellLook &l) {
        s.marker(Area(kFirstTool, r), marker, l);
        for (int k = 1; k < kTools; ++k)
            s.blank(Area(kFirstTool + k, r), l);
        s.blank(Area(kLast, r), look.value);
    };
    for (int i = 0; i < 18; ++i, ++row) {
        s.text(Area(1, row), QString::number(i + 1), look.label);
        s.text(Area(2, row, 3, row), items[i], look.label.left().indented(1));
        // Item 11 receives the measured values rather than marks.
        marks(row, QStringLiteral("CHK%1").arg(i + 1, 2, 10, QLatin1Char('0')),
              i == 10 ? look.value.center().sized(8) : look.mark);
    }
    for (int j = 21; j <= 26; ++j, ++row) {
        s.text(Area(1, row), QString::number(j), look.label);
        s.marker(Area(2, row, 3, row), QStringLiteral("CHKNM%1").arg(j), look.value);
        marks(row, QStringLiteral("CHK%1").arg(j), look.mark);
    }
    const Area table(1, head, kLast, row - 1);
    s.grid(table, Line::Thin);
    s.horizontal(head + 2, 1, kLast, Line::Medium);
    s.frame(table, Line::Medium);
    const CellLook note = look.label.left().sized(7.5);
    s.text(Area(1, row + 1, kLast, row + 1),
           QStringLiteral("（注）点検結果の欄には、良好なものにレ印を、絶縁抵抗はその測定値を記入すること。"), note);
    s.text(Area(1, row + 2, kLast, row + 2), QStringLiteral("　　　不良のものは持ち込まないこと。"), note);
}

}  // namespace

celvane::Workbook toolNotification()
{
    const Looks look;
    SheetBuilder s(QStringLiteral("持込工具届"));
    s.page(Paper::A4, Orientation::Portrait, 10.0);
    // The checklist's ten tool columns D–M also carry the notification's columns.
    s.columns(1, {8, 20, 20, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 18});
    s.rows(1, kPageBreak, 4.6);
    s.rows(4, 4, 11);
    s.rows(5, 5, 3);
    s.rows(10, 10, 3);
    s.rows(kPageBreak + 1, kLastRow, 7.5);
    s.rows(kPageBreak + 1, kPageBreak + 1, 12);
    s.rows(kPageBreak + 3, kPageBreak + 3, 4);
    s.breakAfterRow(kPageBreak);

    notificationHead(s, look);
    toolList(s, look);
    checklist(s, look);
    s.printArea(kLast, kLastRow);

    return FormBook::single(s);
}

}  // namespace templates
