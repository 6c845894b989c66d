#include "TGyoListForm.h"

#include "program/AppContext.h"
#include "controls/DBGrid.h"
#include "services/ModalService.h"
#include "TKojiListForm.h"
#include "services/UserAction.h"
#include "pickers/PickerSql.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TGyoListForm::TGyoListForm(QWidget *parent)
    : PickerForm(QStringLiteral("業者一覧選択"), AppContext::instance().Project().CurKojiName(),
                 QStringLiteral("選択(&S)"), QStringLiteral("閉じる(&C)"), parent)
{
    ProjectStrip = new QWidget(this);
    auto *strip = new QHBoxLayout(ProjectStrip);
    strip->setContentsMargins(0, 0, 0, 0);
    edtKJNM = new QLineEdit(ProjectStrip);
    edtKJNM->setReadOnly(true);
    btnKJ = new QPushButton(QStringLiteral("…"), ProjectStrip);
    btnKJ->setToolTip(QStringLiteral("工事を選択します"));
    connect(btnKJ, &QPushButton::clicked, this, [this] { RunUserAction([this] { btnKJClick(); }); });
    strip->addWidget(new QLabel(QStringLiteral("工事名称"), ProjectStrip));
    strip->addWidget(edtKJNM, 1);
    strip->addWidget(btnKJ);
    Body->addWidget(ProjectStrip);
    DBGrid1->setColumns({{QStringLiteral("GYOCD"), QStringLiteral("登録NO"), 60},
                         {QStringLiteral("CPNM"), QStringLiteral("会社名"), 220},
                         {QStringLiteral("KJNM"), QStringLiteral("工事内容"), 200},
                         {QStringLiteral("STDT"), QStringLiteral("工期（自）"), 80},
                         {QStringLiteral("FNDT"), QStringLiteral("工期（至）"), 80}});
    resize(720, 440);
}

void TGyoListForm::showEvent(QShowEvent *event)
{
    PickerForm::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    ProjectStrip->setVisible(KojiCode == QLatin1String("0"));
    RunUserAction([this] { fillList(); });
}

void TGyoListForm::fillList()
{
    if (KojiCode.isEmpty() || KojiCode == QLatin1String("0"))
        return;
    openList(PickerSql::ContractorList(KojiCode, LeaveOut, LeaveOutPlaced));
    if (!GyoCode.isEmpty())
        IBQuery1.Locate(QStringLiteral("GYOCD"), {GyoCode});
}

void TGyoListForm::btnKJClick()
{
    TKojiListForm picker(this);
    picker.KojiCode = KojiCode;
    ModalService::current().run(picker);
    if (picker.KojiCode == KojiCode || picker.KojiCode == QLatin1String("0"))
        return;
    KojiCode = picker.KojiCode;
    edtKJNM->setText(picker.KojiName);
    fillList();
}

void TGyoListForm::btnOKClick()
{
    if (!hasRows())
        return;
    KojiCode = current(QStringLiteral("KJCD"));
    GyoCode = current(QStringLiteral("GYOCD"));
    CompanyName = current(QStringLiteral("CPNM"));
    accept();
}

bool PickContractor(QWidget *parent, const QString &kojiCode, const QString &preset, const QString &leaveOut,
                    QString &chosenKojiCode, QString &chosenGyoCode, QString &chosenName, bool leaveOutPlaced)
{
    TGyoListForm picker(parent);
    picker.KojiCode = kojiCode.isEmpty() ? QStringLiteral("0") : kojiCode;
    picker.GyoCode = preset;
    picker.LeaveOut = leaveOut;
    picker.LeaveOutPlaced = leaveOutPlaced;
    if (ModalService::current().run(picker) != QDialog::Accepted)
        return false;
    chosenKojiCode = picker.KojiCode;
    chosenGyoCode = picker.GyoCode;
    chosenName = picker.CompanyName;
    return true;
}
