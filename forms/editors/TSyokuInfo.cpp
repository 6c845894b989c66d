#include "TSyokuInfo.h"

#include "records/StaffRules.h"

namespace {

EditorSpec StaffEditor()
{
    EditorSpec declaration;
    declaration.caption = QStringLiteral("職員情報");
    declaration.idField = Label(QStringLiteral("職員ID"), QStringLiteral("SHCD"));
    declaration.fields = {
        Edit(QStringLiteral("氏名"), QStringLiteral("NAME")),
        Photo(QStringLiteral("SDFL"), QStringLiteral("ImageFrame1")).SameRow().Span(7),
        Edit(QStringLiteral("ふりがな"), QStringLiteral("FURI")),
        Edit(QStringLiteral("役職"), QStringLiteral("POST")),
        DateField(QStringLiteral("生年月日"), QStringLiteral("BNDT")).Era(degShowa),
        EditableList(QStringLiteral("資格内容"), QStringLiteral("SNSK"))
            .NamesOfKind(6)
            .Named(QStringLiteral("cmbSNSK")),
        Edit(QStringLiteral("交付番号"), QStringLiteral("SNNO")),
        Edit(QStringLiteral("画像ファイル"), QStringLiteral("SDFL")).ReadOnly(),
    };
    declaration.grid = {{QStringLiteral("NAME"), QStringLiteral("氏名"), 120},
                        {QStringLiteral("FURI"), QStringLiteral("ふりがな"), 130},
                        {QStringLiteral("BNDT"), QStringLiteral("生年月日"), 80},
                        {QStringLiteral("POST"), QStringLiteral("役職"), 100},
                        {QStringLiteral("SNSK"), QStringLiteral("資格内容"), 180}};
    return declaration;
}

}  // namespace

TSyokuInfo::TSyokuInfo(const EditorContext &context, QWidget *parent)
    : TRecordEditor(context, std::make_unique<StaffRules>(), StaffEditor(), parent)
{
    btnCopy = AddJobButton(
        QStringLiteral("btnCopy"), QStringLiteral("複写(&O)"), QStringLiteral("同一者で別の資格を登録できます。"),
        [this] { btnCopyClick(); }, [this] { return IBTable1.State() == DataSetState::Browse && !IBTable1.IsEmpty(); });
}

void TSyokuInfo::btnCopyClick()
{
    if (IBTable1.State() == DataSetState::Browse && !IBTable1.IsEmpty())
        Session().AppendCopy(StaffRules::CopiedColumns());
}
