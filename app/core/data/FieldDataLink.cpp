#include "FieldDataLink.h"

#include "DataSet.h"
#include "DataSource.h"
#include "db/Field.h"

#include <algorithm>

FieldDataLink::~FieldDataLink()
{
    if (m_source)
        m_source->removeObserver(this);
}

void FieldDataLink::setDataSource(DataSource *source)
{
    if (m_source)
        m_source->removeObserver(this);
    m_source = source;
    if (m_source)
        m_source->addObserver(this);
    m_modified = false;
    reload();
}

void FieldDataLink::setFieldName(const QString &name)
{
    m_fieldName = name;
    m_modified = false;
    reload();
}

void FieldDataLink::setReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    reload();
}

void FieldDataLink::reload()
{
    if (OnReload)
        OnReload();
}

int FieldDataLink::fieldIndex() const
{
    DataSet *dataSet = m_source ? m_source->dataSet() : nullptr;
    return dataSet && dataSet->Active() ? dataSet->FieldIndex(m_fieldName) : -1;
}

bool FieldDataLink::active() const
{
    return fieldIndex() >= 0;
}

bool FieldDataLink::canModify() const
{
    return active() && !m_readOnly && m_source->dataSet()->CanModify();
}

QVariant FieldDataLink::value() const
{
    const int index = fieldIndex();
    return index < 0 ? QVariant() : m_source->dataSet()->FieldValue(index);
}

QString FieldDataLink::text() const
{
    return db::Field(m_fieldName, value()).asString();
}

int FieldDataLink::maxLength() const
{
    const int index = fieldIndex();
    const int field = index < 0 ? 0 : m_source->dataSet()->FieldInfo(index).charLength;
    if (field > 0 && m_maxLength > 0)
        return std::min(field, m_maxLength);
    return std::max(field, m_maxLength);
}

bool FieldDataLink::startEdit()
{
    if (!canModify())
        return false;
    // Marked first: the state change and the record an append brings must not reload
    // the control over the input the user is making.
    m_modified = true;
    m_writing = true;
    try {
        m_source->edit();
    } catch (...) {
        m_writing = false;
        m_modified = false;
        throw;
    }
    m_writing = false;
    return true;
}

void FieldDataLink::commit()
{
    if (!m_modified || !pendingValue || !active())
        return;
    write(pendingValue());
}

void FieldDataLink::write(const QVariant &value)
{
    if (!canModify())
        return;
    DataSet *dataSet = m_source->dataSet();
    m_writing = true;
    try {
        m_source->edit();
        dataSet->SetFieldValue(fieldIndex(), value);
    } catch (...) {
        m_writing = false;
        throw;
    }
    m_writing = false;
    m_modified = false;
    // The edit this write may have begun reloaded the control with the old value.
    reload();
}

void FieldDataLink::DataSetStateChanged()
{
    reload();
}

void FieldDataLink::DataSetDataChanged(int field)
{
    if (m_writing)
        return;
    if (field < 0 || field == fieldIndex()) {
        m_modified = false;
        reload();
    }
}

void FieldDataLink::DataSourceDestroyed()
{
    m_source = nullptr;
    m_modified = false;
}
