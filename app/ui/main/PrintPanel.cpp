#include "PrintPanel.h"

#include "controls/ActionButton.h"
#include "MainActions.h"

#include <QAction>
#include <QTabWidget>

#include <algorithm>
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
    addPage({a.actPTaikeizu, a.actPEnginer, a.actPDaityo, a.actP2Daityo, a.actPNissi, a.actPTenken, a.actPSonota},
            QStringLiteral("安全管理"));
    addPage({a.actPMeibo, a.actPInCard}, QStringLiteral("労務管理"));
    addPage({a.actTodoke, a.actPTenken}, QStringLiteral("機械管理"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(PageControl1);
}

void PrintPanel::addPage(const QList<QAction *> &actions, const QString &caption)
{
    // A page whose every print is hidden would be an empty tab: its tab goes with its
    // buttons and comes back with the first of them. The pages keep their indexes.
    const int index = PageControl1->addTab(page(actions), caption);
    const auto follow = [this, index, actions] {
        PageControl1->setTabVisible(
            index, std::any_of(actions.begin(), actions.end(), [](QAction *action) { return action->isVisible(); }));
    };
    for (QAction *action : actions)
        connect(action, &QAction::changed, this, follow);
    follow();
}
