#include "DBGrid.h"

#include "services/UserAction.h"
#include "data/DataSet.h"
#include "data/DataSource.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QStyledItemDelegate>

namespace {

// Hands each cell to the grid's DrawColumnCell before drawing it the usual way.
class CellDelegate : public QStyledItemDelegate
{
public:
    explicit CellDelegate(DBGrid *grid)
        : QStyledItemDelegate(grid)
        , m_grid(grid)
    {
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        if (m_grid->DrawColumnCell && m_grid->DrawColumnCell(painter, option, index.row(), index.column()))
            return;
        QStyledItemDelegate::paint(painter, option, index);
    }

private:
    DBGrid *m_grid;
};

}  // namespace

DBGrid::DBGrid(QWidget *parent)
    : QTableView(parent)
    , m_model(new DataSetModel(this))
{
    setModel(m_model);
    setItemDelegate(new CellDelegate(this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setFixedWidth(14);
    connect(m_model, &DataSetModel::currentRowChanged, this, &DBGrid::followDataSet);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { rowChosen(current); });
}

void DBGrid::setDataSource(DataSource *source)
{
    m_source = source;
    m_model->setDataSource(source);
}

void DBGrid::setColumns(const QList<DataSetModel::Column> &columns)
{
    m_model->setColumns(columns);
    for (int i = 0; i < columns.size(); ++i) {
        if (columns[i].width > 0)
            setColumnWidth(i, columns[i].width);
    }
}

void DBGrid::setMultiSelect(bool on)
{
    setSelectionMode(on ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
}

QList<int> DBGrid::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex &index : selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

void DBGrid::followDataSet(int row)
{
    m_following = true;
    if (row >= 0) {
        const QModelIndex index = m_model->index(row, std::max(0, currentIndex().column()));
        if (selectionMode() == QAbstractItemView::SingleSelection)
            selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        else
            selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
        scrollTo(index);
    } else {
        selectionModel()->clearCurrentIndex();
    }
    m_following = false;
}

void DBGrid::rowChosen(const QModelIndex &current)
{
    if (m_following || !current.isValid() || !m_source || !m_source->dataSet())
        return;
    DataSet *dataSet = m_source->dataSet();
    if (current.row() == dataSet->RecNo())
        return;
    if (!RunUserAction([&] { dataSet->MoveTo(current.row()); }))
        followDataSet(dataSet->RecNo());
}

void DBGrid::mouseReleaseEvent(QMouseEvent *event)
{
    QTableView::mouseReleaseEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid() && OnCellClick)
        RunUserAction([&] { OnCellClick(index.row(), index.column()); });
}
