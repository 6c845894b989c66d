#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include "data/DataSetObserver.h"

class DataSource;

// The rows of a data source's dataset as a read-only table for DBGrid: one column per
// listed field, captions as given. It follows the dataset: a whole-record change resets
// it, a field change repaints the current row.
class DataSetModel : public QAbstractTableModel, private DataSetObserver
{
    Q_OBJECT
public:
    struct Column
    {
        QString fieldName;
        QString title;
        int width = 0;  // pixels; 0 leaves the view's default
    };

    explicit DataSetModel(QObject *parent = nullptr);
    ~DataSetModel() override;

    void setDataSource(DataSource *source);
    void setColumns(const QList<Column> &columns);
    const QList<Column> &columns() const { return m_columns; }
    // The field index in the dataset of grid column `column`; -1 when not open.
    int fieldIndexOf(int column) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

signals:
    // The dataset moved (or was reset): the view selects this row.
    void currentRowChanged(int row);

private:
    void DataSetStateChanged() override { DataSetDataChanged(-1); }
    void DataSetDataChanged(int field) override;
    void DataSourceDestroyed() override;
    int dataSetRows() const;

    DataSource *m_source = nullptr;
    QList<Column> m_columns;
    int m_shownRows = 0;
};
