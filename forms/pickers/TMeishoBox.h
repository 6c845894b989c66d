#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;

// A choice of the names picker: the text it returns (the whole entry, or the bare
// abbreviation for job types and marks) and the entry's bare name, whatever the length
// of its abbreviation.
struct NameChoice
{
    QString Text;
    QString Name;
};

// 名称選択: a small list of one kind of the names master at a given screen place. Enter
// or releasing the mouse over an entry chooses it; Escape closes without a choice.
class TMeishoBox : public QDialog
{
    Q_OBJECT
public:
    // Reads the names of `kind` (1-6) from the names master.
    TMeishoBox(int kind, QWidget *parent = nullptr);

    QListWidget *ListBox1;
    // The bare abbreviations and names, parallel to the entries.
    QStringList Abbreviations;
    QStringList Names;
    // The choice; empty when nothing was chosen.
    QString Result;
    QString ResultName;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void choose();
    int m_kind;
};

// Opens the names picker with its top-left corner at (top, left) on the screen; the
// chosen text, empty when nothing was chosen. Callers wanting the name take the text
// from the tenth character on.
QString PickName(int top, int left, int kind, QWidget *parent = nullptr);
// The same, with the chosen entry's bare name.
NameChoice PickNameChoice(int top, int left, int kind, QWidget *parent = nullptr);
