// The inspection sheets: the scaffold's periodic check (A4 portrait) and its daily check by
// the week, the machine's monthly self-inspection and its daily check by the month (A4
// landscape). There is no industry form for these; they follow the items the safety
// regulations name. Each is one page; "**JIGYONM" holds the project's name here.
#include "Forms.h"
#include "FormBook.h"
#include "SheetBuilder.h"

namespace templates {

namespace {

using Line = SheetBuilder::Line;

struct Looks
{
    CellLook label = CellLook{}.sized(9).center().wrapped();
    CellLook item = CellLook{}.sized(9).left().wrapped().indented(1);
    CellLook value = CellLook{}.sized(10).left().shrunk().indented(1);
    CellLook title = CellLook{}.in(kMincho).sized(16).bolded().center();
    CellLook note = CellLook{}.sized(8).left();
};

// A caption and the value the program writes after it, underlined.
void field(SheetBuilder &s, const Looks &look, const Area &caption, const QString &text, const Area &value,
           const QString &marker)
{
    s.text(caption, text, look.label);
    s.marker(value, marker, look.value);
    s.underline(value);
}

// A caption and a line left for handwriting after it.
void handField(SheetBuilder &s, const Looks &look, const Area &caption, const QString &text, const Area &value)
{
    s.text(caption, text, look.label);
    s.blank(value, look.value);
    s.underline(value);
}

SheetBuilder onePage(const QString &name, Orientation orientation, int lastColumn, int lastRow)
{
    SheetBuilder s(name);
    s.page(Paper::A4, orientation, 10.0);
    s.fitToOnePage();
    s.printArea(lastColumn, lastRow);
    return s;
}

const QStringList kScaffoldItems = {
    QStringLiteral("作業床の床材の損傷、取付け及び掛渡しの状態"),
    QStringLiteral("作業床の床材間のすき間（３cm以下）、床材と建地とのすき間（１２cm未満）"),
    QStringLiteral("建地、布、腕木等の緊結部、接続部及び取付部の緩みの状態"),
    QStringLiteral("緊結材及び緊結金具の損傷及び腐食の状態"),
    QStringLiteral("建地、布及び腕木の損傷の有無"),
    QStringLiteral("手すり、中さん等の取外し及び脱落の有無"),
    QStringLiteral("幅木等の取付け状態及び取外しの有無"),
    QStringLiteral("脚部の沈下及び滑動の状態（敷板・ベース金具）"),
    QStringLiteral("筋かい、控え、壁つなぎ等の補強材の取付け状態及び取外しの有無"),
    QStringLiteral("昇降設備の取付け状態"),
    QStringLiteral("養生ネット・シート、朝顔等の取付け状態"),
    QStringLiteral("最大積載荷重等の表示"),
};

// 足場定期: the check before work after a storm, an earthquake or a change of the scaffold,
// item by item with its result and correction.
SheetBuilder scaffoldPeriodic(const Looks &look)
{
    SheetBuilder s = onePage(QStringLiteral("足場定期"), Orientation::Portrait, 8, 26);
    s.columns(1, {13, 57, 22, 16, 16, 30, 16, 20});
    s.rows(1, 26, 8);
    s.rows(1, 1, 14);
    s.text("A1:H1", QStringLiteral("足 場 点 検 表（定期）"), look.title);
    field(s, look, "A2:A2", QStringLiteral("工事名"), "B2:E2", QStringLiteral("JIGYONM"));
    handField(s, look, "F2", QStringLiteral("点検日"), "G2:H2");
    field(s, look, "A3:A3", QStringLiteral("場所"), "B3:E3", QStringLiteral("BASHO"));
    s.text("F3", QStringLiteral("点検理由"), look.label);
    s.text("G3:H3", QStringLiteral("定期・悪天候後・変更後"), look.label.sized(8));
    s.rows(4, 4, 4);
    s.text("A5", QStringLiteral("No."), look.label);
    s.text("B5:C5", QStringLiteral("点　検　事　項"), look.label);
    s.text("D5", QStringLiteral("適"), look.label);
    s.text("E5", QStringLiteral("否"), look.label);
    s.text("F5:G5", QStringLiteral("是　正　内　容"), look.label);
    s.text("H5", QStringLiteral("是正確認"), look.label);
    for (int i = 0; i < kScaffoldItems.size(); ++i) {
        const int row = 6 + i;
        s.rows(row, row, 12);
        s.text(Area(1, row), QString::number(i + 1), look.label);
        s.text(Area(2, row, 3, row), kScaffoldItems[i], look.item);
        s.blank(Area(6, row, 7, row), look.value);
    }
    const int last = 5 + int(kScaffoldItems.size());
    s.box(Area(1, 5, 8, last));
    s.horizontal(6, 1, 8, Line::Medium);
    s.rows(last + 1, last + 1, 4);
    s.text(Area(1, last + 2, 8, last + 2),
           QStringLiteral("（注）強風・大雨・大雪等の悪天候若しくは中震以上の地震又は足場の組立て・一部解体・変更の後、"
                          "作業開始前に点検すること。"),
           look.note.wrapped());
    s.rows(last + 2, last + 2, 10);
    s.rows(last + 3, last + 3, 4);
    s.text(Area(5, last + 4, 6, last + 4), QStringLiteral("点検者（足場点検実務者）"), look.label.sized(8));
    s.text(Area(7, last + 4, 8, last + 4), QStringLiteral("確認者（元請）"), look.label.sized(8));
    s.rows(last + 5, last + 5, 16);
    s.blank(Area(5, last + 5, 6, last + 5), look.label);
    s.blank(Area(7, last + 5, 8, last + 5), look.label);
    s.box(Area(5, last + 4, 8, last + 5));
    return s;
}

// 足場始業前: a week of daily checks, each day with 良 and 否.
SheetBuilder scaffoldDaily(const Looks &look)
{
    constexpr int kDays = 7;
    constexpr int kFirstDay = 3;
    constexpr int kLast = kFirstDay + 2 * kDays - 1;
    SheetBuilder s = onePage(QStringLiteral("足場始業前"), Orientation::Landscape, kLast, 20);
    s.columns(1, {13, 90});
    s.columns(kFirstDay, kLast, 12);
    s.rows(1, 24, 8);
    s.rows(1, 1, 13);
    s.text(Area(1, 1, kLast, 1), QStringLiteral("足 場 点 検 表（始業前）"), look.title);
    field(s, look, "A2:A2", QStringLiteral("工事名"), "B2:B2", QStringLiteral("JIGYONM"));
    s.text(Area(kFirstDay, 2, kFirstDay + 1, 2), QStringLiteral("期　間"), look.label);
    s.text(Area(kFirstDay + 2, 2, kLast, 2), QStringLiteral("令和　　年　　月　　日　～　　月　　日"),
           look.label.left().indented(1));
    s.underline(Area(kFirstDay + 2, 2, kLast, 2));
    field(s, look, "A3:A3", QStringLiteral("場所"), "B3:B3", QStringLiteral("BASHO"));
    s.rows(4, 4, 4);

    s.text("A5:A6", QStringLiteral("No."), look.label);
    s.text("B5:B6", QStringLiteral("点　検　項　目"), look.label);
    for (int day = 0; day < kDays; ++day) {
        const int column = kFirstDay + 2 * day;
        s.text(Area(column, 5, column + 1, 5), QStringLiteral("　月　日（　）"), look.label.sized(8));
        s.text(Area(column, 6), QStringLiteral("良"), look.label);
        s.text(Area(column + 1, 6), QStringLiteral("否"), look.label);
    }
    const QStringList daily = {
        QStringLiteral("作業床の床材の損傷、ずれ、すき間"),
        QStringLiteral("緊結部・接続部の緩み、外れ"),
        QStringLiteral("手すり・中さん・幅木の取外し、脱落"),
        QStringLiteral("筋かい・壁つなぎの取外し、緩み"),
        QStringLiteral("脚部の沈下・滑動（敷板・ベース金具）"),
        QStringLiteral("建地・布・腕木の損傷、変形"),
        QStringLiteral("昇降設備の状態"),
        QStringLiteral("養生ネット・シートの破れ、外れ"),
        QStringLiteral("足場上の整理整頓、資材の置き方"),
        QStringLiteral("最大積載荷重の表示"),
    };
    for (int i = 0; i < daily.size(); ++i) {
        const int row = 7 + i;
        s.rows(row, row, 10);
        s.text(Area(1, row), QString::number(i + 1), look.label);
        s.text(Area(2, row), daily[i], look.item);
    }
    const int signRow = 7 + int(daily.size());
    s.rows(signRow, signRow + 1, 12);
    s.text(Area(1, signRow, 2, signRow), QStringLiteral("点　検　者"), look.label);
    s.text(Area(1, signRow + 1, 2, signRow + 1), QStringLiteral("確　認　者"), look.label);
    for (int day = 0; day < kDays; ++day)
        for (int row : {signRow, signRow + 1})
            s.blank(Area(kFirstDay + 2 * day, row, kFirstDay + 2 * day + 1, row), look.label);
    const Area table(1, 5, kLast, signRow + 1);
    s.box(table);
    s.horizontal(7, 1, kLast, Line::Medium);
    s.horizontal(signRow, 1, kLast, Line::Medium);
    for (int day = 1; day < kDays; ++day)
        s.vertical(kFirstDay + 2 * day, 5, signRow + 1, Line::Medium);
    s.text(Area(1, signRow + 3, kLast, signRow + 3),
           QStringLiteral(
               "（注）良好なものは「良」の欄に、不良のものは「否」の欄にレ印を記入し、不良箇所は直ちに補修すること。"),
           look.note);
    return s;
}

struct MonthlyItem
{
    QString part;
    QString item;
    QString check;
};

// 機械定期: the monthly self-inspection, part by part, with 良・否 and what was done.
SheetBuilder machinePeriodic(const Looks &look)
{
    SheetBuilder s = onePage(QStringLiteral("機械定期"), Orientation::Landscape, 8, 22);
    s.columns(1, {26, 48, 92, 14, 14, 52, 14, 14});
    s.rows(1, 22, 7);
    s.rows(1, 1, 13);
    s.text("A1:H1", QStringLiteral("車両系建設機械 定期自主検査表（月例）"), look.title);
    field(s, look, "A2", QStringLiteral("工　事　名"), "B2:C2", QStringLiteral("JIGYONM"));
    handField(s, look, "D2:E2", QStringLiteral("点検日"), "F2:H2");
    field(s, look, "A3", QStringLiteral("機　械　名"), "B3:C3", QStringLiteral("KKNM"));
    field(s, look, "D3:E3", QStringLiteral("受理番号"), "F3:H3", QStringLiteral("JYUNO"));
    s.rows(4, 4, 3);
    s.text("A5", QStringLiteral("区　分"), look.label);
    s.text("B5", QStringLiteral("点検項目"), look.label);
    s.text("C5", QStringLiteral("点　検　内　容"), look.label);
    s.text("D5", QStringLiteral("良"), look.label);
    s.text("E5", QStringLiteral("否"), look.label);
    s.text("F5", QStringLiteral("処　置　内　容"), look.label);
    s.text("G5:H5", QStringLiteral("処置確認"), look.label);
    const std::vector<MonthlyItem> items = {
        {QStringLiteral("原動機"), QStringLiteral("エンジン"), QStringLiteral("始動性、異音、排気の色、油漏れ")},
        {{}, QStringLiteral("冷却・燃料装置"), QStringLiteral("冷却水・燃料の漏れ、ファンベルトの張り")},
        {QStringLiteral("動力伝達装置"), QStringLiteral("クラッチ・変速機"), QStringLiteral("作動の異常、異音、油量")},
        {QStringLiteral("走行装置"), QStringLiteral("タイヤ・クローラ"),
         QStringLiteral("損傷、摩耗、空気圧、履帯の張り")},
        {{}, QStringLiteral("ブレーキ"), QStringLiteral("効き、駐車ブレーキの保持、ブレーキロック")},
        {QStringLiteral("操縦装置"), QStringLiteral("ハンドル・レバー"), QStringLiteral("遊び、作動の異常、戻り")},
        {QStringLiteral("作業装置"), QStringLiteral("ブーム・アーム・バケット"),
         QStringLiteral("亀裂、変形、ピン・ブッシュの摩耗")},
        {{}, QStringLiteral("ワイヤロープ・フック"), QStringLiteral("素線切れ、キンク、はずれ止めの作動")},
        {QStringLiteral("油圧装置"), QStringLiteral("ホース・シリンダ"),
         QStringLiteral("損傷、油漏れ、作動油の量と汚れ")},
        {QStringLiteral("安全装置"), QStringLiteral("ヘッドガード"), QStringLiteral("損傷、取付けの緩み")},
        {{}, QStringLiteral("警報装置・回転灯"), QStringLiteral("作動の異常")},
        {{}, QStringLiteral("過負荷・巻過防止装置"), QStringLiteral("作動の異常")},
        {QStringLiteral("電気装置"), QStringLiteral("灯火類・配線"),
         QStringLiteral("前照灯・作業灯の点灯、配線の損傷")},
        {QStringLiteral("車体"), QStringLiteral("ミラー・後方確認装置"), QStringLiteral("損傷、視界の確保")},
    };
    int row = 6;
    int partTop = row;
    for (size_t i = 0; i < items.size(); ++i, ++row) {
        s.rows(row, row, 8);
        s.text(Area(2, row), items[i].item, look.item);
        s.text(Area(3, row), items[i].check, look.item);
        s.blank(Area(6, row), look.value);
        s.blank(Area(7, row, 8, row), look.value);
        const bool partEnds = i + 1 == items.size() || !items[i + 1].part.isEmpty();
        if (partEnds) {
            s.text(Area(1, partTop, 1, row), items[partTop - 6].part, look.label);
            partTop = row + 1;
        }
    }
    s.box(Area(1, 5, 8, row - 1));
    s.horizontal(6, 1, 8, Line::Medium);
    s.rows(row, row, 4);
    s.text(Area(5, row + 1, 6, row + 1), QStringLiteral("検査者"), look.label);
    s.text(Area(7, row + 1, 8, row + 1), QStringLiteral("管理者確認"), look.label);
    s.rows(row + 2, row + 2, 14);
    s.blank(Area(5, row + 2, 6, row + 2), look.label);
    s.blank(Area(7, row + 2, 8, row + 2), look.label);
    s.box(Area(5, row + 1, 8, row + 2));
    s.text(Area(1, row + 1, 3, row + 2),
           QStringLiteral("（注）１月以内ごとに１回、定期に自主検査を行い、その結果を３年間保存すること。"),
           look.note.wrapped());
    return s;
}

// 機械始業前: the operator's check before each day's work, a column per day of the month.
SheetBuilder machineDaily(const Looks &look)
{
    constexpr int kDays = 31;
    constexpr int kFirstDay = 3;
    constexpr int kLast = kFirstDay + kDays - 1;
    SheetBuilder s = onePage(QStringLiteral("機械始業前"), Orientation::Landscape, kLast, 24);
    s.columns(1, {13, 56});
    s.columns(kFirstDay, kLast, 6.5);
    s.rows(1, 24, 8);
    s.rows(1, 1, 13);
    s.text(Area(1, 1, kLast, 1), QStringLiteral("車両系建設機械 始業前点検表"), look.title);
    field(s, look, "A2:A2", QStringLiteral("工事名"), "B2:B2", QStringLiteral("JIGYONM"));
    s.text(Area(kFirstDay, 2, kFirstDay + 4, 2), QStringLiteral("機械名"), look.label);
    s.marker(Area(kFirstDay + 5, 2, kFirstDay + 17, 2), QStringLiteral("KKNM"), look.value);
    s.underline(Area(kFirstDay + 5, 2, kFirstDay + 17, 2));
    s.text(Area(kFirstDay + 19, 2, kFirstDay + 23, 2), QStringLiteral("受理番号"), look.label);
    s.marker(Area(kFirstDay + 24, 2, kLast, 2), QStringLiteral("JYUNO"), look.value);
    s.underline(Area(kFirstDay + 24, 2, kLast, 2));
    s.text("A3:B3", QStringLiteral("令和　　年　　月分"), look.label.left().indented(1));
    s.rows(4, 4, 3);

    s.text("A5", QStringLiteral("No."), look.label);
    s.text("B5", QStringLiteral("点　検　項　目　　　　日"), look.label);
    for (int day = 1; day <= kDays; ++day)
        s.text(Area(kFirstDay + day - 1, 5), QString::number(day), look.label.sized(8));
    const QStringList daily = {
        QStringLiteral("ブレーキ・駐車ブレーキの効き"),     QStringLiteral("クラッチ・操作レバーの作動"),
        QStringLiteral("警報装置・ホーンの作動"),           QStringLiteral("前照灯・作業灯・方向指示器"),
        QStringLiteral("バックミラー・後方確認装置"),       QStringLiteral("作業装置（ブーム・アーム・バケット）"),
        QStringLiteral("ワイヤロープ・フックのはずれ止め"), QStringLiteral("油圧ホース・シリンダの油漏れ"),
        QStringLiteral("安全装置（過負荷防止・巻過防止）"), QStringLiteral("タイヤ・クローラの損傷"),
        QStringLiteral("燃料・エンジンオイル・冷却水"),     QStringLiteral("ヘッドガード・シートベルト"),
    };
    for (int i = 0; i < daily.size(); ++i) {
        const int row = 6 + i;
        s.rows(row, row, 10);
        s.text(Area(1, row), QString::number(i + 1), look.label);
        s.text(Area(2, row), daily[i], look.item);
    }
    const int signRow = 6 + int(daily.size());
    s.rows(signRow, signRow, 14);
    s.text(Area(1, signRow, 2, signRow), QStringLiteral("点検者（運転者）"), look.label);
    const Area table(1, 5, kLast, signRow);
    s.box(table);
    s.horizontal(6, 1, kLast, Line::Medium);
    s.horizontal(signRow, 1, kLast, Line::Medium);
    s.text(Area(1, signRow + 2, kLast, signRow + 2),
           QStringLiteral("（注）良好はレ、不良は×、調整・修理後良好は○を記入すること。不良のまま使用しないこと。"),
           look.note);
    // The page ends with the note: empty rows below it would shrink the sheet to fit.
    s.printArea(kLast, signRow + 2);
    return s;
}

}  // namespace

celvane::Workbook inspectionSheets()
{
    const Looks look;
    FormBook book;
    book.add(scaffoldPeriodic(look));
    book.add(scaffoldDaily(look));
    book.add(machinePeriodic(look));
    book.add(machineDaily(look));
    return book.workbook();
}

}  // namespace templates
