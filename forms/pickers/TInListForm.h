#pragma once

#include "PickerForm.h"

class QLabel;

struct WorkerQualificationChoice
{
    QString Name;
    QString BirthDate;
    QString Address;
    QString Qualification;
    QString Number;
    QString Expiry;
};

// 作業員資格一覧: chooses a worker of a contractor with one qualification, or with
// several when more than one kind is listed.
class TInListForm : public PickerForm
{
    Q_OBJECT
public:
    explicit TInListForm(QWidget *parent = nullptr);

    // In: call Fill after setting these. Kinds is a comma list of qualification kinds.
    QString KojiCode;
    QString GyoCode;
    QString Kinds;
    void Fill();

    // Out; all empty when nothing was chosen.
    WorkerQualificationChoice Chosen;

    QLabel *lblMulti;

protected:
    void btnOKClick() override;
    void BitBtn2Click() override;

private:
    bool multiple() const { return Kinds.contains(QLatin1Char(',')); }
};

// Opens the worker qualification picker; every field is empty when nothing was chosen.
WorkerQualificationChoice PickWorkerQualification(QWidget *parent, const QString &kojiCode, const QString &gyoCode,
                                                  const QString &kinds);
