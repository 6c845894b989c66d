#include "TSikakuForm.h"

#include "db/Transaction.h"
#include "records/NamesRules.h"
#include "services/ModalService.h"
#include "services/UserAction.h"

#include <QComboBox>

namespace {

EditorSpec NamesEditor()
{
    EditorSpec declaration;
    declaration.caption = QStringLiteral("資格マスタ");
    declaration.fields = {
        Widget(QStringLiteral("種別"), QStringLiteral("ComboBox1"),
               [](QWidget *parent) {
                   auto *kinds = new QComboBox(parent);
                   kinds->addItems(NamesRules::KindCaptions());
                   return kinds;
               }),
        Edit(QStringLiteral("略称"), QStringLiteral("PRNM")),
        StaticText(QStringLiteral("←通常この項目が適用されます")).SameRow(),
        Edit(QStringLiteral("名称"), QStringLiteral("NM")),
        Number(QStringLiteral("表示順"), QStringLiteral("ODRNO")).Width(60),
    };
    declaration.grid = {{QStringLiteral("ODRNO"), QStringLiteral("表示順"), 60},
                        {QStringLiteral("PRNM"), QStringLiteral("略称"), 120},
                        {QStringLiteral("NM"), QStringLiteral("名称"), 360}};
    declaration.beginNextAfterNew = true;
    declaration.size = {620, 520};
    return declaration;
}

}  // namespace

TSikakuForm::TSikakuForm(const EditorContext &context, QWidget *parent)
    : TRecordEditor(context, std::make_unique<NamesRules>(), NamesEditor(), parent)
    , ComboBox1(FindControl<QComboBox>(QStringLiteral("ComboBox1")))
{
    connect(ComboBox1, &QComboBox::activated, this, [this] { RunUserAction([this] { ComboBox1Change(); }); });
}

NamesRules &TSikakuForm::names()
{
    return static_cast<NamesRules &>(Rules());
}

int TSikakuForm::Kind() const
{
    return ComboBox1->currentIndex() + 1;
}

void TSikakuForm::SelectKind(int kind)
{
    ComboBox1->setCurrentIndex(std::clamp(kind, 1, ComboBox1->count()) - 1);
    if (IBTable1.Active())
        ComboBox1Change();
}

void TSikakuForm::FormShow()
{
    names().SetKind(Kind());
    IBTable1.SetFilter(QStringLiteral("KBN = ?"), {Kind()});
    TRecordEditor::FormShow();
}

void TSikakuForm::ComboBox1Change()
{
    if (Session().IsUntouchedNewRecord())
        btnCancelClick();
    // A begun entry is posted before the list changes; when it cannot be, the list stays.
    const int shown = names().Kind();
    try {
        IBTable1.SetFilter(QStringLiteral("KBN = ?"), {Kind()});
    } catch (...) {
        ComboBox1->setCurrentIndex(shown - 1);
        throw;
    }
    names().SetKind(Kind());
}

void EditNamesMaster(const EditorContext &context, QWidget *parent, int kind)
{
    const RecordContext &shared = context.records;
    db::Transaction own(shared.Transaction.database());
    const EditorContext ownContext{RecordContext{own, shared.Images, shared.Project, shared.Settings, shared.ImageRoot,
                                                 shared.WorkDate, shared.Today},
                                   context.services};
    TSikakuForm names(ownContext, parent);
    names.SelectKind(kind);
    ModalService::current().run(names);
}
