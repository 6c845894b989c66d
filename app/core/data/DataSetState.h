#pragma once

// What a dataset is doing: closed, showing rows, or holding a changed or new record that
// is not yet written.
enum class DataSetState { Inactive, Browse, Edit, Insert };

// What a PostError handler decides: Fail lets the database error rise to the caller,
// Abort abandons the post silently (the handler has told the user), keeping the record
// in edit either way.
enum class DataAction { Fail, Abort };
