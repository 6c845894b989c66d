#include "DataField.h"

#include "DataSet.h"
#include "db/Field.h"

namespace {

db::Field asDbField(const DataField &field)
{
    return db::Field(field.FieldName(), field.Value());
}

}  // namespace

QString DataField::FieldName() const
{
    return m_dataSet->FieldInfo(m_index).name;
}

QVariant DataField::Value() const
{
    return m_dataSet->FieldValue(m_index);
}

bool DataField::IsNull() const
{
    return Value().isNull();
}

QString DataField::AsString() const
{
    return asDbField(*this).asString();
}

int DataField::AsInteger() const
{
    return asDbField(*this).asInt();
}

double DataField::AsFloat() const
{
    return asDbField(*this).asDouble();
}

QByteArray DataField::AsBytes() const
{
    return asDbField(*this).asBytes();
}

void DataField::SetValue(const QVariant &value)
{
    m_dataSet->SetFieldValue(m_index, value);
}
