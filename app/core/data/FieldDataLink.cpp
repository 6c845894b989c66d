#include "FieldDataLink.h"

#include "DataField.h"
#include "DataSet.h"
#include "DataSource.h"
#include "db/Field.h"

FieldDataLink::FieldDataLink(QObject *parent)
    : QObject(parent)
{
}

void FieldDataLink::setDataSource(DataSource *source)
{
    if (m_source)
        disconnect(m_source, nullptr, this, nullptr);
    m_source = source;
    if (m_source) {
        connect(m_source, &DataSource::dataChanged, this, &FieldDataLink::onDataChanged);
        connect(m_source, &DataSource::stateChanged, this, &FieldDataLink::activeChanged);
        connect(m_source, &DataSource::updatingRecord, this, &FieldDataLink::commit);
    }
    m_modified = false;
    emit activeChanged();
    emit reload();
}

void FieldDataLink::setFieldName(const QString &name)
{
    m_fieldName = name;
    m_modified = false;
    emit reload();
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
    return index < 0 ? 0 : m_source->dataSet()->FieldInfo(index).charLength;
}

bool FieldDataLink::startEdit()
{
    if (!canModify())
        return false;
    // Marked first: the state change that the edit causes must not reload the control
    // over the character being typed.
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
}

void FieldDataLink::onDataChanged(int field)
{
    if (m_writing)
        return;
    if (field < 0 || field == fieldIndex()) {
        m_modified = false;
        emit reload();
    }
}
