#include "PostCheck.h"

#include "data/DataField.h"
#include "data/DataSet.h"

PostCheck Required(const QString &column, const QString &message)
{
    return {column, message, [column](DataSet &record) { return !record.FieldByName(column).AsString().isEmpty(); }};
}
