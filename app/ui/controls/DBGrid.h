#pragma once

#include "DataSetModel.h"

#include <QTableView>
#include <functional>

class QPainter;
class QStyleOptionViewItem;

// A read-only grid over a data source (DBGrid1): whole rows are selected, the current
// row follows the dataset and choosing a row moves the dataset (a refused post keeps
// the grid on the dataset's row).
//   DrawColumnCell  paints a data cell itself (a SEL column's check pictures); return
//                   true when it did, false to let the grid draw the text.
//   OnCellClick     a mouse button released on a data cell (row, grid column); not on
//                   the titles.
// With setMultiSelect(true) rows are picked with Ctrl and Shift; selectedRows() lists them.
class DBGrid : public QTableView
{
    Q_OBJECT
public:
    using CellPainter = std::function<bool(QPainter *, const QStyleOptionViewItem &, int row, int column)>;
    using CellClick = std::function<void(int row, int column)>;

    explicit DBGrid(QWidget *parent = nullptr);

    void setDataSource(DataSource *source);
    void setColumns(const QList<DataSetModel::Column> &columns);
    DataSetModel *dataSetModel() const { return m_model; }
    void setMultiSelect(bool on);
    QList<int> selectedRows() const;

    CellPainter DrawColumnCell;
    CellClick OnCellClick;

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void followDataSet(int row);
    void rowChosen(const QModelIndex &current);

    DataSetModel *m_model;
    DataSource *m_source = nullptr;
    bool m_following = false;
};
