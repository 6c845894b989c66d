#pragma once

#include "DataSetState.h"

#include <QList>

class DataSet;
class DataSetObserver;

// Links data-bound controls and a window's logic to one dataset (the forms'
// DataSource1). The dataset calls it; it passes the news on to its observers in the order
// they were added (see DataSetObserver). Exceptions of observers are not caught here.
class DataSource
{
public:
    DataSource() = default;
    ~DataSource();
    DataSource(const DataSource &) = delete;
    DataSource &operator=(const DataSource &) = delete;

    void setDataSet(DataSet *dataSet);
    DataSet *dataSet() const { return m_dataSet; }
    DataSetState state() const;
    bool editing() const { return state() == DataSetState::Edit || state() == DataSetState::Insert; }

    // Puts the dataset into edit for a control the user types in: from browse it edits
    // (an empty dataset appends). Returns false when the dataset cannot be changed.
    bool edit();
    // Asks every control to write the input it still holds into its field, as a post does.
    void commitPending() { updateRecord(); }

    void addObserver(DataSetObserver *observer);
    void removeObserver(DataSetObserver *observer);

    // Called by the dataset.
    void stateChange();
    void dataChange(int field);
    void updateRecord();
    void postDone();
    // The dataset is being destroyed: forget it without telling anyone, since the window
    // that owns both is going away.
    void forgetDataSet() { m_dataSet = nullptr; }

private:
    template<typename Call> void notify(Call call);

    DataSet *m_dataSet = nullptr;
    QList<DataSetObserver *> m_observers;
};
