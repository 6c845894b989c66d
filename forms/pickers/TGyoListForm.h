#pragma once

#include "PickerForm.h"

class QLineEdit;
class QWidget;

// 業者一覧選択: chooses a contractor of a project; the title strip names the current
// project. Given the project "0", a project strip lets the user choose the project first.
class TGyoListForm : public PickerForm
{
    Q_OBJECT
public:
    explicit TGyoListForm(QWidget *parent = nullptr);

    // In: the project ("0" to choose one), the contractor to preselect, the comma list
    // of contractors to leave out, and whether to leave out those already placed in the
    // construction system. Out after a choice: project, contractor, company name.
    QString KojiCode = QStringLiteral("0");
    QString GyoCode;
    QString LeaveOut;
    bool LeaveOutPlaced = false;
    QString CompanyName;

    QWidget *ProjectStrip;
    QLineEdit *edtKJNM;
    QPushButton *btnKJ;

    void btnKJClick();

protected:
    void showEvent(QShowEvent *event) override;
    void btnOKClick() override;

private:
    void fillList();
    bool m_shown = false;
};

// Opens the contractor picker; true when a contractor was chosen, and only then are the
// three outputs set.
bool PickContractor(QWidget *parent, const QString &kojiCode, const QString &preset, const QString &leaveOut,
                    QString &chosenKojiCode, QString &chosenGyoCode, QString &chosenName, bool leaveOutPlaced = false);
