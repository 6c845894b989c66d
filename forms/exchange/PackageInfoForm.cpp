#include "PackageInfoForm.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

PackageInfoForm::PackageInfoForm(const QString &caption, const QStringList &fileInfo, const QString &okCaption,
                                 QWidget *parent)
    : TmyForm(parent)
{
    setWindowTitle(caption);
    auto *infoBox = new QGroupBox(QStringLiteral("ファイル情報"), this);
    Memo1 = new QPlainTextEdit(infoBox);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setPlainText(fileInfo.join(QLatin1Char('\n')));
    auto *infoLayout = new QVBoxLayout(infoBox);
    infoLayout->addWidget(Memo1);

    btnOK = new QPushButton(okCaption, this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnCancel = new QPushButton(QStringLiteral("取り消し"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    for (QPushButton *button : {btnOK, btnCancel}) {
        button->setMinimumWidth(100);
        button->setAutoDefault(false);
    }
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(infoBox, 1);
    Body = new QVBoxLayout;
    layout->addLayout(Body);
    layout->addLayout(buttons);
    resize(420, 300);
}
