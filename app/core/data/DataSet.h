#pragma once

#include "DataSetState.h"
#include "db/Column.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>
#include <functional>
#include <vector>

class DataField;
class DataSource;

// A dataset holds the rows of one result in memory, stands on one of them and tells its
// event handlers and data sources about every move. TableDataSet adds editing,
// QueryDataSet runs free SQL text.
//
// Bof and Eof are set as the forms expect them:
//   after Open and First   Bof true,  Eof true only when there is no row;
//   after Last             Eof true,  Bof true only when there is no row;
//   Next on the last row   Eof true and the row stays; Prior on the first row: Bof true;
//   any other move         both false (both true when there is no row).
//
// Event order of a move (First, Last, Next, Prior, Locate, GotoBookmark, MoveTo):
//   a record being edited is posted first (TableDataSet), then
//   BeforeScroll, the move, AfterScroll, then the data sources hear dataChanged(-1).
// Opening: AfterOpen, AfterScroll, then stateChanged and dataChanged(-1).
// Closing: BeforeClose, then stateChanged.
//
// Handlers and the data sources' observers may throw; an exception from BeforeScroll
// stops the move before it happens.
class DataSet
{
public:
    using Event = std::function<void(DataSet &)>;
    // A bookmark names a row so that it is found again after a refresh: the primary-key
    // values for a table, the row number for a query.
    using Bookmark = QVariantList;
    enum LocateOption { CaseInsensitive = 1, PartialKey = 2 };

    DataSet() = default;
    virtual ~DataSet();
    DataSet(const DataSet &) = delete;
    DataSet &operator=(const DataSet &) = delete;

    // Adds `handler` after what `event` already does, so that several parts of an editor
    // (its rules, its window) can each handle the same event:
    //   DataSet::Chain(IBTable1.AfterScroll, [this](DataSet &) { showLabels(); });
    template<typename Handler, typename Slot> static void Chain(Slot &event, Handler handler)
    {
        event = [first = std::move(event), second = std::move(handler)](auto &...args) {
            if (first)
                first(args...);
            second(args...);
        };
    }

    Event AfterOpen;
    Event BeforeClose;
    Event BeforeScroll;
    Event AfterScroll;

    void Open();
    void Close();
    bool Active() const { return m_state != DataSetState::Inactive; }
    DataSetState State() const { return m_state; }

    bool Bof() const { return m_bof; }
    bool Eof() const { return m_eof; }
    bool IsEmpty() const { return m_rows.empty(); }
    int RecordCount() const { return int(m_rows.size()); }
    // The row the dataset stands on, from 0; -1 when there is none.
    int RecNo() const { return m_current; }

    void First();
    void Last();
    void Next();
    void Prior();
    // Moves to row `row` (0-based), as a grid does when the user picks a row.
    void MoveTo(int row);
    // `fields` is a ';'-separated list of field names, `values` one value per field;
    // values compare as text. Moves and returns true when a row matches; otherwise
    // nothing happens.
    bool Locate(const QString &fields, const QVariantList &values, int options = 0);

    Bookmark GetBookmark() const;
    // Returns false (and stays) when the bookmarked row is gone.
    bool GotoBookmark(const Bookmark &bookmark);

    int FieldCount() const { return int(m_columns.size()); }
    const db::Column &FieldInfo(int index) const { return m_columns.at(index); }
    int FieldIndex(const QString &name) const;  // -1 when unknown; names compare without case
    // The name messages give a field: its caption on the form when one was set, else the
    // column name. Kept across closing and opening.
    void SetDisplayLabel(const QString &field, const QString &label);
    QString DisplayLabel(int field) const;
    DataField FieldByName(const QString &name);  // throws db::Error for an unknown name
    DataField Fields(int index);

    // The value of a field of any row (the current row included, with its pending
    // changes), for grids that draw rows without moving to them.
    QVariant RowValue(int row, int field);

    // Read and write the current row; see DataField for the conversions.
    QVariant FieldValue(int field);
    virtual void SetFieldValue(int field, const QVariant &value);
    // Whether writes are possible at all (a table; not a query).
    virtual bool CanModify() const { return false; }
    // Puts the current record into edit; see TableDataSet.
    virtual void Edit();

    void addDataSource(DataSource *source);
    void removeDataSource(DataSource *source);

protected:
    struct Row
    {
        QVector<QVariant> values;
        QVector<bool> loaded;  // false for a value not read yet (binary blobs of a table)
    };

    // Reads the rows and describes the columns.
    virtual void loadRows(std::vector<Row> &rows, QList<db::Column> &columns) = 0;
    // Reads a value that loadRows left out.
    virtual QVariant loadValue(int row, int field);
    // Called before every move and before closing: a table posts its pending record here.
    virtual void checkBrowseMode() { }
    virtual Bookmark bookmarkOf(int row) const;

    void fire(const Event &event)
    {
        if (event)
            event(*this);
    }
    void setState(DataSetState state);
    void notifyDataChange(int field);
    void notifyUpdateRecord();
    void notifyPosted();
    // Replaces the rows by a fresh read and stands on `row` (clamped) without events.
    void reload();
    void scrollTo(int row, bool bof, bool eof);
    void placeWithoutEvents(int row, bool bof, bool eof);

    std::vector<Row> m_rows;
    QList<db::Column> m_columns;
    int m_current = -1;

private:
    DataSetState m_state = DataSetState::Inactive;
    bool m_bof = true;
    bool m_eof = true;
    QList<DataSource *> m_sources;
    QHash<QString, QString> m_labels;  // upper-case field name -> caption
};
