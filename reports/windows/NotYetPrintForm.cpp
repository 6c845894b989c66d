#include "NotYetPrintForm.h"

#include <QLabel>
#include <QVBoxLayout>

NotYetPrintForm::NotYetPrintForm(const QString &caption, QWidget *parent)
    : TPrintForm(parent)
{
    setObjectName(QStringLiteral("NotYetPrintForm"));
    setWindowTitle(caption);
    auto *notice = new QLabel(Notice);
    notice->setObjectName(QStringLiteral("lblNotice"));
    notice->setAlignment(Qt::AlignCenter);
    auto *layout = new QVBoxLayout(ClientPanel);
    layout->addWidget(notice);
    resize(520, 260);
}
