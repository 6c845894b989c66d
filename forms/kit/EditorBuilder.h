#pragma once

#include "FieldSpec.h"

#include <QHash>
#include <QList>
#include <QString>
#include <memory>

class DataSource;
class QGridLayout;
class QWidget;
class RettoTab;
struct EditorContext;

// Makes the controls of a field declaration: each created by its kind, named, given its
// options, bound to its column of the data source, captioned, laid out in rows, and
// chained in declaration order for Tab and Enter. The data source's dataset learns the
// captions, so its messages name a field as the form does.
class EditorBuilder
{
public:
    EditorBuilder(DataSource &source, const EditorContext &context);
    ~EditorBuilder();

    // A panel holding the declared fields.
    QWidget *Build(const QList<FieldSpec> &fields, QWidget *parent);
    // One control alone (the version strip's field).
    QWidget *BuildControl(const FieldSpec &field, QWidget *parent);
    // Orders every control built so far for Tab and Enter, in declaration order.
    void ChainFocus();

    // The control bound to `column`; nullptr when none is.
    QWidget *ControlOf(const QString &column) const { return m_byColumn.value(column.toUpper()); }
    // The controls in declaration order.
    const QList<QWidget *> &Controls() const { return m_controls; }

private:
    void fill(QGridLayout *grid, const QList<FieldSpec> &fields);
    QWidget *container(const FieldSpec &field, QWidget *parent);
    QWidget *line(const FieldSpec &field, QWidget *parent);
    QWidget *pages(const FieldSpec &field, QWidget *parent);
    QWidget *box(const FieldSpec &field, QWidget *parent);
    QWidget *create(const FieldSpec &field, QWidget *parent);
    void bind(QWidget *control, const FieldSpec &field);
    QStringList names(int kind) const;

    DataSource &m_source;
    const EditorContext &m_context;
    std::unique_ptr<RettoTab> m_retto;
    QList<QWidget *> m_controls;
    QHash<QString, QWidget *> m_byColumn;
};
