#include "TImportForm.h"

#include "ImportReview.h"
#include "services/MessageBoxService.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QString captionOf(const sorvik::package::ImportReview &review)
{
    return review.caption.isEmpty() ? QStringLiteral("データを取り込む") : review.caption;
}

}  // namespace

TImportForm::TImportForm(const sorvik::package::ImportReview &review, QWidget *parent)
    : PackageInfoForm(captionOf(review), review.memo, QStringLiteral("取り込む"), parent)
{
    chkOverwrite = new QCheckBox(QStringLiteral("同じデータの場合内容を上書きする"), this);
    chkOverwrite->setObjectName(QStringLiteral("chkOverwrite"));
    chkOverwrite->setVisible(review.overwriteVisible);
    lblCaution = new QLabel(MessageBoxService::displayText(sorvik::package::kCautionText), this);
    lblCaution->setObjectName(QStringLiteral("lblCaution"));
    lblCaution->setAlignment(Qt::AlignCenter);
    lblCaution->setAutoFillBackground(true);
    lblCaution->setMargin(4);
    lblCaution->setVisible(review.cautionVisible);
    Body->addWidget(chkOverwrite);
    Body->addWidget(lblCaution);

    Timer1 = new QTimer(this);
    Timer1->setInterval(500);
    connect(Timer1, &QTimer::timeout, this, &TImportForm::Timer1Timer);
    showCautionPhase();

    btnOK->setEnabled(review.importable);
    connect(btnOK, &QPushButton::clicked, this, &TImportForm::btnOKClick);
}

void TImportForm::btnOKClick()
{
    Accepted = true;
    Overwrite = chkOverwrite->isChecked();
    accept();
}

void TImportForm::Timer1Timer()
{
    m_silverPhase = !m_silverPhase;
    showCautionPhase();
}

void TImportForm::showCautionPhase()
{
    QPalette colours = lblCaution->palette();
    colours.setColor(QPalette::Window, m_silverPhase ? QColor(0xC0, 0xC0, 0xC0) : QColor(Qt::white));
    colours.setColor(QPalette::WindowText, m_silverPhase ? QColor(0x00, 0x80, 0x00) : QColor(0xFF, 0x00, 0x00));
    lblCaution->setPalette(colours);
    QFont font = lblCaution->font();
    font.setBold(m_silverPhase);
    lblCaution->setFont(font);
}

void TImportForm::showEvent(QShowEvent *event)
{
    PackageInfoForm::showEvent(event);
    if (!lblCaution->isHidden())
        Timer1->start();
}

void TImportForm::hideEvent(QHideEvent *event)
{
    Timer1->stop();
    PackageInfoForm::hideEvent(event);
}
