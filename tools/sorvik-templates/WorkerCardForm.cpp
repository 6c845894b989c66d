// 作業員票: one worker a page on A3 portrait, with photo, barcode, the roster's particulars
// and up to ten qualification certificates. The document sets rows 1–98 as one page and
// writes qualification i into the block at 7 × (i mod 2) columns and 17 × (i div 2) rows
// from the first block's markers.
#include "Forms.h"
#include "FormBook.h"
#include "SheetBuilder.h"

namespace templates {

namespace {

constexpr int kBlockColumns = 7;
constexpr int kBlockRows = 17;
constexpr int kFirstBlockRow = 14;
constexpr int kLastRow = 98;

struct Looks
{
    CellLook label = CellLook{}.in(kMincho).sized(8).center().shrunk();
    CellLook value = CellLook{}.sized(9).left().shrunk().indented(1);
    CellLook list = CellLook{}.sized(8).left().top().wrapped();
};

void particulars(SheetBuilder &s, const Looks &look)
{
    const auto pair = [&](const char *labelCells, const QString &caption, const char *valueCells, const char *marker,
                          const CellLook &valueLook) {
        s.text(Area(labelCells), caption, look.label);
        s.marker(Area(valueCells), QLatin1String(marker), valueLook);
    };
    s.text("A1:I1", QStringLiteral("作　業　員　票"), CellLook{}.in(kMincho).sized(18).bolded().center());
    pair("A2", QStringLiteral("会 社 名"), "B2:D2", "CMPNM", look.value);
    pair("E2", QStringLiteral("ＴＥＬ"), "F2:I2", "CMPTEL", look.value);
    pair("A3", QStringLiteral("ふりがな"), "B3:D3", "FURI", look.value.sized(8));
    pair("E3", QStringLiteral("職　種"), "F3:I3", "SHOKUSHU", look.value);
    pair("A4", QStringLiteral("氏　名"), "B4:D4", "NAME", look.value.sized(12).bolded());
    pair("E4", QStringLiteral("※"), "F4:I4", "KOME", look.value);
    pair("A5", QStringLiteral("生年月日"), "B5:D5", "BNDT", look.value);
    pair("E5", QStringLiteral("年　齢"), "F5:I5", "OLD", look.value);
    pair("A6", QStringLiteral("現 住 所"), "B6:I6", "ADD", look.value);
    pair("A7", QStringLiteral("家族連絡先"), "B7:I7", "FAMADD", look.value);
    pair("A8", QStringLiteral("雇入年月日"), "B8:D8", "KOYMD", look.value);
    pair("E8", QStringLiteral("経験年数"), "F8:I8", "KEINEN", look.value);
    pair("A9", QStringLiteral("健康診断日"), "B9:D9", "KSYMD", look.value);
    pair("E9", QStringLiteral("血　圧"), "F9:I9", "PRS", look.value);
    pair("A10", QStringLiteral("特殊健康診断日"), "B10:D10", "TKYMD", look.value);
    pair("E10", QStringLiteral("種　類"), "F10:I10", "TKTYP", look.value);
    s.box("A2:I10");

    // Barcode (45 × 20 mm from the cell's corner) and photo (34 × 41 mm).
    s.marker("J2:L6", QStringLiteral("BACD"), look.label.sized(10));
    s.frame("J2:L6", SheetBuilder::Line::Thin);
    pair("J7", QStringLiteral("共済番号"), "K7:L7", "KYONO", look.value);
    pair("J8", QStringLiteral("血 液 型"), "K8:L8", "BRTYP", look.value);
    pair("J9", QStringLiteral("入場年月日"), "K9:L9", "INDT", look.value);
    pair("J10", QStringLiteral("受入教育日"), "K10:L10", "UKDT", look.value);
    s.box("J7:L10");
    s.marker("M2:M10", QStringLiteral("PHOTO"), look.label);
    s.frame("M2:M10", SheetBuilder::Line::Thin);

    s.text("A11:D11", QStringLiteral("雇入・職長　特別教育"), look.label);
    s.text("E11:I11", QStringLiteral("技　能　講　習"), look.label);
    s.text("J11:M11", QStringLiteral("免　　許"), look.label);
    s.marker("A12:D13", QStringLiteral("TKLN"), look.list);
    s.marker("E12:I13", QStringLiteral("GNLN"), look.list);
    s.marker("J12:M13", QStringLiteral("MKLN"), look.list);
    s.box("A11:M13");
}

// A qualification: its particulars in a strip on the left, the certificate's copy
// (107 × 64 mm from the cell's corner) to the right.
void qualification(SheetBuilder &s, const Looks &look, int index)
{
    const int left = 1 + kBlockColumns * (index % 2);
    const int top = kFirstBlockRow + kBlockRows * (index / 2);
    const bool first = index == 0;
    const auto value = [&](int fromRow, int toRow, const char *marker, const CellLook &l) {
        const Area area(left, top + fromRow, left, top + toRow);
        if (first)
            s.marker(area, QLatin1String(marker), l);
        else
            s.blank(area, l);
    };
    s.text(Area(left, top), QStringLiteral("資格・免許・講習"), look.label.sized(7));
    value(1, 5, "SKNM", look.list.sized(8));
    s.text(Area(left, top + 6), QStringLiteral("番　　号"), look.label.sized(7));
    value(7, 8, "SKNO", look.value.sized(8));
    s.text(Area(left, top + 9), QStringLiteral("取得年月日"), look.label.sized(7));
    value(10, 11, "SKDT", look.value.sized(8));
    s.text(Area(left, top + 12), QStringLiteral("有効期限"), look.label.sized(7));
    value(13, 14, "YKDT", look.value.sized(8));
    s.blank(Area(left, top + 15), look.label);
    for (int row : {1, 7, 10, 13})
        s.horizontal(top + row, left, left, SheetBuilder::Line::Hair);
    for (int row : {6, 9, 12, 15})
        s.horizontal(top + row, left, left, SheetBuilder::Line::Thin);
    const Area picture(left + 1, top, left + 5, top + 15);
    if (first)
        s.marker(picture, QStringLiteral("GAZ"), look.label.sized(9));
    else
        s.blank(picture, look.label.sized(9));
    s.frame(Area(left, top, left + 5, top + 15), SheetBuilder::Line::Thin);
    s.vertical(left + 1, top, top + 15, SheetBuilder::Line::Thin);
}

}  // namespace

celvane::Workbook workerCard()
{
    const Looks look;
    SheetBuilder s(QStringLiteral("作業員票"));
    s.page(Paper::A3, Orientation::Portrait, 8.0);
    // Two qualification blocks across: a 26 mm strip, 108 mm of picture and a 3 mm gap each;
    // the second block's picture columns also frame the photo (M, 36 mm) and barcode.
    s.columns(1, {26, 21.6, 21.6, 21.6, 21.6, 21.6, 3, 26, 22, 22, 14, 14, 36, 3});
    s.rows(1, 1, 9);
    s.rows(2, 10, 5);
    s.rows(11, 11, 4);
    s.rows(12, 13, 5.5);
    for (int block = 0; block < 5; ++block) {
        const int top = kFirstBlockRow + kBlockRows * block;
        s.rows(top, top + 15, 4);
        s.rows(top + 16, top + 16, 2);
    }
    particulars(s, look);
    for (int index = 0; index < 10; ++index)
        qualification(s, look, index);
    s.printArea(14, kLastRow);

    return FormBook::single(s);
}

}  // namespace templates
