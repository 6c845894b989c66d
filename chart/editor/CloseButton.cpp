#include "CloseButton.h"

#include <QBoxLayout>
#include <QDialog>
#include <QPushButton>

void AddCloseButton(QDialog &dialog, QBoxLayout &layout, const QString &caption)
{
    auto *button = new QPushButton(caption, &dialog);
    button->setObjectName(QStringLiteral("btnClose"));
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, &dialog, &QDialog::accept);
    layout.addWidget(button, 0, Qt::AlignRight);
}
