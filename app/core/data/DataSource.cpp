#include "DataSource.h"

#include "DataSet.h"
#include "DataSetObserver.h"

DataSource::~DataSource()
{
    if (m_dataSet)
        m_dataSet->removeDataSource(this);
    const QList<DataSetObserver *> observers = m_observers;
    m_observers.clear();
    for (DataSetObserver *observer : observers)
        observer->DataSourceDestroyed();
}

void DataSource::setDataSet(DataSet *dataSet)
{
    if (m_dataSet == dataSet)
        return;
    if (m_dataSet)
        m_dataSet->removeDataSource(this);
    m_dataSet = dataSet;
    if (m_dataSet)
        m_dataSet->addDataSource(this);
    stateChange();
    dataChange(-1);
}

DataSetState DataSource::state() const
{
    return m_dataSet ? m_dataSet->State() : DataSetState::Inactive;
}

bool DataSource::edit()
{
    if (!m_dataSet || !m_dataSet->Active() || !m_dataSet->CanModify())
        return false;
    m_dataSet->Edit();
    return true;
}

void DataSource::addObserver(DataSetObserver *observer)
{
    if (!m_observers.contains(observer))
        m_observers << observer;
}

void DataSource::removeObserver(DataSetObserver *observer)
{
    m_observers.removeAll(observer);
}

// Observers may add or remove observers while they are told (a window creating a
// control); the news goes to those present when it started and still present.
template<typename Call> void DataSource::notify(Call call)
{
    const QList<DataSetObserver *> observers = m_observers;
    for (DataSetObserver *observer : observers) {
        if (m_observers.contains(observer))
            call(observer);
    }
}

void DataSource::stateChange()
{
    notify([](DataSetObserver *o) { o->DataSetStateChanged(); });
}

void DataSource::dataChange(int field)
{
    notify([field](DataSetObserver *o) { o->DataSetDataChanged(field); });
}

void DataSource::updateRecord()
{
    notify([](DataSetObserver *o) { o->DataSetUpdatingRecord(); });
}

void DataSource::postDone()
{
    notify([](DataSetObserver *o) { o->DataSetPosted(); });
}
