#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>
#include <functional>

#include "DataSource.h"

// What a data-bound control shares with every other: it follows one field of a data
// source's dataset and writes typed text back.
//
// The control shows value() whenever reload() is emitted (a move, an open, a cancel, or
// a change of its own field by someone else). When the user starts typing it calls
// startEdit(), which puts the dataset into edit (a browsing dataset edits, an empty
// one appends); the typed value stays in the control until commit() (on leaving the
// control) or until the dataset asks for it before a post. pendingValue supplies it.
class FieldDataLink : public QObject
{
    Q_OBJECT
public:
    explicit FieldDataLink(QObject *parent = nullptr);

    void setDataSource(DataSource *source);
    DataSource *dataSource() const { return m_source; }
    void setFieldName(const QString &name);
    QString fieldName() const { return m_fieldName; }
    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }
    bool readOnly() const { return m_readOnly; }

    // The control's current value, asked for when a pending change is written.
    std::function<QVariant()> pendingValue;

    bool active() const;     // the dataset is open and has this field
    bool canModify() const;  // active, writable, and the control is not read-only
    QVariant value() const;  // the field's value on the current row; null when not active
    QString text() const;    // the same as text
    int fieldIndex() const;
    int maxLength() const;  // characters of a text field; 0 when unknown

    // The user changes the control: the dataset goes into edit. False (and nothing
    // changes) when the field cannot be changed now.
    bool startEdit();
    bool modified() const { return m_modified; }
    // Writes the pending value (when there is one) into the field. Raises db::Error for a
    // value the field does not take; the change stays pending then.
    void commit();
    // Writes `value` at once (check boxes, lists, radio groups).
    void write(const QVariant &value);

signals:
    void reload();
    void activeChanged();

private:
    void onDataChanged(int field);

    QPointer<DataSource> m_source;
    QString m_fieldName;
    bool m_readOnly = false;
    bool m_modified = false;
    bool m_writing = false;
};
