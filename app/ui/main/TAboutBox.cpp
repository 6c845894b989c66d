#include "TAboutBox.h"

#include "system/SystemInfo.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

TAboutBox::TAboutBox(QWidget *parent)
    : TmyForm(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("バージョン情報"));
    const QString program = ProgramFilePath();

    auto *icon = new QLabel(this);
    const QIcon programIcon = QApplication::windowIcon().isNull() ? style()->standardIcon(QStyle::SP_ComputerIcon)
                                                                  : QApplication::windowIcon();
    icon->setPixmap(programIcon.pixmap(48, 48));
    ProductName = new QLabel(QStringLiteral("Product : ") + GetVersionString(program, 8), this);
    ProductName->setObjectName(QStringLiteral("ProductName"));
    Version = new QLabel(QStringLiteral("Version : ") + GetVersionString(program, 3), this);
    Version->setObjectName(QStringLiteral("Version"));
    Copyright = new QLabel(QStringLiteral("Copyright (C) Quandor. All rights reserved."), this);
    Copyright->setObjectName(QStringLiteral("Copyright"));
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    auto *layout = new QGridLayout(this);
    layout->setHorizontalSpacing(16);
    layout->addWidget(icon, 0, 0, 3, 1, Qt::AlignTop);
    layout->addWidget(ProductName, 0, 1);
    layout->addWidget(Version, 1, 1);
    layout->addWidget(Copyright, 2, 1);
    layout->addWidget(OKButton, 3, 0, 1, 2, Qt::AlignHCenter);
}
