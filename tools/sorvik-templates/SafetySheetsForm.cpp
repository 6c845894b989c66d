// The daily safety papers, one A4 portrait page each on a grid of twelve 15.5 mm columns:
// the work instruction sheet (作業指示書), the safety meeting report (安全ミーティング報告書)
// and the training report for newcomers (新規入場時等教育実施報告書). Each carries the prime
// contractor and its site manager at the top right beside a box for the seal.
#include "Forms.h"
#include "FormBook.h"
#include "SheetBuilder.h"

namespace templates {

namespace {

using Line = SheetBuilder::Line;
constexpr int kLast = 12;

struct Looks
{
    CellLook label = CellLook{}.sized(9).center().wrapped();
    CellLook value = CellLook{}.sized(10).left().shrunk().indented(1);
    CellLook title = CellLook{}.in(kMincho).sized(16).bolded().center();
    CellLook note = CellLook{}.sized(8).left();
};

// 元請 and 所長 over two rows at the top right, with the seal box after them.
void issuer(SheetBuilder &s, const Looks &look, int row)
{
    s.text(Area(7, row), QStringLiteral("元　請"), look.label);
    s.marker(Area(8, row, 10, row), QStringLiteral("CPNM"), look.value);
    s.text(Area(7, row + 1), QStringLiteral("所　長"), look.label);
    s.marker(Area(8, row + 1, 10, row + 1), QStringLiteral("GBNM"), look.value);
    s.underline(Area(8, row, 10, row + 1));
    s.horizontal(row + 1, 8, 10, Line::Thin);
    s.text(Area(11, row, 12, row), QStringLiteral("確認印"), look.label.sized(8));
    s.blank(Area(11, row + 1, 12, row + 2), look.label);
    s.box(Area(11, row, 12, row + 2));
}

// A page with the issuer at the top right and the title under it, rows 1–5; the rest of
// the rows `rowHeight` high.
SheetBuilder page(const Looks &look, const QString &name, const QString &title, int lastRow, double rowHeight)
{
    SheetBuilder s(name);
    s.page(Paper::A4, Orientation::Portrait, 12.0);
    s.fitToOnePage();
    s.columns(1, kLast, 15.5);
    s.printArea(kLast, lastRow);
    s.rows(1, lastRow, rowHeight);
    s.rows(1, 3, 6);
    issuer(s, look, 1);
    s.rows(4, 4, 12);
    s.text("A4:L4", title, look.title);
    s.rows(5, 5, 3);
    return s;
}

// Empty boxes under their captions at the right, tall enough for a seal.
void signatures(SheetBuilder &s, const Looks &look, int row, const std::vector<std::pair<int, QString>> &boxes)
{
    s.rows(row + 1, row + 1, 14);
    int column = kLast + 1;
    for (auto it = boxes.rbegin(); it != boxes.rend(); ++it) {
        const int first = column - it->first;
        s.text(Area(first, row, column - 1, row), it->second, look.label.sized(8));
        s.blank(Area(first, row + 1, column - 1, row + 1), look.label);
        s.box(Area(first, row, column - 1, row + 1), Line::Medium, Line::Thin);
        column = first;
    }
}

SheetBuilder instructionSheet(const Looks &look)
{
    constexpr int kRows = 14;
    SheetBuilder s = page(look, QStringLiteral("作業指示書"), QStringLiteral("作　業　指　示　書"), 29, 6);
    s.rows(5, 5, 7);
    s.marker("D5:I5", QStringLiteral("MKYMD"), look.value.center());
    s.rows(6, 6, 3);
    s.rows(7, 7, 9);
    s.text("A7:B7", QStringLiteral("会　社　名"), look.label);
    s.text("C7:F7", QStringLiteral("作　業　内　容"), look.label);
    s.text("G7:H7", QStringLiteral("作業場所"), look.label);
    s.text("I7", QStringLiteral("予定\n人員"), look.label);
    s.text("J7:L7", QStringLiteral("指示事項・安全注意事項"), look.label);
    s.rows(8, 7 + kRows, 10.5);
    for (int row = 8; row < 8 + kRows; ++row)
        for (const Area &cell : {Area(1, row, 2, row), Area(3, row, 6, row), Area(7, row, 8, row), Area(9, row, 9, row),
                                 Area(10, row, 12, row)})
            s.blank(cell, look.value);
    s.box(Area(1, 7, kLast, 7 + kRows));
    s.horizontal(8, 1, kLast, Line::Medium);

    const int notes = 9 + kRows;
    s.rows(notes - 1, notes - 1, 3);
    s.text(Area(1, notes, 3, notes), QStringLiteral("連絡調整事項"), look.label.left());
    s.rows(notes + 1, notes + 3, 8);
    s.blank(Area(1, notes + 1, kLast, notes + 3), look.value);
    s.frame(Area(1, notes + 1, kLast, notes + 3), Line::Medium);
    s.rows(notes + 4, notes + 4, 4);
    signatures(s, look, notes + 5, {{2, QStringLiteral("元請担当者")}, {2, QStringLiteral("職　長")}});
    return s;
}

SheetBuilder meetingReport(const Looks &look)
{
    SheetBuilder s = page(look, QStringLiteral("安全ミーティング"), QStringLiteral("安全ミーティング報告書"), 31, 7.5);

    // The day's work as the team plans it.
    s.text("A6:B6", QStringLiteral("作　業　日"), look.label);
    s.marker("C6:F6", QStringLiteral("MKYMD"), look.value);
    s.text("G6:H6", QStringLiteral("一次会社名"), look.label);
    s.blank("I6:L6", look.value);
    s.text("A7:B7", QStringLiteral("施工会社名"), look.label);
    s.blank("C7:F7", look.value);
    s.text("G7:H7", QStringLiteral("職長氏名"), look.label);
    s.blank("I7:L7", look.value);
    const QString plan[4] = {QStringLiteral("作業場所"), QStringLiteral("作業内容"), QStringLiteral("作業方法"),
                             QStringLiteral("作業人員")};
    for (int i = 0; i < 4; ++i) {
        s.text(Area(1, 8 + i, 2, 8 + i), plan[i], look.label);
        s.blank(Area(3, 8 + i, kLast, 8 + i), look.value);
    }
    s.box("A6:L11");

    // 危険予知活動: what can go wrong and what the team does about it.
    s.rows(12, 12, 3);
    s.text("A13:L13", QStringLiteral("危険予知活動（ＫＹ）"), look.label.left().bolded());
    s.text("A14", QStringLiteral("No."), look.label);
    s.text("B14:F14", QStringLiteral("危険のポイント（どんな危険があるか）"), look.label);
    s.text("G14:L14", QStringLiteral("対策（私たちはこうする）"), look.label);
    for (int i = 0; i < 5; ++i) {
        const int row = 15 + i;
        s.text(Area(1, row), QString::number(i + 1), look.label);
        s.blank(Area(2, row, 6, row), look.value);
        s.blank(Area(7, row, kLast, row), look.value);
    }
    s.rows(15, 19, 11);
    s.box("A14:L19");
    s.text("A20:B21", QStringLiteral("指示事項"), look.label);
    s.blank("C20:L21", look.value);
    s.box("A20:L21");

    s.rows(22, 22, 3);
    s.text("A23:L23", QStringLiteral("参加者署名"), look.label.left().bolded());
    for (int row = 24; row <= 28; ++row)
        for (int column = 1; column <= kLast; column += 3) {
            s.text(Area(column, row), QString::number((row - 24) * 4 + (column - 1) / 3 + 1), look.label.sized(8));
            s.blank(Area(column + 1, row, column + 2, row), look.value);
        }
    s.rows(24, 28, 10);
    s.box("A24:L28");
    s.rows(29, 29, 4);
    signatures(s, look, 30, {{2, QStringLiteral("元請確認欄")}, {2, QStringLiteral("職　長")}});
    return s;
}

SheetBuilder trainingReport(const Looks &look)
{
    SheetBuilder s = page(look, QStringLiteral("教育実施"), QStringLiteral("新規入場時等教育実施報告書"), 30, 7);
    s.text("A6:B6", QStringLiteral("事業所の名称"), look.label);
    s.marker("C6:G6", QStringLiteral("JIGYONM"), look.value);
    s.text("A7:B7", QStringLiteral("所　長　名"), look.label);
    s.marker("C7:G7", QStringLiteral("SHOTYONM"), look.value);
    s.underline("C6:G7");
    s.horizontal(7, 3, 7, Line::Thin);
    s.text("H7:I7", QStringLiteral("会　社　名"), look.label);
    s.blank("J7:L7", look.value);
    s.underline("J7:L7");
    s.rows(8, 8, 3);

    s.text("A9:B9", QStringLiteral("教育実施日時"), look.label);
    s.marker("C9:G9", QStringLiteral("MKYMD"), look.value);
    s.text("H9:L9", QStringLiteral("　　時　　分　～　　時　　分"), look.label);
    s.text("A10:B10", QStringLiteral("実施場所"), look.label);
    s.blank("C10:L10", look.value);
    s.text("A11:B11", QStringLiteral("教育方法"), look.label);
    s.text("C11:L11", QStringLiteral("講義　・　視聴覚教材　・　実技　・　その他（　　　　　　　　）"),
           look.label.left().indented(1));
    const QString topics[6] = {
        QStringLiteral("□ 作業所の概要と現場のルール"), QStringLiteral("□ 作業内容と危険有害要因"),
        QStringLiteral("□ 安全施設・保護具の使用方法"), QStringLiteral("□ 整理整頓と通路の確保"),
        QStringLiteral("□ 事故発生時の連絡と避難方法"), QStringLiteral("□ 健康管理と熱中症の予防"),
    };
    s.text("A12:B14", QStringLiteral("教育内容"), look.label);
    for (int i = 0; i < 6; ++i)
        s.text(Area(3 + 5 * (i % 2), 12 + i / 2, 7 + 5 * (i % 2), 12 + i / 2), topics[i],
               look.label.left().indented(1));
    s.text("A15:B15", QStringLiteral("講　　師"), look.label);
    s.blank("C15:L15", look.value);
    s.box("A9:L15");
    for (int row = 12; row <= 13; ++row)
        s.horizontal(row + 1, 3, kLast, Line::None);
    s.vertical(8, 12, 14, Line::None);

    s.rows(16, 16, 3);
    s.text("A17:L17", QStringLiteral("受講者"), look.label.left().bolded());
    for (int half = 0; half < 2; ++half) {
        const int left = 1 + 6 * half;
        s.text(Area(left, 18), QStringLiteral("No."), look.label);
        s.text(Area(left + 1, 18, left + 2, 18), QStringLiteral("氏　　名"), look.label);
        s.text(Area(left + 3, 18, left + 4, 18), QStringLiteral("職　種"), look.label);
        s.text(Area(left + 5, 18), QStringLiteral("署　名"), look.label);
        for (int i = 0; i < 10; ++i) {
            const int row = 19 + i;
            s.text(Area(left, row), QString::number(10 * half + i + 1), look.label.sized(8));
            s.blank(Area(left + 1, row, left + 2, row), look.value);
            s.blank(Area(left + 3, row, left + 4, row), look.value);
            s.blank(Area(left + 5, row), look.value);
        }
        s.box(Area(left, 18, left + 5, 28));
    }
    s.rows(19, 28, 10);
    s.rows(29, 29, 3);
    s.text("A30:L30",
           QStringLiteral("（注）受講者は本人が署名すること。新規入場者調査票を使う場合はその写しを添付すること。"),
           look.note);
    return s;
}

}  // namespace

celvane::Workbook safetySheets()
{
    const Looks look;
    FormBook book;
    book.add(instructionSheet(look));
    book.add(meetingReport(look));
    book.add(trainingReport(look));
    return book.workbook();
}

}  // namespace templates
