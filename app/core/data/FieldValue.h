#pragma once

#include "db/Column.h"

#include <QVariant>

// The value to store for `value` written into a field of kind `column.kind`: an empty
// text becomes null, a text becomes a number or a date for such fields. A text that is
// not a valid value for the field raises db::Error with a message for the user.
QVariant FieldValueFor(const db::Column &column, const QVariant &value);
