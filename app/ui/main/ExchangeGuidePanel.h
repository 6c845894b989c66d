#pragma once

#include <QFrame>

class QCheckBox;
class QLabel;

// データ受け渡しメニュー: a guide to the exchange of packages between the prime
// contractor and its subcontractors. Only the last label acts; it asks for the
// notification print through notificationsClicked().
class ExchangeGuidePanel : public QFrame
{
    Q_OBJECT
public:
    explicit ExchangeGuidePanel(QWidget *parent = nullptr);

    QCheckBox *chkHide;
    QLabel *lblImportWorkers;        // Ⅲ②
    QLabel *lblImportNotifications;  // Ⅲ③

signals:
    void notificationsClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
