#include "ExchangeGuidePanel.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace {

QGroupBox *group(const QString &title, const QList<QLabel *> &labels)
{
    auto *box = new QGroupBox(title);
    auto *layout = new QHBoxLayout(box);
    for (QLabel *label : labels)
        layout->addWidget(label);
    layout->addStretch();
    return box;
}

}  // namespace

ExchangeGuidePanel::ExchangeGuidePanel(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("ExchangePanel"));
    setFrameShape(QFrame::StyledPanel);
    auto *layout = new QVBoxLayout(this);
    auto *header = new QHBoxLayout;
    header->addWidget(new QLabel(QStringLiteral("  データ受け渡しメニュー"), this));
    header->addStretch();
    chkHide = new QCheckBox(QStringLiteral("メニューを表示しない（各種設定で表示可）"), this);
    header->addWidget(chkHide);
    layout->addLayout(header);

    lblImportWorkers = new QLabel(QStringLiteral("②作業員名簿"));
    lblImportNotifications = new QLabel(QStringLiteral("③持込機械・車両届"));
    lblImportNotifications->setCursor(Qt::PointingHandCursor);
    lblImportNotifications->installEventFilter(this);
    layout->addWidget(group(QStringLiteral("Ⅰ）工事と元請け情報を作成する"),
                            {new QLabel(QStringLiteral("①工事情報")), new QLabel(QStringLiteral("②元請業者情報"))}));
    layout->addWidget(group(QStringLiteral("Ⅱ）下請け業者に送るファイルを作成する（エクスポート）"),
                            {new QLabel(QStringLiteral("①工事情報")), new QLabel(QStringLiteral("②元請業者情報")),
                             new QLabel(QStringLiteral("③持込機械・車両届"))}));
    layout->addWidget(group(QStringLiteral("Ⅲ）下請け業者から送られたファイルを取り込む（インポート）"),
                            {new QLabel(QStringLiteral("①下請業者情報")), lblImportWorkers, lblImportNotifications}));
}

bool ExchangeGuidePanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lblImportNotifications && event->type() == QEvent::MouseButtonRelease
        && lblImportNotifications->isEnabled()) {
        emit notificationsClicked();
        return true;
    }
    return QFrame::eventFilter(watched, event);
}
