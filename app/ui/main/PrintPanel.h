#pragma once

#include <QGroupBox>

class MainActions;
class QTabWidget;

// 各種印刷: three pages of buttons bound to the print actions.
class PrintPanel : public QGroupBox
{
    Q_OBJECT
public:
    PrintPanel(const MainActions &actions, QWidget *parent = nullptr);

    QTabWidget *PageControl1;
};
