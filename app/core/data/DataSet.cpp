#include "DataSet.h"

#include "DataField.h"
#include "DataSource.h"
#include "db/Error.h"
#include "db/Field.h"

DataSet::~DataSet()
{
    for (DataSource *source : std::as_const(m_sources))
        source->forgetDataSet();
}

void DataSet::Open()
{
    if (Active())
        return;
    reload();
    placeWithoutEvents(m_rows.empty() ? -1 : 0, true, m_rows.empty());
    m_state = DataSetState::Browse;
    fire(AfterOpen);
    fire(AfterScroll);
    setState(DataSetState::Browse);
    notifyDataChange(-1);
}

void DataSet::Close()
{
    if (!Active())
        return;
    fire(BeforeClose);
    m_rows.clear();
    m_columns.clear();
    placeWithoutEvents(-1, true, true);
    setState(DataSetState::Inactive);
    notifyDataChange(-1);
}

void DataSet::reload()
{
    std::vector<Row> rows;
    QList<db::Column> columns;
    loadRows(rows, columns);
    m_rows = std::move(rows);
    m_columns = std::move(columns);
    if (m_current >= int(m_rows.size()))
        m_current = int(m_rows.size()) - 1;
    if (m_current < 0 && !m_rows.empty())
        m_current = 0;
}

void DataSet::placeWithoutEvents(int row, bool bof, bool eof)
{
    m_current = row;
    m_bof = bof || m_rows.empty();
    m_eof = eof || m_rows.empty();
}

void DataSet::scrollTo(int row, bool bof, bool eof)
{
    if (!Active())
        throw db::Error(QStringLiteral("データセットが開かれていません。"));
    checkBrowseMode();
    fire(BeforeScroll);
    placeWithoutEvents(row, bof, eof);
    fire(AfterScroll);
    notifyDataChange(-1);
}

void DataSet::First()
{
    scrollTo(m_rows.empty() ? -1 : 0, true, false);
}

void DataSet::Last()
{
    scrollTo(int(m_rows.size()) - 1, false, true);
}

void DataSet::Next()
{
    const bool atLast = m_current >= int(m_rows.size()) - 1;
    scrollTo(atLast ? m_current : m_current + 1, false, atLast);
}

void DataSet::Prior()
{
    const bool atFirst = m_current <= 0;
    scrollTo(atFirst ? m_current : m_current - 1, atFirst, false);
}

void DataSet::MoveTo(int row)
{
    if (row < 0 || row >= int(m_rows.size()))
        return;
    scrollTo(row, false, false);
}

bool DataSet::Locate(const QString &fields, const QVariantList &values, int options)
{
    QList<int> indexes;
    for (const QString &name : fields.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        indexes << FieldByName(name.trimmed()).Index();
    if (indexes.size() != values.size())
        throw db::Error(QStringLiteral("Locate: %1 fields but %2 values.").arg(indexes.size()).arg(values.size()));
    const Qt::CaseSensitivity cs = (options & CaseInsensitive) ? Qt::CaseInsensitive : Qt::CaseSensitive;
    for (int row = 0; row < int(m_rows.size()); ++row) {
        bool match = true;
        for (int i = 0; i < indexes.size() && match; ++i) {
            const QString have = db::Field(QString(), RowValue(row, indexes[i])).asString();
            const QString want = db::Field(QString(), values[i]).asString();
            match = (options & PartialKey) ? have.startsWith(want, cs) : have.compare(want, cs) == 0;
        }
        if (match) {
            scrollTo(row, false, false);
            return true;
        }
    }
    return false;
}

DataSet::Bookmark DataSet::bookmarkOf(int row) const
{
    return {row};
}

DataSet::Bookmark DataSet::GetBookmark() const
{
    return m_current < 0 ? Bookmark() : bookmarkOf(m_current);
}

bool DataSet::GotoBookmark(const Bookmark &bookmark)
{
    if (bookmark.isEmpty())
        return false;
    for (int row = 0; row < int(m_rows.size()); ++row) {
        if (bookmarkOf(row) == bookmark) {
            scrollTo(row, false, false);
            return true;
        }
    }
    return false;
}

int DataSet::FieldIndex(const QString &name) const
{
    for (int i = 0; i < m_columns.size(); ++i) {
        if (m_columns[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

void DataSet::SetDisplayLabel(const QString &field, const QString &label)
{
    m_labels.insert(field.toUpper(), label);
}

QString DataSet::DisplayLabel(int field) const
{
    const QString name = m_columns.value(field).name;
    return m_labels.value(name.toUpper(), name);
}

DataField DataSet::FieldByName(const QString &name)
{
    const int index = FieldIndex(name);
    if (index < 0)
        throw db::Error(QStringLiteral("フィールド '%1' が見つかりません。").arg(name));
    return DataField(*this, index);
}

DataField DataSet::Fields(int index)
{
    if (index < 0 || index >= m_columns.size())
        throw db::Error(QStringLiteral("フィールド番号 %1 は範囲外です。").arg(index));
    return DataField(*this, index);
}

QVariant DataSet::RowValue(int row, int field)
{
    if (row < 0 || row >= int(m_rows.size()) || field < 0 || field >= m_columns.size())
        return {};
    Row &r = m_rows[size_t(row)];
    if (!r.loaded[field]) {
        r.values[field] = loadValue(row, field);
        r.loaded[field] = true;
    }
    return r.values[field];
}

QVariant DataSet::FieldValue(int field)
{
    return RowValue(m_current, field);
}

QVariant DataSet::loadValue(int, int)
{
    return {};
}

namespace {

db::Error readOnly()
{
    return db::Error(QStringLiteral("このデータセットは変更できません。"));
}

}  // namespace

void DataSet::SetFieldValue(int, const QVariant &)
{
    throw readOnly();
}

void DataSet::Edit()
{
    throw readOnly();
}

void DataSet::addDataSource(DataSource *source)
{
    if (!m_sources.contains(source))
        m_sources << source;
}

void DataSet::removeDataSource(DataSource *source)
{
    m_sources.removeAll(source);
}

void DataSet::setState(DataSetState state)
{
    m_state = state;
    const QList<DataSource *> sources = m_sources;
    for (DataSource *source : sources)
        source->stateChange();
}

void DataSet::notifyDataChange(int field)
{
    const QList<DataSource *> sources = m_sources;
    for (DataSource *source : sources)
        source->dataChange(field);
}

void DataSet::notifyUpdateRecord()
{
    const QList<DataSource *> sources = m_sources;
    for (DataSource *source : sources)
        source->updateRecord();
}

void DataSet::notifyPosted()
{
    const QList<DataSource *> sources = m_sources;
    for (DataSource *source : sources)
        source->postDone();
}
