#include "PrintPanel.h"

#include "controls/ActionButton.h"
#include "MainActions.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QWidget *page(const QList<QAction *> &actions)
{
    auto *widget = new QWidget;
    auto *layout = new QVBoxLayout(widget);
    for (QAction *action : actions)
        layout->addWidget(new ActionButton(action, widget));
    layout->addStretch();
    return widget;
}

}  // namespace

PrintPanel::PrintPanel(const MainActions &a, QWidget *parent)
    : QGroupBox(QStringLiteral("各種印刷"), parent)
{
    setObjectName(QStringLiteral("PrintPanel"));
    PageControl1 = new QTabWidget(this);
    PageControl1->addTab(
        page({a.actPTaikeizu, a.actPEnginer, a.actPDaityo, a.actP2Daityo, a.actPNissi, a.actPTenken, a.actPSonota}),
        QStringLiteral("安全管理"));
    PageControl1->addTab(page({a.actPMeibo, a.actPInCard}), QStringLiteral("労務管理"));
    PageControl1->addTab(page({a.actTodoke, a.actPTenken}), QStringLiteral("機械管理"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(PageControl1);
}
