#include "TPrintForm.h"

#include "PreviewOutputHandler.h"
#include "bases/TPanel.h"
#include "program/AppContext.h"
#include "services/UserAction.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

TPrintForm::TPrintForm(QWidget *parent)
    : TmyForm(parent)
{
    setWindowTitle(QStringLiteral("印刷画面"));
    Celvane1.setOutputHandler(std::make_shared<celvane::PreviewOutputHandler>());

    TitlePanel = new TPanel(this);
    TitlePanel->setObjectName(QStringLiteral("TitlePanel"));
    TitlePanel->setFixedHeight(41);
    QPalette yellow = TitlePanel->palette();
    yellow.setColor(QPalette::Window, Qt::yellow);
    TitlePanel->setPalette(yellow);
    QFont titleFont(QStringLiteral("ＭＳ Ｐゴシック"));
    titleFont.setPixelSize(21);
    TitlePanel->setFont(titleFont);
    ApplyTitleStyle(TitlePanel);

    ClientPanel = new QWidget(this);
    ClientPanel->setObjectName(QStringLiteral("ClientPanel"));

    JobPanel = new TPanel(this);
    JobPanel->setObjectName(QStringLiteral("JobPanel"));
    JobPanel->setFixedHeight(41);
    btnPrint = new QPushButton(QStringLiteral("印刷(&P)"), JobPanel);
    btnPrint->setObjectName(QStringLiteral("btnPrint"));
    btnPrint->setProperty("Tag", PrintTag);
    btnPrevew = new QPushButton(QStringLiteral("ﾌﾟﾚﾋﾞｭｰ(&V)"), JobPanel);
    btnPrevew->setObjectName(QStringLiteral("btnPrevew"));
    btnPrevew->setProperty("Tag", PreviewTag);
    btnClose = new QPushButton(QStringLiteral("閉じる(&L)"), JobPanel);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    auto *buttons = new QHBoxLayout(JobPanel);
    buttons->setContentsMargins(8, 6, 8, 6);
    buttons->addStretch();
    for (QPushButton *button : {btnPrint, btnPrevew, btnClose}) {
        button->setMinimumWidth(96);
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    btnPrint->setEnabled(false);
    btnPrevew->setEnabled(false);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(TitlePanel);
    layout->addWidget(ClientPanel, 1);
    layout->addWidget(JobPanel);

    connect(btnPrint, &QPushButton::clicked, this, [this] { btnPrintClick(btnPrint); });
    connect(btnPrevew, &QPushButton::clicked, this, [this] { btnPrintClick(btnPrevew); });
    connect(btnClose, &QPushButton::clicked, this, &QDialog::close);
}

void TPrintForm::showEvent(QShowEvent *event)
{
    TmyForm::showEvent(event);
    TitlePanel->setCaption(AppContext::Project().CurKojiName());
}

void TPrintForm::btnPrintClick(QPushButton *sender)
{
    const int tag = sender->property("Tag").toInt();
    RunUserAction([&] { PrintDocument(tag); });
}

void TPrintForm::EndDocument(int tag)
{
    if (tag == PreviewTag) {
        const QRect area = screen() ? screen()->availableGeometry() : QRect(0, 0, 1280, 1024);
        Celvane1.Output().Preview(1, 1, area.width(), area.height());
    } else {
        Celvane1.Output().Print();
    }
}
