#pragma once

#include "db/Column.h"

#include <QVariant>

// The value to store for `value` written into a field of kind `column.kind`: an empty
// text becomes null (the text "NULL" stays a text), a text becomes a number or a date for
// such fields. A value the field cannot take (a text longer than the column, a number or
// date that does not read) raises db::Error with a message for the user that names the
// field by `label` (its caption on the form, else the column name).
QVariant FieldValueFor(const db::Column &column, const QVariant &value, const QString &label = {});
