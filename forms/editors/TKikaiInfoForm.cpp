#include "TKikaiInfoForm.h"

#include "data/DataField.h"
#include "kit/BarcodeInput.h"
#include "messages/MessageService.h"
#include "records/MachineRules.h"
#include "services/UserAction.h"

#include <QPushButton>

namespace {

QString u(const char *text)
{
    return QString::fromUtf8(text);
}

struct ChecklistSection
{
    char letter;
    const char *caption;
    // Item captions by number; an empty caption is an item kept in the table but not shown.
    QList<const char *> items;
};

const ChecklistSection sections[] = {
    {'A',
     "A クレーン部",
     {"巻過防止装置", "過負荷防止装置", "フックのはずれ止め", "起伏制御装置", "旋回警報装", "主巻・補巻", "起伏・旋回",
      "クラッチ", "ブレーキ・ロック", "ジブ", "滑車", "フック・バケット", "ワイヤーロープ・チェーン", "玉掛用具",
      "操作装置", "性能表示", "照明"}},
    {'B',
     "B 車両部",
     {"ブレーキ", "クラッチ", "ハンドル", "タイヤ", "クローラ", "警報装置", "各種ミラー", "方向指示器", "前後照灯",
      "左折プロテクター", "アウトリガ", "昇降装置", "ベッセル", "後方監視装置"}},
    {'C', "C ゴンドラ", {"突りょう", "作業床", "昇降装置", "電気装置", "ワイヤ・ライフライン"}},
    {'D',
     "D 安全装置",
     {"旋回", "バケット", "ブーム･アーム", "", "", "", "警報装置", "アウトリガ", "ヘッドガード", "照明"}},
    {'E',
     "E 作業装置",
     {"操作装置", "バケット・ブレード", "ブーム･アーム", "ジブ", "リーダ", "ﾊﾝﾏ･ｵｰｶﾞ･ﾊﾞｲﾌﾞﾛ", "油圧駆動装置",
      "ﾜｲﾔﾛｰﾌﾟ･ﾁｪｰﾝ", "つり具等", "滑車"}},
    {'F',
     "F 走行部",
     {"ブレーキ", "駐車ブレーキ", "ブレーキロック", "クラッチ", "操縦装置", "タイヤ・鉄輪", "クローラ"}},
    {'G', "G 電気装置", {"配電線", "配線", "絶縁", "アース", ""}},
};

constexpr int ItemCaptionWidth = 170;

// The two boxes of an item: inspection (a) and (b).
QList<FieldSpec> checkPair(char letter, int item)
{
    const QString column = QStringLiteral("CHK%1_%2").arg(QLatin1Char(letter)).arg(item);
    return {Check(u("(a)"), column + QLatin1Char('A')), Check(u("(b)"), column + QLatin1Char('B'))};
}

// A checklist page: its shown items in two columns, each headed 点検事項 and 点検結果.
FieldSpec ChecklistPage(const ChecklistSection &section)
{
    QList<FieldSpec> shown;
    for (int item = 1; item <= section.items.size(); ++item) {
        const QString caption = u(section.items[item - 1]);
        if (!caption.isEmpty())
            shown << Row(caption, checkPair(section.letter, item));
    }
    const qsizetype half = (shown.size() + 1) / 2;
    const FieldSpec heading = Row(u("点検事項"), {StaticText(u("点検結果"))});
    return Page(u(section.caption),
                {Row({},
                     {Group({}, QList<FieldSpec>{heading} + shown.mid(0, half)),
                      Group({}, QList<FieldSpec>{heading} + shown.mid(half))})});
}

// Section H: four items the inspector names.
FieldSpec FreeItemsPage()
{
    QList<FieldSpec> rows{Row({}, {StaticText(u("点検事項")).Width(ItemCaptionWidth), StaticText(u("点検結果"))})};
    for (int item = 1; item <= 4; ++item)
        rows << Row(QString::number(item),
                    QList<FieldSpec>{Edit({}, QStringLiteral("CHKCMT%1").arg(item)).Width(ItemCaptionWidth)}
                        + checkPair('H', item));
    return Page(u("H その他"), rows);
}

FieldSpec UsePage()
{
    return Page(
        u("使用届"),
        {
            Row({},
                {
                    Group({},
                          {
                              Edit(u("一次会社名"), u("CMP1NM")),
                              Row(u("持込会社名"),
                                  {Edit({}, u("HNDOWCMPNM")), Number({}, u("HNDUNUM")).Width(40), StaticText(u("次"))}),
                              Edit(u("代表者名"), u("HNDPRE")),
                              Edit(u("電話"), u("HNDTEL")),
                          }),
                    Group({},
                          {
                              Label(u("登録番号"), u("MCCD")),
                              Group(u("使用期間（元請け管理）"),
                                    {DateField(u("自"), u("INDT")), DateField(u("至"), u("OUTDT"))})
                                  .Hint(u("機械一覧の機械有無に用います")),
                          }),
                }),
            Group(u("使用会社"), {Edit(u("会社名"), u("USECMPNM")), Edit(u("代表者名"), u("USEPRE")).SameRow()}),
            Group(u("機械"),
                  {
                      Edit(u("名称"), u("KKNM")),
                      Edit(u("メーカー"), u("KKMK")).SameRow(),
                      Edit(u("規格・性能"), u("KKSPEC")),
                      Edit(u("製造年"), u("MDYMD")).SameRow(),
                      Row(u("持込"), {DateField({}, u("STDT")), DateField(u("搬出"), u("FNDT"))}),
                      Edit(u("管理番号"), u("KNRNO")).SameRow(),
                      Edit(u("使用場所"), u("USNM")),
                      Radio(u("リース区分"), u("ISRS"), {u("自社"), u("リース")}, {u("0"), u("1")}).SameRow(),
                  }),
            Group(u("運転者"),
                  {
                      Row(u("（正）氏名"),
                          {Edit({}, u("DRV1")).Width(140), PickerButton(u("btnOPNM"), u("作業員名簿から参照します")),
                           Edit(u("資格"), u("DRV1LS"))}),
                      Row(u("（副）氏名"),
                          {Edit({}, u("DRV2")).Width(140), PickerButton(u("btnOPNM2"), u("作業員名簿から参照します")),
                           Edit(u("資格"), u("DRV2LS"))}),
                  }),
            Group(u("有効期限"),
                  {
                      Row(u("自主検査"),
                          {DateField(u("年次"), u("TES1YMD")), DateField(u("月次"), u("TES2YMD")),
                           DateField(u("特定"), u("TES3YMD"))}),
                      Row(u("性能検査"), {DateField({}, u("TES4YMD")), DateField(u("自動車検査証"), u("TES5YMD"))}),
                  }),
            Group(u("任意保険"),
                  {
                      Row(u("加入額"),
                          {Number(u("対人"), u("DV1")).Width(80), Number(u("対物"), u("DV2")).Width(80),
                           Number(u("搭乗者"), u("DV3")).Width(80), Edit(u("その他"), u("DV4TYP")).Width(120),
                           Number({}, u("DV4")).Width(80)}),
                      DateField(u("有効期限"), u("DVYMD")),
                  }),
            Memo(u("注意事項"), u("CAUTION")).Setup([](QWidget &memo) { memo.setFixedHeight(48); }),
            Row(u("受理記号"),
                {Edit({}, u("JYUKG")).Width(60).Hint(u("受理番号の前に付けられる記号です（任意）")),
                 Label(u("受理番号"), u("JYUNO")).Width(60), DateField(u("受理年月日"), u("LBLSTDT")),
                 BarcodeField(u("BARCD"), u("BARCDNO"))
                     .Named(u("editBarcd"))
                     .LabelNamed(u("lblBarcd"))
                     .Hint(u("統一バーコード6-8桁（0-9,A-Z）"))
                     .Width(90)}),
        });
}

FieldSpec InspectionPage()
{
    QList<FieldSpec> checklist;
    for (const ChecklistSection &section : sections)
        checklist << ChecklistPage(section);
    checklist << FreeItemsPage();
    return Page(u("点検表"),
                {
                    Group(u("所有会社"), {Edit(u("会社名"), u("OWNCMP")), Edit(u("代表者名"), u("OWNPRE")).SameRow()}),
                    Group(u("点検結果"),
                          {
                              Row(u("(a)  点検日"), {DateField({}, u("CHKYMD1")), Edit(u("点検者"), u("CHKER1"))}),
                              Row(u("(b)  点検日"), {DateField({}, u("CHKYMD2")), Edit(u("点検者"), u("CHKER2"))}),
                          }),
                    Pages(u("PageControl2"), checklist),
                });
}

EditorSpec MachineEditor()
{
    EditorSpec declaration;
    declaration.caption = u("持込機械使用届");
    declaration.packageKind = 7;
    declaration.size = {940, 800};
    declaration.fields = {Pages(u("PageControl1"), {UsePage(), InspectionPage()})};
    return declaration;
}

}  // namespace

