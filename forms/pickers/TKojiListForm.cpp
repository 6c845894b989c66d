#include "TKojiListForm.h"

#include "controls/DBGrid.h"
#include "dateedit/DateControl.h"
#include "dateedit/TplDateEdit.h"
#include "services/UserAction.h"
#include "pickers/PickerSql.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TKojiListForm::TKojiListForm(QWidget *parent)
    : PickerForm(QStringLiteral("工事一覧"), QStringLiteral("工事一覧"), QStringLiteral("選択(&S)"),
                 QStringLiteral("閉じる(&C)"), parent)
{
    dtFrom = new TplDateEdit(this);
    dtTo = new TplDateEdit(this);
    for (TplDateEdit *date : {dtFrom, dtTo}) {
        date->setDefGengo(degReiwa);
        date->setCanEmpty(true);
    }
    btnView = new QPushButton(QStringLiteral("表示"), this);
    connect(btnView, &QPushButton::clicked, this, [this] { RunUserAction([this] { btnViewClick(); }); });
    auto *filter = new QHBoxLayout;
    filter->addWidget(new QLabel(QStringLiteral("工事（自）"), this));
    filter->addWidget(dtFrom);
    filter->addWidget(new QLabel(QStringLiteral("工事（至）"), this));
    filter->addWidget(dtTo);
    filter->addWidget(btnView);
    filter->addStretch();
    Body->addLayout(filter);
    DBGrid1->setColumns({{QStringLiteral("KJCD"), QStringLiteral("登録NO"), 60},
                         {QStringLiteral("KJNM"), QStringLiteral("工事名称"), 260},
                         {QStringLiteral("ODNM"), QStringLiteral("発注者"), 240},
                         {QStringLiteral("STDT"), QStringLiteral("工期（自）"), 80},
                         {QStringLiteral("FNDT"), QStringLiteral("工期（至）"), 80}});
    resize(840, 440);
}

SqlStatement TKojiListForm::ListSql()
{
    return PickerSql::ProjectList(GetDateControl(*dtFrom), GetDateControl(*dtTo));
}

void TKojiListForm::btnViewClick()
{
    openList(ListSql());
    if (KojiCode != QLatin1String("0"))
        IBQuery1.Locate(QStringLiteral("KJCD"), {KojiCode});
}

void TKojiListForm::showEvent(QShowEvent *event)
{
    PickerForm::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    RunUserAction([this] { btnViewClick(); });
}

void TKojiListForm::btnOKClick()
{
    // An empty list chooses no project: "0", not the empty text of a missing row.
    if (!hasRows()) {
        KojiCode = QStringLiteral("0");
        KojiName.clear();
        accept();
        return;
    }
    KojiCode = current(QStringLiteral("KJCD"));
    KojiName = current(QStringLiteral("KJNM"));
    accept();
}
