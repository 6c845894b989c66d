#pragma once

#include <QObject>

class QWidget;

// Enter moves to the next field as Tab does, Shift+Enter to the previous one, in every
// control the filter is installed on (the editors' edits and drop-downs). A drop-down
// whose list is open keeps its Enter for choosing.
class RettoTab : public QObject
{
    Q_OBJECT
public:
    explicit RettoTab(QObject *parent = nullptr);

    void install(QWidget *control);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
