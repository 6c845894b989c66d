#pragma once

#include "DataSetState.h"

#include <QObject>

class DataSet;

// Links data-bound controls and a window's logic to one dataset (the forms'
// DataSource1). The dataset calls it; it passes the news on as signals:
//   stateChanged        the dataset opened, closed, or went into or out of edit/insert;
//   dataChanged(field)  field `field` of the current row changed, or -1: the whole
//                       record (a move, an open, a cancel, a refresh);
//   updatingRecord      a post is about to run: controls holding typed text that is not
//                       yet in its field write it now;
//   posted              a post was written and its AfterPost handler has run (an editor
//                       that owns the transaction commits here).
class DataSource : public QObject
{
    Q_OBJECT
public:
    explicit DataSource(QObject *parent = nullptr);
    ~DataSource() override;

    void setDataSet(DataSet *dataSet);
    DataSet *dataSet() const { return m_dataSet; }
    DataSetState state() const;

    // Puts the dataset into edit for a control the user types in: from browse it edits
    // (an empty dataset appends). Returns false when the dataset cannot be changed.
    bool edit();

    // Called by the dataset.
    void stateChange() { emit stateChanged(); }
    void dataChange(int field) { emit dataChanged(field); }
    void updateRecord() { emit updatingRecord(); }
    void postDone() { emit posted(); }
    void forgetDataSet();

signals:
    void stateChanged();
    void dataChanged(int field);
    void updatingRecord();
    void posted();

private:
    DataSet *m_dataSet = nullptr;
};
