#include "TDelAllForm.h"

#include "MainFormWindows.h"
#include "PackageDialogs.h"
#include "ProjectDeletion.h"
#include "services/UserAction.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TDelAllForm::TDelAllForm(TDataModule1 &data, MainFormWindows &windows, QWidget *parent)
    : TmyForm(parent)
    , m_data(data)
    , m_windows(windows)
{
    setObjectName(QStringLiteral("DelAllForm"));
    setWindowTitle(QStringLiteral("関連情報削除画面"));

    auto *group = new QGroupBox(QStringLiteral("削除する工事"), this);
    auto *groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(new QLabel(QStringLiteral("この工事で登録した情報を削除します。"), group));
    auto *nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel(QStringLiteral("工事名称"), group));
    edtKJNM = new QLineEdit(group);
    edtKJNM->setObjectName(QStringLiteral("edtKJNM"));
    edtKJNM->setReadOnly(true);
    edtKJNM->setMinimumWidth(320);
    nameRow->addWidget(edtKJNM, 1);
    btnPick = new QPushButton(QStringLiteral("…"), group);
    btnPick->setObjectName(QStringLiteral("btnPick"));
    btnPick->setToolTip(QStringLiteral("工事を選択します"));
    btnPick->setMaximumWidth(40);
    nameRow->addWidget(btnPick);
    groupLayout->addLayout(nameRow);
    groupLayout->addWidget(new QLabel(
        QStringLiteral("（再利用するときは、その工事を選択して各画面で作成ボタンでエクスポートします）"), group));
    chkReusable = new QCheckBox(QStringLiteral("上記工事で登録した再利用可能な業者情報、作業員情報を削除する"), group);
    chkReusable->setObjectName(QStringLiteral("chkReusable"));
    groupLayout->addWidget(chkReusable);

    btnOK = new QPushButton(QStringLiteral("OK(&E)"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnClose = new QPushButton(QStringLiteral("閉じる(&C)"), this);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnClose);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);

    connect(btnPick, &QPushButton::clicked, this, [this] { RunUserAction([this] { btnPickClick(); }); });
    connect(btnOK, &QPushButton::clicked, this, [this] { RunUserAction([this] { btnOKClick(); }); });
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
    choose(KojiCode, {});
}

void TDelAllForm::btnPickClick()
{
    const MainFormWindows::ProjectChoice choice = m_windows.pickProject(this, KojiCode);
    if (choice.code != KojiCode)
        choose(choice.code, choice.name);
}

void TDelAllForm::btnOKClick()
{
    ProjectDeletion deletion(m_data, sorvik::package::PackageDialogs::current());
    const ProjectDeletion::Outcome outcome = deletion.run(KojiCode, edtKJNM->text(), chkReusable->isChecked());
    if (!outcome.deleted)
        return;
    DeletedCurrent = DeletedCurrent || outcome.deletedCurrent;
    choose(QStringLiteral("0"), {});
    accept();
}

void TDelAllForm::choose(const QString &code, const QString &name)
{
    KojiCode = code.isEmpty() ? QStringLiteral("0") : code;
    edtKJNM->setText(KojiCode == QLatin1String("0") ? QString() : name);
    btnOK->setEnabled(KojiCode != QLatin1String("0"));
}
