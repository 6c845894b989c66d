#include "DataSource.h"

#include "DataSet.h"

DataSource::DataSource(QObject *parent)
    : QObject(parent)
{
}

DataSource::~DataSource()
{
    if (m_dataSet)
        m_dataSet->removeDataSource(this);
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
    emit stateChanged();
    emit dataChanged(-1);
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

void DataSource::forgetDataSet()
{
    m_dataSet = nullptr;
    emit stateChanged();
}