TKikaiInfoForm::TKikaiInfoForm(const EditorContext &context, QWidget *parent)
    : TEquipmentEditor(context, std::make_unique<MachineRules>(context.records), MachineEditor(), parent)
    , btnOPNM(FindControl<QPushButton>(QStringLiteral("btnOPNM")))
    , btnOPNM2(FindControl<QPushButton>(QStringLiteral("btnOPNM2")))
{
    connect(btnOPNM, &QPushButton::clicked, this, [this] { RunUserAction([this] { btnOPNMClick(0); }); });
    connect(btnOPNM2, &QPushButton::clicked, this, [this] { RunUserAction([this] { btnOPNMClick(1); }); });
}

void TKikaiInfoForm::btnOPNMClick(int tag)
{
    const WorkerQualificationChoice driver
        = Context().services.PickWorkerQualification(this, KojiCode, GyoCode, QStringLiteral("1,2,3"));
    if (driver.Name.isEmpty())
        return;
    EditRecord();
    MachineRules::TakeOperator(IBTable1, tag, driver.Name, driver.Qualification);
    DataSource1.commitPending();
    const QString notice = MachineRules::LicenceNotice(EditedDate(QStringLiteral("FNDT")), driver.Expiry);
    if (!notice.isEmpty())
        MessageService::current().information(notice);
}

QString TKikaiInfoForm::ExportName()
{
    return FieldText(QStringLiteral("HNDOWCMPNM")) + QLatin1Char('_') + FieldText(QStringLiteral("KKNM"));
}
