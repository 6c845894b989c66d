#pragma once

#include "FieldSpec.h"
#include "controls/DataSetModel.h"

#include <QList>
#include <QSize>
#include <QString>

// An editor as declared: its caption (the window's and the title panel's), the field of
// the version strip, the fields, the list below them and the window's size. The kit
// creates, names, binds and orders every control from it; the editor's code only adds
// what the declaration cannot say.
struct EditorSpec
{
    QString caption;
    // The field under the version strip's header, which reads its caption ("職員ID",
    // "適用日付"); without a column the strip is hidden (records without versions).
    FieldSpec idField;
    QList<FieldSpec> fields;
    QList<DataSetModel::Column> grid;  // the list below the fields; none when empty
    QSize size{700, 520};
    // The exchange package kind of the import and export buttons (0 projects, 1
    // contractors, …); -1 hides both.
    int packageKind = -1;
    // After a new record is posted the next one is begun at once, for lists entered one
    // record after another (names, qualifications).
    bool beginNextAfterNew = false;
};
