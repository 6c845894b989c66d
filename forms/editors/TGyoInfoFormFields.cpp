#include "TGyoInfoFormFields.h"

#include "kit/TVersionEditor.h"

namespace {

QString numbered(const char *pattern, int digit)
{
    return QString::fromLatin1(pattern).arg(digit);
}

FieldSpec StaffButton(const QString &column)
{
    return PickerButton(QStringLiteral("btn") + column, QStringLiteral("職員情報から選択します"));
}

FieldSpec NamesButton(int tag)
{
    return PickerButton(numbered("btnSikaku%1", tag), QStringLiteral("資格マスタ参照します"));
}

FieldSpec StaffRow(const QString &caption, const QString &column)
{
    return Row(caption, {Edit({}, column), StaffButton(column)});
}

// The engineer's image with the button that empties the whole page.
FieldSpec ImageRow(const QString &column, int tag)
{
    return Row(
        {},
        {Photo(column, numbered("ImageFrame%1", tag)), Button(numbered("btnClear%1", tag), QStringLiteral("消去"))});
}

FieldSpec CompanyBlock()
{
    return Group(
        {},
        {Row(QStringLiteral("会社名"),
             {Edit({}, QStringLiteral("CPNM")),
              Edit(QStringLiteral("登録NO"), QStringLiteral("GYOCD")).ReadOnly().Width(48).Setup([](QWidget &edit) {
                  edit.setEnabled(false);
              })}),
         Row(QStringLiteral("代表者役職・氏名"),
             {Edit({}, QStringLiteral("PSNM")).Width(150), Edit({}, QStringLiteral("PRNM"))}),
         Edit(QStringLiteral("事業所名"), QStringLiteral("JGNM")),
         Row(QStringLiteral("TEL"),
             {Edit({}, QStringLiteral("TEL")).ImeOff(), Edit(QStringLiteral("FAX"), QStringLiteral("FAX")).ImeOff()}),
         Row(QStringLiteral("郵便番号"),
             {Edit({}, QStringLiteral("POST")).ImeOff().Width(90),
              Edit(QStringLiteral("住所"), QStringLiteral("ADRS"))})});
}

// The supervisor or the site agent: name, authority, how objections are raised.
FieldSpec Appointee(const QString &caption, const QString &prefix)
{
    return Group(caption,
                 {StaffRow(QStringLiteral("氏名"), prefix + QStringLiteral("NM")),
                  Row(QStringLiteral("権限"),
                      {Edit({}, prefix + QStringLiteral("KG")),
                       Edit(QStringLiteral("意見申出方法"), prefix + QStringLiteral("IK"))})});
}

FieldSpec PeopleBlock()
{
    const QString notForPrime = QStringLiteral("元請は必要有りません");
    return Group(
        {},
        {Appointee(QStringLiteral("監督員名"), QStringLiteral("KT")).Hint(QStringLiteral("下請発注が有る場合必要です")),
         Appointee(QStringLiteral("現場代理人名"), QStringLiteral("GB")),
         StaffRow(QStringLiteral("安全衛生責任者名"), QStringLiteral("ANNM"))
             .LabelNamed(QStringLiteral("lblAZ1"))
             .Hint(notForPrime),
         StaffRow(QStringLiteral("安全衛生推進者名"), QStringLiteral("ASNM"))
             .LabelNamed(QStringLiteral("lblAZ2"))
             .Hint(notForPrime),
         StaffRow(QStringLiteral("雇用管理責任者名"), QStringLiteral("KKNM"))
             .LabelNamed(QStringLiteral("lblAZ3"))
             .Hint(notForPrime),
         Edit(QStringLiteral("提出先及び担当者"), QStringLiteral("TEIS"))
             .Hint(QStringLiteral("建設工事の通知文書の項目に使用します"))});
}

// One construction permit: trade, authority, kind, number sign and number, date. The
// rows share their widths, so they line up under the header.
FieldSpec PermitRow(int n)
{
    return Row(
        {},
        {Edit({}, numbered("KYGY%1", n)).Width(100), StaticText(QStringLiteral("工事業")),
         List({}, numbered("KYAREA%1", n), {QStringLiteral("大臣"), QStringLiteral("知事")}).Width(58),
         List({}, numbered("KYTYPE%1", n), {QStringLiteral("特定"), QStringLiteral("一般"), QString()}).Width(58),
         Edit({}, numbered("KYKIGO%1", n)).Width(56), StaticText(QStringLiteral("第")),
         Edit({}, numbered("KYNUM%1", n)).ImeOff().Width(60), StaticText(QStringLiteral("号")),
         DateField({}, numbered("KYDT%1", n))});
}

FieldSpec Permits()
{
    const FieldSpec header
        = Row({},
              {StaticText(QStringLiteral("施工に必要な許可業種")).Width(150),
               StaticText(QStringLiteral("許可番号")).Width(306), StaticText(QStringLiteral("許可年月日"))});
    return Group(
        QStringLiteral("建設業の許可"),
        {header, PermitRow(1), PermitRow(2),
         Group({}, {PermitRow(3), PermitRow(4), PermitRow(5), PermitRow(6)}).Named(QStringLiteral("JVCtlPanel"))});
}

FieldSpec WorkPage()
{
    return Page(QStringLiteral("工事内容"),
                {Row(QStringLiteral("工種、種別"),
                     {Edit({}, QStringLiteral("KJTYP")).Hint(QStringLiteral("体系図の縦書き工事名称に用います")),
                      Check(QStringLiteral("建設工事の請負契約とならない"), QStringLiteral("ISKJ"))
                          .Named(QStringLiteral("chkISKJ"))
                          .Hint(QStringLiteral("測量、運搬、警備等はチェックします"))})
                     .LabelNamed(QStringLiteral("lblKS")),
                 Edit(QStringLiteral("工事内容"), QStringLiteral("KJNM")).LabelNamed(QStringLiteral("lblKJNY")),
                 Edit(QStringLiteral("契約先名称"), QStringLiteral("KYCOM")).LabelNamed(QStringLiteral("lblKYNM")),
                 Edit(QStringLiteral("同住所"), QStringLiteral("KYADD")).LabelNamed(QStringLiteral("lblKYAD")),
                 Row(QStringLiteral("工期"),
                     {DateField(QStringLiteral("自"), QStringLiteral("STDT")),
                      DateField(QStringLiteral("至"), QStringLiteral("FNDT"))}),
                 DateField(QStringLiteral("契約日"), QStringLiteral("SGDT")), Permits()})
        .Named(QStringLiteral("TabSheet1"));
}

// A payment term: the shares in per cent and the bill's period in days. The three terms
// line up; only an advance payment has a share of the price.
FieldSpec PaymentRow(const QString &caption, const QString &prefix, bool priceShare)
{
    const auto text = [](const QString &caption, int width) { return StaticText(caption).Width(width); };
    QList<FieldSpec> fields;
    if (priceShare)
        fields << text(QStringLiteral("下請代金の割合"), 104) << Number({}, prefix + QStringLiteral("PER")).Width(44);
    else
        fields << text({}, 104) << text({}, 44);
    fields << text(QStringLiteral("％"), 18) << text(QStringLiteral("現金の割合"), 80)
           << Number({}, prefix + QStringLiteral("MNYPER")).Width(44) << text(QStringLiteral("％"), 18)
           << text(QStringLiteral("手形の期間"), 80) << Number({}, prefix + QStringLiteral("PN")).Width(44)
           << StaticText(QStringLiteral("日"));
    return Row(caption, fields);
}

FieldSpec LocalPage()
{
    return Page(QStringLiteral("北海道版"),
                {Edit(QStringLiteral("道の格付"), QStringLiteral("LANK2")).Width(120),
                 DateField(QStringLiteral("建退共成立日"), QStringLiteral("KTKDT")).Era(degShowa),
                 Edit(QStringLiteral("建退共番号"), QStringLiteral("KTKNO")).ImeOff(),
                 Edit(QStringLiteral("健康保険番号"), QStringLiteral("KENPONO")).ImeOff(),
                 Edit(QStringLiteral("厚生年金保険番号"), QStringLiteral("NENKINNO")).ImeOff(),
                 Edit(QStringLiteral("雇用保険番号"), QStringLiteral("KOYONO")).ImeOff(),
                 Row(QStringLiteral("下請負予定額"),
                     {Number({}, QStringLiteral("UKSAL")).Width(110), StaticText(QStringLiteral("（千円）"))}),
                 Edit(QStringLiteral("下請工事の内容"), QStringLiteral("UKKJNY")),
                 Group(QStringLiteral("下請負代金の支払方法"),
                       {PaymentRow(QStringLiteral("前  金  払"), QStringLiteral("MAE"), true),
                        PaymentRow(QStringLiteral("部  分  払"), QStringLiteral("HARF"), false),
                        PaymentRow(QStringLiteral("完  成  払"), QStringLiteral("CMPL"), false)})})
        .Named(QStringLiteral("LocalTabSheet1"));
}

FieldSpec ChiefEngineerPage(int n)
{
    return Page(
               n == 1 ? QStringLiteral("監理・主任") : QStringLiteral("主任技術者"),
               {Row(QStringLiteral("氏名"),
                    {List({}, numbered("KSNM%1", n), {QStringLiteral("監理"), QStringLiteral("主任")}).Width(64),
                     List({}, numbered("SNSE%1", n), {QStringLiteral("専任"), QStringLiteral("非専任")}).Width(72),
                     Edit({}, numbered("SNNM%1", n)), StaffButton(numbered("SNNM%1", n))}),
                Row(QStringLiteral("資格内容"), {Edit({}, numbered("SNSK%1", n)), NamesButton(n)}),
                Edit(QStringLiteral("交付番号"), numbered("SNNO%1", n)),
                DateField(QStringLiteral("生年月日"), numbered("SNDT%1", n)).Era(degShowa),
                DateField(QStringLiteral("雇用年月日"), numbered("SNKYDT%1", n)).LabelNamed(numbered("lblSNKYDT%1", n)),
                ImageRow(numbered("SDFILE%1", n), n)})
        .Named(numbered("TabEngineer%1", n));
}

FieldSpec SpecialistPage(int m)
{
    const int tag = 4 + m;
    return Page(QStringLiteral("専門技術者"),
                {StaffRow(QStringLiteral("氏名"), numbered("GJNM%1", m)),
                 Row(QStringLiteral("資格内容"), {Edit({}, numbered("GJSI%1", m)), NamesButton(tag)}),
                 Edit(QStringLiteral("担当工事内容"), numbered("GJKJ%1", m)), ImageRow(numbered("GJFILE%1", m), tag)})
        .Named(numbered("TabEngineer%1", tag));
}

}  // namespace

EditorSpec ContractorEditorSpec()
{
    EditorSpec declaration;
    declaration.caption = QStringLiteral("業者情報");
    declaration.idField = TVersionEditor::AppliedDateField();
    declaration.packageKind = 1;
    declaration.size = {1250, 900};
    QList<FieldSpec> engineers;
    for (int n = 1; n <= 4; ++n)
        engineers << ChiefEngineerPage(n);
    engineers << SpecialistPage(1) << SpecialistPage(2);
    declaration.fields = {
        Row({}, {CompanyBlock(), PeopleBlock()}),
        Row({},
            {Pages(QStringLiteral("PageControl2"), {WorkPage(), LocalPage()}),
             Pages(QStringLiteral("PageControl1"), engineers).Width(530)}),
    };
    return declaration;
}
