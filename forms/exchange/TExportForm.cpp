#include "TExportForm.h"

#include <QCheckBox>
#include <QPushButton>
#include <QVBoxLayout>

TExportForm::TExportForm(const QStringList &fileInfo, QWidget *parent)
    : PackageInfoForm(QStringLiteral("データを作成する"), fileInfo, QStringLiteral("作成する"), parent)
{
    chkAngou = new QCheckBox(QStringLiteral("2006年版 より前のバージョンに提出の場合"), this);
    chkAngou->setObjectName(QStringLiteral("chkAngou"));
    Body->addWidget(chkAngou);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    btnOK->setDefault(true);
}
