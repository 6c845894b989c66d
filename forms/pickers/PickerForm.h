#pragma once

#include "bases/TmyForm.h"
#include "data/DataSource.h"
#include "data/QueryDataSet.h"
#include "data/SqlStatement.h"

class DBGrid;
class QPushButton;
class QVBoxLayout;
class TPanel;

// The common frame of the list pickers: a title strip, a read-only grid over one query
// and a row of a choose and a close button. A double click on a row chooses it, as the
// choose button does. Derived pickers fill the query and read the chosen row.
class PickerForm : public TmyForm
{
    Q_OBJECT
public:
    PickerForm(const QString &caption, const QString &header, const QString &okCaption, const QString &cancelCaption,
               QWidget *parent = nullptr);

    TPanel *HeaderPanel;
    DBGrid *DBGrid1;
    QPushButton *btnOK;
    QPushButton *BitBtn2;  // closes without a choice
    QueryDataSet IBQuery1;
    DataSource DataSource1;

protected:
    // Extra controls go between the title strip and the grid.
    QVBoxLayout *Body;

    void openList(const SqlStatement &sql);
    // The current row's value as text; empty on an empty list.
    QString current(const QString &field);
    bool hasRows() const { return IBQuery1.Active() && !IBQuery1.IsEmpty(); }
    // Chooses the current row: the derived picker reads its results and closes.
    virtual void btnOKClick() = 0;
    virtual void BitBtn2Click() { reject(); }
};
