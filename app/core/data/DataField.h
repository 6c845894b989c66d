#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

class DataSet;

// One field of a dataset's current row, as the forms use it:
//   IBTable1.FieldByName("KJNM").AsString()
//   IBTable1.FieldByName("JV").SetAsInteger(0)
// Reading a null gives the empty text or 0. Writing needs the dataset in edit or insert;
// an empty text is stored as null, a text written into a number field must be a number.
class DataField
{
public:
    DataField(DataSet &dataSet, int index)
        : m_dataSet(&dataSet)
        , m_index(index)
    {
    }

    QString FieldName() const;
    int Index() const { return m_index; }

    QVariant Value() const;
    bool IsNull() const;
    QString AsString() const;
    int AsInteger() const;
    double AsFloat() const;
    QByteArray AsBytes() const;

    void SetValue(const QVariant &value);
    void SetAsString(const QString &text) { SetValue(text); }
    void SetAsInteger(int value) { SetValue(value); }
    void Clear() { SetValue(QVariant()); }

private:
    DataSet *m_dataSet;
    int m_index;
};
