#pragma once

#include "PostCheck.h"

#include <QList>
#include <QString>
#include <QStringList>

class DataSet;

// One editor's rules, without its window: which table it edits and in which order, what a
// new record holds, what must be true before a post, what a post or a delete brings
// about elsewhere, and when a record may not be deleted. RecordSession applies them to
// the editor's dataset; the window only wires. Rules are tested against a database with
// a RecordSession alone.
class RecordRules
{
public:
    virtual ~RecordRules() = default;

    virtual QString TableName() const = 0;
    // The index whose order the records are read in; empty for the primary key.
    virtual QString IndexName() const { return {}; }

    // Columns a new record takes from the record that was current before it (a revision
    // starts as a copy of the previous version). Applied after the defaults.
    virtual QStringList CarriedColumns() const { return {}; }
    // Values of a new record (codes, dates, settings).
    virtual void NewRecordDefaults(DataSet &record) { }
    // The column whose control gets the focus in a new record; empty: the first field.
    virtual QString FocusOnNewRecord() const { return {}; }

    // Checked in order before a post; the first that fails stops it.
    virtual QList<PostCheck> PostChecks() const { return {}; }
    // Values every post sets after the checks (the date of the last change).
    virtual void BeforeWrite(DataSet &record) { }
    // Work elsewhere that a post brings about (names copied to other tables). It runs
    // after the record is written, inside the post: when it fails, the record is not
    // stored either and stays in edit.
    virtual void AfterPost(DataSet &record) { }
    // The message for a write the database refused (a duplicate key); empty: the
    // database's own text.
    virtual QString PostErrorMessage(const QString &engineMessage) const { return {}; }

    // Why the current record may not be deleted; empty when it may.
    virtual QString DeleteRefusal(DataSet &record) { return {}; }
    // Work elsewhere that a delete brings about, before the record goes; it stands or
    // falls with the delete.
    virtual void BeforeDelete(DataSet &record) { }

    // A new record the user has not really begun, dropped without a question on closing.
    virtual bool IsUntouchedNewRecord(DataSet &record) { return false; }
};
