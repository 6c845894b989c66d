#include "TKouguInfoForm.h"

#include "controls/DBCheckGrid.h"
#include "data/DataField.h"
#include "records/ToolRules.h"

#include <QLabel>

namespace {

QString u(const char *text)
{
    return QString::fromUtf8(text);
}

QString numbered(const char *column, int n)
{
    return QLatin1String(column) + QString::number(n);
}

QString toolNumberName(int tool)
{
    return numbered("lblJYUNO", tool);
}

// The ten tools as a table: one row per tool under one heading row.
QList<FieldSpec> ToolTable()
{
    QList<FieldSpec> rows{StaticText(u("機械名")),
                          StaticText(u("規格")).SameRow(),
                          StaticText(u("性能")).SameRow(),
                          StaticText(u("管理番号")).SameRow(),
                          StaticText(u("持込年月日")).SameRow(),
                          StaticText(u("搬出予定日")).SameRow(),
                          StaticText(u("点検者")).SameRow(),
                          StaticText(u("取扱者")).SameRow(),
                          StaticText(u("受理No.")).SameRow()};
    for (int n = 1; n <= ToolRules::ToolCount; ++n) {
        rows << Edit(QString::number(n), numbered("KKNM", n)) << Edit({}, numbered("SPEC", n)).Width(100).SameRow()
             << Edit({}, numbered("SENO", n)).Width(100).SameRow() << Edit({}, numbered("KNRNO", n)).Width(70).SameRow()
             << DateField({}, numbered("STDT", n)).SameRow() << DateField({}, numbered("FNDT", n)).SameRow()
             << Edit({}, numbered("CHKRNM", n)).Width(110).SameRow()
             << Edit({}, numbered("USERNM", n)).Width(120).SameRow()
             << StaticText({}).Named(toolNumberName(n)).Width(50).SameRow();
    }
    return rows;
}

FieldSpec UsePage()
{
    return Page(u("使用届"),
                {
                    Group({},
                          {
                              Edit(u("一次会社名"), u("CMP1NM")),
                              Label(u("登録番号"), u("KGCD")).SameRow(),
                              Row(u("持込会社名"),
                                  {Edit({}, u("HNDOWCMPNM")), Number({}, u("HNDUNUM")).Width(40), StaticText(u("次"))}),
                              Label(u("共通受理番号"), u("JYUNO")).SameRow(),
                              Edit(u("代表者名"), u("HNDPRE")),
                              DateField(u("受理年月日"), u("LBLSTDT")).SameRow(),
                              Edit(u("電話"), u("HNDTEL")),
                          }),
                    Group({}, ToolTable()),
                    Memo(u("機械の特性・注意事項"), u("CAUTION")).Setup([](QWidget &memo) { memo.setFixedHeight(60); }),
                });
}

constexpr int ItemCaptionWidth = 160;

// An inspection row: its number, its caption (or the edit of a free item's name) and
// the ten boxes.
FieldSpec CheckRow(int item, const FieldSpec &caption)
{
    return Row(QString::number(item),
               {caption, CheckGrid({}, QStringLiteral("CHK%1").arg(item, 2, 10, QLatin1Char('0')))});
}

FieldSpec InspectionPage()
{
    struct Item
    {
        int number;
        const char *caption;
    };
    static const Item items[] = {
        {1, "アース線"},
        {2, "接地クランプ"},
        {3, "キャブタイヤ"},
        {4, "コネクタ"},
        {5, "接地端子の締結"},
        {6, "充電部の絶縁"},
        {7, "自動電撃防止装置"},
        {8, "絶縁ホルダー"},
        {9, "溶接保護面"},
        {10, "操作スイッチ"},
        {12, "各種ブレーキの作動"},
        {13, "手すり・囲い"},
        {14, "フックのはずれ止め"},
        {15, "ワイヤロープ・チェーン"},
        {16, "滑車"},
        {17, "回転部の囲い等"},
        {18, "危険表示"},
    };
    QList<FieldSpec> rows{DateField(u("点検日"), u("CHKYMD"))};
    for (const Item &item : items) {
        rows << CheckRow(item.number, StaticText(u(item.caption)).Width(ItemCaptionWidth));
        if (item.number == 10) {
            QList<FieldSpec> values{StaticText(u("絶縁抵抗測定値")).Width(ItemCaptionWidth)};
            for (int n = 1; n <= ToolRules::ToolCount; ++n)
                values << Edit({}, QStringLiteral("CHK11_%1").arg(n)).Width(DBCheckGrid::BoxWidth);
            rows << Row(u("11"), values);
        }
    }
    for (int item = 21; item <= 26; ++item)
        rows << CheckRow(item, Edit({}, numbered("CHKNM", item)).Width(ItemCaptionWidth));
    return Page(u("点検表"), rows);
}

EditorSpec ToolEditor()
{
    EditorSpec declaration;
    declaration.caption = u("持込工具使用届");
    declaration.packageKind = 8;
    declaration.size = {1240, 800};
    declaration.fields = {Pages(u("PageControl1"), {UsePage(), InspectionPage()})};
    return declaration;
}

}  // namespace

TKouguInfoForm::TKouguInfoForm(const EditorContext &context, QWidget *parent)
    : TEquipmentEditor(context, std::make_unique<ToolRules>(context.records), ToolEditor(), parent)
{
}

QString TKouguInfoForm::ToolNumberText(int tool) const
{
    const QLabel *label = FindControl<QLabel>(toolNumberName(tool));
    return label ? label->text() : QString();
}

void TKouguInfoForm::RecordShown()
{
    const QVariant jyuno
        = IBTable1.Active() && !IBTable1.IsEmpty() ? IBTable1.FieldByName(QStringLiteral("JYUNO")).Value() : QVariant();
    for (int n = 1; n <= ToolRules::ToolCount; ++n)
        FindControl<QLabel>(toolNumberName(n))->setText(ToolRules::ToolAcceptanceNumber(jyuno, n));
}

QString TKouguInfoForm::ExportName()
{
    return FieldText(QStringLiteral("HNDOWCMPNM"));
}
