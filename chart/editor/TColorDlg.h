#pragma once

#include "bases/TmyForm.h"

class QButtonGroup;
class QGroupBox;
class QLabel;

// The colour and frame of one chart box (色指定): a click on a swatch chooses its colour,
// shown in the sample with its text in the inverted colour; the frame line is chosen in
// rgLine. Only "閉じる" applies the choices (the dialog is accepted); closing it any other
// way leaves the box as it was.
class TColorDlg : public TmyForm
{
    Q_OBJECT

public:
    TColorDlg(const QString &boxColor, int frameStyle, QWidget *parent = nullptr);

    // The chosen colour identifier ("clRed", "clBtnFace"), or the box's own when no
    // swatch was clicked.
    QString BoxColor() const { return m_boxColor; }
    int FrameStyle() const;

    QLabel *pnlSample;
    QGroupBox *rgLine;

private:
    void SwatchClick(const QString &identifier);
    void ShowSample();

    QButtonGroup *m_frames;
    QString m_boxColor;
};
