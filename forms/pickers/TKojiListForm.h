#pragma once

#include "PickerForm.h"

class TplDateEdit;

// 工事一覧: chooses a project, optionally filtered by its period. KojiCode is given to
// preselect a project and holds the choice afterwards; a closed window leaves it as
// given ("0" when none was given).
class TKojiListForm : public PickerForm
{
    Q_OBJECT
public:
    explicit TKojiListForm(QWidget *parent = nullptr);

    QString KojiCode = QStringLiteral("0");
    QString KojiName;

    TplDateEdit *dtFrom;   // 工事（自）
    TplDateEdit *dtTo;     // 工事（至）
    QPushButton *btnView;  // 表示

    // The statement of the list as the filter stands.
    SqlStatement ListSql();
    void btnViewClick();

protected:
    void showEvent(QShowEvent *event) override;
    void btnOKClick() override;

private:
    bool m_shown = false;
};
