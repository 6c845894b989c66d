#include "DataSetModel.h"

#include "data/DataSet.h"
#include "data/DataSource.h"
#include "db/Field.h"

DataSetModel::DataSetModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

DataSetModel::~DataSetModel()
{
    if (m_source)
        m_source->removeObserver(this);
}

void DataSetModel::setDataSource(DataSource *source)
{
    if (m_source)
        m_source->removeObserver(this);
    m_source = source;
    if (m_source)
        m_source->addObserver(this);
    DataSetDataChanged(-1);
}

void DataSetModel::DataSourceDestroyed()
{
    m_source = nullptr;
    beginResetModel();
    m_shownRows = 0;
    endResetModel();
}

void DataSetModel::setColumns(const QList<Column> &columns)
{
    beginResetModel();
    m_columns = columns;
    m_shownRows = dataSetRows();
    endResetModel();
}

int DataSetModel::fieldIndexOf(int column) const
{
    DataSet *dataSet = m_source ? m_source->dataSet() : nullptr;
    if (!dataSet || !dataSet->Active() || column < 0 || column >= m_columns.size())
        return -1;
    return dataSet->FieldIndex(m_columns[column].fieldName);
}

int DataSetModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_shownRows;
}

int DataSetModel::dataSetRows() const
{
    DataSet *dataSet = m_source ? m_source->dataSet() : nullptr;
    return dataSet && dataSet->Active() ? dataSet->RecordCount() : 0;
}

int DataSetModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant DataSetModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    const int field = fieldIndexOf(index.column());
    if (field < 0)
        return {};
    return db::Field(QString(), m_source->dataSet()->RowValue(index.row(), field)).asString();
}

QVariant DataSetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return m_columns[section].title;
    return {};
}

void DataSetModel::DataSetDataChanged(int field)
{
    DataSet *dataSet = m_source ? m_source->dataSet() : nullptr;
    if (field < 0) {
        // A move keeps the rows; only a change of their number needs a reset, which
        // would drop the view's current row under its feet.
        if (dataSetRows() != m_shownRows) {
            beginResetModel();
            m_shownRows = dataSetRows();
            endResetModel();
        } else if (m_shownRows > 0) {
            emit dataChanged(index(0, 0), index(m_shownRows - 1, columnCount() - 1));
        }
    } else if (dataSet && dataSet->RecNo() >= 0) {
        emit dataChanged(index(dataSet->RecNo(), 0), index(dataSet->RecNo(), columnCount() - 1));
        return;
    }
    emit currentRowChanged(dataSet && dataSet->Active() ? dataSet->RecNo() : -1);
}
