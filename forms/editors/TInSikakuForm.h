#pragma once

#include "kit/TRecordEditor.h"

class QLabel;
class QRadioButton;
class QualificationRules;

// 作業員資格詳細画面: the licences, skill trainings or special educations of one kind held
// by one worker, each with its number, dates and a scanned certificate. It never commits
// or rolls back: what it posts belongs to the roster's pending worker and is kept or
// undone with it. A name is chosen from the names master; after a new qualification is
// posted the next one is begun, and one left without a name is dropped on closing.
class TInSikakuForm : public TRecordEditor
{
    Q_OBJECT
public:
    TInSikakuForm(const EditorContext &context, int kind, const QString &kojiCode, const QString &gyoCode,
                  const QString &workerCode, QWidget *parent = nullptr);

    QWidget *HeadPanel;
    QLabel *lblCPNM;
    QLabel *lblNAME;
    QLabel *lblBNDT;
    QPushButton *btnSikaku;
    QPushButton *btnMSikaku;
    QRadioButton *rgPlus5;
    QRadioButton *rgNone;

    // The abbreviations of the worker's qualifications of the kind, in the order they
    // were entered; known once the window has closed.
    const QStringList &Abbreviations() const { return m_abbreviations; }

    void btnSikakuClick();
    void btnMSikakuClick();
    void rgPlus5Click();
    void rgNoneClick();
    void FormClose() override;

protected:
    void FormShow() override;

private:
    QualificationRules &qualifications();
    QWidget *headPanel();

    int m_kind;
    QStringList m_abbreviations;
};

// Shows the qualification editor for the worker and kind (1 licences, 2 skill trainings,
// 3 special educations) and returns the abbreviations it ended with.
QStringList EditQualifications(const EditorContext &context, QWidget *parent, int kind, const QString &kojiCode,
                               const QString &gyoCode, const QString &workerCode);
