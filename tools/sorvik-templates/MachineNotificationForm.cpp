// 持込機械等（移動式クレーン・車両系建設機械等）使用届 with its checklist: two A4 portrait
// pages side by side on one sheet, rows 1–110, the notification in columns A–J and the
// checklist in K–U after a column break, printed across then down so that every machine's
// two pages follow each other. Every checklist item takes two rows: the document writes
// item n's marks at a row offset of 2 × (n − 1), (a) in the marker's column and (b) in the
// next.
#include "EquipmentHeader.h"
#include "Forms.h"
#include "FormBook.h"

namespace templates {

namespace {

using Line = SheetBuilder::Line;
constexpr int kLastRow = 110;
constexpr int kNoticeLast = 10;     // column J
constexpr int kChecklist = 11;      // column K
constexpr int kChecklistLast = 21;  // column U
constexpr int kFirstItemRow = 9;

struct Looks
{
    CellLook label = CellLook{}.sized(8).center().wrapped();
    CellLook value = CellLook{}.sized(9).left().shrunk().indented(1);
    CellLook mark = CellLook{}.sized(10).center();
};

// A line of the notification: caption and value, three rows (7.5 mm) high.
void pair(SheetBuilder &s, const Looks &look, int row, int captionFrom, int captionTo, int valueFrom, int valueTo,
          const QString &caption, const QString &marker)
{
    s.text(Area(captionFrom, row, captionTo, row + 2), caption, look.label);
    s.marker(Area(valueFrom, row, valueTo, row + 2), marker, look.value);
}

int companies(SheetBuilder &s, const Looks &look, int row)
{
    s.blank(Area(1, row, 2, row + 1), look.label);
    s.text(Area(3, row, 6, row + 1), QStringLiteral("会　社　名"), look.label);
    s.text(Area(7, row, 8, row + 1), QStringLiteral("代表者名"), look.label);
    s.text(Area(9, row, 10, row + 1), QStringLiteral("電　話"), look.label);
    const int first = row + 2;
    s.text(Area(1, first, 2, first + 2), QStringLiteral("持込会社"), look.label);
    s.marker(Area(3, first, 3, first + 2), QStringLiteral("HNDUNUM"), look.value.sized(8).center());
    s.marker(Area(4, first, 6, first + 2), QStringLiteral("HNDOWCMPNM"), look.value);
    s.marker(Area(7, first, 8, first + 2), QStringLiteral("HNDPRE"), look.value);
    s.marker(Area(9, first, 10, first + 2), QStringLiteral("HNDTEL"), look.value);
    s.text(Area(1, first + 3, 2, first + 5), QStringLiteral("使用会社"), look.label);
    s.marker(Area(3, first + 3, 6, first + 5), QStringLiteral("USECMPNM"), look.value);
    s.marker(Area(7, first + 3, 8, first + 5), QStringLiteral("USEPRE"), look.value);
    s.text(Area(1, first + 6, 2, first + 8), QStringLiteral("所有会社"), look.label);
    s.marker(Area(3, first + 6, 6, first + 8), QStringLiteral("OWNCMP"), look.value);
    s.marker(Area(7, first + 6, 8, first + 8), QStringLiteral("OWNPRE"), look.value);
    s.blank(Area(9, first + 3, 10, first + 8), look.value);
    s.box(Area(1, row, kNoticeLast, first + 8));
    s.vertical(4, first, first + 2, Line::None);
    return first + 9;
}

int machine(SheetBuilder &s, const Looks &look, int row)
{
    const int top = row;
    pair(s, look, row, 1, 2, 3, 6, QStringLiteral("機　械　名"), QStringLiteral("KKNM"));
    pair(s, look, row, 7, 7, 8, 10, QStringLiteral("メーカー"), QStringLiteral("KKMK"));
    pair(s, look, row += 3, 1, 2, 3, 10, QStringLiteral("規格・性能"), QStringLiteral("KKSPEC"));
    pair(s, look, row += 3, 1, 2, 3, 6, QStringLiteral("製　造　年"), QStringLiteral("MDYMD"));
    pair(s, look, row, 7, 7, 8, 10, QStringLiteral("管理番号"), QStringLiteral("KNRNO"));
    pair(s, look, row += 3, 1, 2, 3, 6, QStringLiteral("持込年月日"), QStringLiteral("STDT"));
    pair(s, look, row, 7, 7, 8, 10, QStringLiteral("搬出予定\n年月日"), QStringLiteral("FNDT"));
    pair(s, look, row += 3, 1, 2, 3, 6, QStringLiteral("使用場所"), QStringLiteral("USNM"));
    pair(s, look, row, 7, 7, 8, 10, QStringLiteral("自社・リース"), QStringLiteral("ISRS"));
    row += 3;
    s.box(Area(1, top, kNoticeLast, row - 1));
    return row;
}

int operators(SheetBuilder &s, const Looks &look, int row)
{
    s.text(Area(1, row, 2, row + 7), QStringLiteral("運　転　者"), look.label);
    s.text(Area(3, row, 3, row + 1), QStringLiteral("区分"), look.label);
    s.text(Area(4, row, 6, row + 1), QStringLiteral("氏　　名"), look.label);
    s.text(Area(7, row, 10, row + 1), QStringLiteral("免許・資格"), look.label);
    s.text(Area(3, row + 2, 3, row + 4), QStringLiteral("正"), look.label);
    s.marker(Area(4, row + 2, 6, row + 4), QStringLiteral("DRV1"), look.value);
    s.marker(Area(7, row + 2, 10, row + 4), QStringLiteral("DRV1LS"), look.value);
    s.text(Area(3, row + 5, 3, row + 7), QStringLiteral("副"), look.label);
    s.marker(Area(4, row + 5, 6, row + 7), QStringLiteral("DRV2"), look.value);
    s.marker(Area(7, row + 5, 10, row + 7), QStringLiteral("DRV2LS"), look.value);
    s.box(Area(1, row, kNoticeLast, row + 7));
    return row + 8;
}

struct Captioned
{
    QString caption;
    QString marker;
    bool captionWritten = false;  // the program writes the caption itself
};

// Captions over values, sharing the value columns evenly, with a common label on the left.
int captionedValues(SheetBuilder &s, const Looks &look, int row, const QString &title,
                    const std::vector<Captioned> &items)
{
    s.text(Area(1, row, 2, row + 4), title, look.label);
    const int count = int(items.size());
    for (int i = 0; i < count; ++i) {
        const int column = 3 + 8 * i / count;
        const int last = 2 + 8 * (i + 1) / count;
        const Area caption(column, row, last, row + 1);
        if (items[i].captionWritten)
            s.marker(caption, items[i].caption, look.label);
        else
            s.text(caption, items[i].caption, look.label);
        s.marker(Area(column, row + 2, last, row + 4), items[i].marker, look.value.center());
    }
    s.box(Area(1, row, kNoticeLast, row + 4));
    return row + 5;
}

void notification(SheetBuilder &s, const Looks &look)
{
    s.text("A1:B2", QStringLiteral("受理番号"), look.label);
    s.marker("C1:D2", QStringLiteral("JYUNO"), look.value.center().sized(10));
    s.text("A3:B4", QStringLiteral("受理年月日"), look.label);
    s.marker("C3:D4", QStringLiteral("LBLSTDT"), look.value.center());
    s.box("A1:D4");
    EquipmentHeader{"G1:J2", "A6:B7", "C6:F7", "A8:B9", "C8:F9", "G8:G9", "H8:J9"}.place(s, look.label, look.value);
    s.text("A11:J14", QStringLiteral("持込機械等（移動式クレーン・車両系建設機械等）使用届"),
           CellLook{}.in(kMincho).sized(14).bolded().center());
    int row = companies(s, look, 16);
    row = machine(s, look, row + 1);
    row = operators(s, look, row + 1);
    row = captionedValues(s, look, row + 1, QStringLiteral("自主検査・\n性能検査\n有効期限"),
                          {{QStringLiteral("年　次"), QStringLiteral("TES1YMD")},
                           {QStringLiteral("月　次"), QStringLiteral("TES2YMD")},
                           {QStringLiteral("特　定"), QStringLiteral("TES3YMD")},
                           {QStringLiteral("性能検査"), QStringLiteral("TES4YMD")}});
    row = captionedValues(s, look, row, QStringLiteral("自動車\n検査証"),
                          {{QStringLiteral("有効期限"), QStringLiteral("TES5YMD")}});
    // The fourth insurance column is headed by the kind the program writes (その他 when none).
    row = captionedValues(s, look, row + 1, QStringLiteral("任意保険"),
                          {{QStringLiteral("対　人"), QStringLiteral("DV1")},
                           {QStringLiteral("対　物"), QStringLiteral("DV2")},
                           {QStringLiteral("搭乗者"), QStringLiteral("DV3")},
                           {QStringLiteral("DV4TYP"), QStringLiteral("DV4"), true},
                           {QStringLiteral("有効期限"), QStringLiteral("DVYMD")}});
    const int caution = row + 1;
    s.text(Area(1, caution, 2, caution + 9), QStringLiteral("機械の特性\nその他\n注意事項"), look.label);
    s.marker(Area(3, caution, kNoticeLast, caution + 9), QStringLiteral("CAUTION"), look.value.wrapped().top());
    s.box(Area(1, caution, kNoticeLast, caution + 9));
    const int notes = caution + 11;
    const CellLook note = look.label.left().sized(7.5);
    s.text(Area(1, notes, 7, notes + 1), QStringLiteral("（注）"), note);
    s.text(Area(1, notes + 2, 7, notes + 4),
           QStringLiteral("１　自動車検査証、任意保険証券、運転者の免許証・資格証の写しを添付すること。"),
           note.wrapped());
    s.text(Area(1, notes + 5, 7, notes + 7), QStringLiteral("２　裏面の点検表により持込時の点検を行うこと。"),
           note.wrapped());
    s.text(Area(8, notes, kNoticeLast, notes + 1), QStringLiteral("元請確認欄"), look.label);
    s.blank(Area(8, notes + 2, kNoticeLast, kLastRow - 2), look.value);
    s.box(Area(8, notes, kNoticeLast, kLastRow - 2));
}

struct Group
{
    QString name;
    QStringList items;  // an empty name keeps its rows for an item no longer used
};

// A group of the checklist: its letter and name down the left, its items two rows each.
int checkGroup(SheetBuilder &s, const Looks &look, int left, int row, QChar letter, const Group &group)
{
    const int rows = 2 * int(group.items.size());
    const QChar wide(letter.unicode() - u'A' + u'Ａ');
    s.text(Area(left, row, left, row + rows - 1), QString(wide) + u'　' + group.name, look.label.stacked());
    for (int n = 0; n < group.items.size(); ++n) {
        const int r = row + 2 * n;
        s.text(Area(left + 1, r, left + 1, r + 1), QString::number(n + 1), look.label);
        const Area name(left + 2, r, left + 2, r + 1);
        if (letter == u'H' && n == 0)
            s.marker(name, QStringLiteral("CHKCMT"), look.value);
        else if (letter == u'H')
            s.blank(name, look.value);
        else
            s.text(name, group.items[n], look.label.left().indented(1));
        const Area a(left + 3, r, left + 3, r + 1);
        if (n == 0)
            s.marker(a, QStringLiteral("CHK") + letter, look.mark);
        else
            s.blank(a, look.mark);
        s.blank(Area(left + 4, r, left + 4, r + 1), look.mark);
    }
    s.box(Area(left, row, left + 4, row + rows - 1), Line::Medium, Line::Thin);
    return row + rows;
}

void checklistHead(SheetBuilder &s, const Looks &look, int left)
{
    s.text(Area(left, 5, left + 2, 8), QStringLiteral("点　検　事　項"), look.label);
    s.text(Area(left + 3, 5, left + 4, 6), QStringLiteral("点検結果"), look.label);
    s.text(Area(left + 3, 7, left + 3, 8), QStringLiteral("（ａ）"), look.label);
    s.text(Area(left + 4, 7, left + 4, 8), QStringLiteral("（ｂ）"), look.label);
    s.box(Area(left, 5, left + 4, 8));
}

void checklist(SheetBuilder &s, const Looks &look)
{
    const int right = kChecklist + 6;
    s.text(Area(kChecklist, 1, kChecklistLast, 3), QStringLiteral("持込機械等点検表"),
           CellLook{}.in(kMincho).sized(14).bolded().center());
    checklistHead(s, look, kChecklist);
    checklistHead(s, look, right);

    const QString none;
    const Group groups[8] = {
        {QStringLiteral("クレーン部"),
         {QStringLiteral("巻過防止装置"), QStringLiteral("過負荷防止装置"), QStringLiteral("フックのはずれ止め"),
          QStringLiteral("起伏制御装置"), QStringLiteral("旋回警報装置"), QStringLiteral("主巻・補巻"),
          QStringLiteral("起伏・旋回"), QStringLiteral("クラッチ"), QStringLiteral("ブレーキ・ロック"),
          QStringLiteral("ジブ"), QStringLiteral("滑車"), QStringLiteral("フック・バケット"),
          QStringLiteral("ワイヤーロープ・チェーン"), QStringLiteral("玉掛用具"), QStringLiteral("操作装置"),
          QStringLiteral("性能表示"), QStringLiteral("照明")}},
        {QStringLiteral("車両部"),
         {QStringLiteral("ブレーキ"), QStringLiteral("クラッチ"), QStringLiteral("ハンドル"), QStringLiteral("タイヤ"),
          QStringLiteral("クローラ"), QStringLiteral("警報装置"), QStringLiteral("各種ミラー"),
          QStringLiteral("方向指示器"), QStringLiteral("前後照灯"), QStringLiteral("左折プロテクター"),
          QStringLiteral("アウトリガ"), QStringLiteral("昇降装置"), QStringLiteral("ベッセル"),
          QStringLiteral("後方監視装置")}},
        {QStringLiteral("ゴンドラ"),
         {QStringLiteral("突りょう"), QStringLiteral("作業床"), QStringLiteral("昇降装置"), QStringLiteral("電気装置"),
          QStringLiteral("ワイヤ・ライフライン")}},
        {QStringLiteral("安全装置"),
         {QStringLiteral("旋回"), QStringLiteral("バケット"), QStringLiteral("ブーム・アーム"), none, none, none,
          QStringLiteral("警報装置"), QStringLiteral("アウトリガ"), QStringLiteral("ヘッドガード"),
          QStringLiteral("照明")}},
        {QStringLiteral("作業装置"),
         {QStringLiteral("操作装置"), QStringLiteral("バケット・ブレード"), QStringLiteral("ブーム・アーム"),
          QStringLiteral("ジブ"), QStringLiteral("リーダ"), QStringLiteral("ハンマ・オーガ・バイブロ"),
          QStringLiteral("油圧駆動装置"), QStringLiteral("ワイヤロープ・チェーン"), QStringLiteral("つり具等"),
          QStringLiteral("滑車")}},
        {QStringLiteral("走行部"),
         {QStringLiteral("ブレーキ"), QStringLiteral("駐車ブレーキ"), QStringLiteral("ブレーキロック"),
          QStringLiteral("クラッチ"), QStringLiteral("操縦装置"), QStringLiteral("タイヤ・鉄輪"),
          QStringLiteral("クローラ")}},
        {QStringLiteral("電気装置"),
         {QStringLiteral("配電線"), QStringLiteral("配線"), QStringLiteral("絶縁"), QStringLiteral("アース"), none}},
        {QStringLiteral("その他"), {none, none, none, none}},
    };
    // A to C on the left, D to H on the right: 72 rows each.
    int row = kFirstItemRow;
    for (int g = 0; g < 3; ++g)
        row = checkGroup(s, look, kChecklist, row, QChar(u'A' + g), groups[g]);
    row = kFirstItemRow;
    for (int g = 3; g < 8; ++g)
        row = checkGroup(s, look, right, row, QChar(u'A' + g), groups[g]);

    const int foot = row + 2;
    s.text(Area(kChecklist, foot, kChecklist + 2, foot + 1), QStringLiteral("点検結果"), look.label);
    s.text(Area(kChecklist + 3, foot, kChecklist + 5, foot + 1), QStringLiteral("（ａ）"), look.label);
    s.text(Area(kChecklist + 6, foot, kChecklistLast, foot + 1), QStringLiteral("（ｂ）"), look.label);
    s.text(Area(kChecklist, foot + 2, kChecklist + 2, foot + 4), QStringLiteral("点　検　日"), look.label);
    s.marker(Area(kChecklist + 3, foot + 2, kChecklist + 5, foot + 4), QStringLiteral("CHKYMD1"), look.value);
    s.marker(Area(kChecklist + 6, foot + 2, kChecklistLast, foot + 4), QStringLiteral("CHKYMD2"), look.value);
    s.text(Area(kChecklist, foot + 5, kChecklist + 2, foot + 7), QStringLiteral("点　検　者"), look.label);
    s.marker(Area(kChecklist + 3, foot + 5, kChecklist + 5, foot + 7), QStringLiteral("CHKER1"), look.value);
    s.marker(Area(kChecklist + 6, foot + 5, kChecklistLast, foot + 7), QStringLiteral("CHKER2"), look.value);
    s.box(Area(kChecklist, foot, kChecklistLast, foot + 7));
    const CellLook note = look.label.left().sized(7.5);
    s.text(Area(kChecklist, foot + 9, kChecklistLast, foot + 10),
           QStringLiteral("（注）点検結果の欄には、良好なものにレ印を記入すること。"), note);
    s.text(Area(kChecklist, foot + 11, kChecklistLast, foot + 12),
           QStringLiteral("　　　不良箇所は整備した後に持ち込むこと。"), note);
}

}  // namespace

celvane::Workbook machineNotification()
{
    const Looks look;
    SheetBuilder s(QStringLiteral("持込機械届"));
    s.page(Paper::A4, Orientation::Portrait, 10.0);
    s.columns(1, {8, 18, 20, 20, 20, 20, 20, 20, 20, 20});
    s.columns(kChecklist, {7, 6, 52, 13, 13, 4, 7, 6, 52, 13, 13});
    s.rows(1, kLastRow, 2.5);
    s.breakAfterColumn(kNoticeLast);
    s.pagesAcrossThenDown();

    notification(s, look);
    checklist(s, look);
    s.printArea(kChecklistLast, kLastRow);

    return FormBook::single(s);
}

}  // namespace templates
