#include "TItemForm.h"

#include "ChartBox.h"
#include "CloseButton.h"
#include "dateedit/DateControl.h"
#include "dateedit/TplDateEdit.h"
#include "dates/DateText.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

QLineEdit *Shown(QWidget *parent, const char *name, const QString &text)
{
    auto *edit = new QLineEdit(text, parent);
    edit->setObjectName(QLatin1String(name));
    edit->setReadOnly(true);
    edit->setMinimumWidth(320);
    edit->setCursorPosition(0);
    return edit;
}

TplDateEdit *Period(QWidget *parent, const char *name, const QDate &date)
{
    auto *edit = new TplDateEdit(parent);
    edit->setObjectName(QLatin1String(name));
    if (date.isValid())
        SetDateControl(*edit, DateToDateText(date));
    edit->setEnabled(false);
    return edit;
}

}  // namespace

TItemForm::TItemForm(const ChartBox &box, QWidget *parent)
    : TmyForm(parent)
{
    setWindowTitle(QStringLiteral("施工体系図業者設定"));
    auto *form = new QVBoxLayout(this);
    auto *fields = new QFormLayout;
    fields->addRow(QStringLiteral("会社名"), Shown(this, "edtCPNM", box.CompanyName));
    fields->addRow(QStringLiteral("工事内容"), Shown(this, "edtKJNM", box.WorkContent));
    fields->addRow(QStringLiteral("安全衛生責任者"), Shown(this, "edtANNM", box.SafetyManager));
    fields->addRow(QStringLiteral("主任技術者"), Shown(this, "edtSNNM", box.ChiefEngineer));
    fields->addRow(QStringLiteral("専門技術者"), Shown(this, "edtGJNM", box.SpecialistEngineer));
    fields->addRow(QStringLiteral("担当工事内容"), Shown(this, "edtGJKJ", box.SpecialistWork));
    form->addLayout(fields);

    auto *period = new QGroupBox(QStringLiteral("工期"), this);
    auto *dates = new QHBoxLayout(period);
    dates->addWidget(new QLabel(QStringLiteral("自"), period));
    dates->addWidget(Period(period, "dtSTDT", box.StartDate));
    dates->addWidget(new QLabel(QStringLiteral("至"), period));
    dates->addWidget(Period(period, "dtFNDT", box.EndDate));
    form->addWidget(period);

    AddCloseButton(*this, *form, QStringLiteral("閉じる(&L)"));
}
