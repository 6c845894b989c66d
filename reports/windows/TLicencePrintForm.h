#pragma once

#include "TPrintForm.h"

#include <QStringList>

class QListWidget;
class QTabWidget;

// The qualification lists (資格者一覧印刷画面): by contractor, each worker's qualifications
// on a page of their own; by qualification, everyone in the project who holds it.
class TLicencePrintForm : public TPrintForm
{
    Q_OBJECT
public:
    explicit TLicencePrintForm(QWidget *parent = nullptr);

    // The contractor of the list by worker: the opener's choice, then the list's.
    QString GyoCode;

    // The check before showing: the contractors with qualifications; without any says so
    // and returns false, and the window is not shown.
    bool LoadContractorList();

    QTabWidget *PageControl1;
    QListWidget *ListBox1;
    QListWidget *ListBox2;

protected:
    void showEvent(QShowEvent *event) override;
    void PrintDocument(int tag) override;

private:
    QStringList m_codes;  // parallel to ListBox1
};
