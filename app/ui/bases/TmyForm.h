#pragma once

#include <QDialog>

// The base of the program's windows: the program font ("ＭＳ Ｐゴシック", 12 pixels,
// drawn with IPAPGothic), the button-face background, placed in the middle of the
// screen when first shown.
class TmyForm : public QDialog
{
    Q_OBJECT
public:
    explicit TmyForm(QWidget *parent = nullptr);

    // Gives a label or a panel (TPanel) the title look of the settings: background,
    // font colour, face, size and styles. Called when a window is made and again after
    // the settings changed.
    static void ApplyTitleStyle(QWidget *control);

protected:
    void showEvent(QShowEvent *event) override;

private:
    bool m_placed = false;
};
