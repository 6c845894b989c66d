#pragma once

#include "bases/TmyForm.h"

class QLabel;
class QPushButton;

// バージョン情報: the program's icon, its product name and file version as the version
// strings of the program file give them, and the maker's credit line.
class TAboutBox : public TmyForm
{
    Q_OBJECT
public:
    explicit TAboutBox(QWidget *parent = nullptr);

    QLabel *ProductName;
    QLabel *Version;
    QLabel *Copyright;
    QPushButton *OKButton;
};
