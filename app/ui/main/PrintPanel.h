#pragma once

#include <QGroupBox>

class MainActions;
class QAction;
class QTabWidget;

// 各種印刷: three pages of buttons bound to the print actions; a page shows its tab
// while at least one of its prints is shown.
class PrintPanel : public QGroupBox
{
    Q_OBJECT
public:
    PrintPanel(const MainActions &actions, QWidget *parent = nullptr);

    QTabWidget *PageControl1;

private:
    void addPage(const QList<QAction *> &actions, const QString &caption);
};
