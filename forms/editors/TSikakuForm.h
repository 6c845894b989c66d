#pragma once

#include "kit/TRecordEditor.h"

class NamesRules;
class QComboBox;

// 資格マスタ: the names master, one kind at a time, from which qualifications, job types,
// marks and engineer qualifications are chosen. After a new entry is posted the next one
// is begun at once, so names can be entered one after the other; a new entry left empty
// is dropped without a question, also when another kind is chosen.
class TSikakuForm : public TRecordEditor
{
    Q_OBJECT
public:
    explicit TSikakuForm(const EditorContext &context, QWidget *parent = nullptr);

    QComboBox *ComboBox1;

    // Shows the entries of `kind` (1 licences … 6 engineer qualifications).
    void SelectKind(int kind);
    int Kind() const;

    void ComboBox1Change();

protected:
    void FormShow() override;

private:
    NamesRules &names();
};

// Opens the names master on `kind`. It keeps a transaction of its own, so that what it
// posts is kept whatever becomes of the work of the window that opened it, and that work
// is neither committed nor rolled back by it.
void EditNamesMaster(const EditorContext &context, QWidget *parent, int kind = 1);
