#pragma once

#include "DataSetObserver.h"

#include <QString>
#include <QVariant>
#include <functional>

class DataSource;

// What a data-bound control shares with every other: it follows one field of a data
// source's dataset and writes the user's input back.
//
// The control shows value() whenever OnReload is called (a move, an open, a cancel, a
// state change, or a change of its own field by someone else). When the user changes the
// control it calls startEdit(), which marks the input as pending first and then puts the
// dataset into edit (a browsing dataset edits, an empty one appends), so the record the
// append brings cannot reload the control over the user's input. The pending value stays
// in the control until commit() (on leaving the control) or until the dataset asks for
// it before a post; pendingValue supplies it.
class FieldDataLink : public DataSetObserver
{
public:
    FieldDataLink() = default;
    ~FieldDataLink() override;
    FieldDataLink(const FieldDataLink &) = delete;
    FieldDataLink &operator=(const FieldDataLink &) = delete;

    void setDataSource(DataSource *source);
    DataSource *dataSource() const { return m_source; }
    void setFieldName(const QString &name);
    QString fieldName() const { return m_fieldName; }
    void setReadOnly(bool readOnly);
    bool readOnly() const { return m_readOnly; }
    // A limit of the control's own below the field's length; 0 for none.
    void setMaxLength(int length) { m_maxLength = length; }

    // The control's current value, asked for when a pending change is written.
    std::function<QVariant()> pendingValue;
    // Show value() again (and whether the control can be changed).
    std::function<void()> OnReload;

    bool active() const;     // the dataset is open and has this field
    bool canModify() const;  // active, writable, and the control is not read-only
    QVariant value() const;  // the field's value on the current row; null when not active
    QString text() const;    // the same as text
    int fieldIndex() const;
    // Characters the control takes: the smaller of the field's length and its own limit;
    // 0 when neither is known.
    int maxLength() const;

    // The user changes the control: the dataset goes into edit. False (and nothing
    // changes) when the field cannot be changed now.
    bool startEdit();
    bool modified() const { return m_modified; }
    // Writes the pending value (when there is one) into the field. Raises db::Error for a
    // value the field does not take; the change stays pending then.
    void commit();
    // Writes `value` at once (check boxes, lists, radio groups, pictures).
    void write(const QVariant &value);
    // Puts the dataset into edit unless it is editing, then writes `value` (a picker's
    // choice put into a field).
    void setFieldText(const QString &text) { write(text); }

    void DataSetStateChanged() override;
    void DataSetDataChanged(int field) override;
    void DataSetUpdatingRecord() override { commit(); }
    void DataSourceDestroyed() override;

private:
    void reload();

    DataSource *m_source = nullptr;
    QString m_fieldName;
    int m_maxLength = 0;
    bool m_readOnly = false;
    bool m_modified = false;
    bool m_writing = false;
};
