#pragma once

#include "RecordRules.h"

#include <QStringList>

// 資格マスタ, the names master (EDUC) of one kind at a time, in display order: the
// abbreviation and the name are required, the database numbers a new entry, and a new
// entry is of the kind shown.
class NamesRules : public RecordRules
{
public:
    // The kinds in the order of the drop-down; a kind is its position plus one.
    static QStringList KindCaptions();

    void SetKind(int kind) { m_kind = kind; }
    int Kind() const { return m_kind; }

    QString TableName() const override { return QStringLiteral("EDUC"); }
    QString IndexName() const override { return QStringLiteral("IDX_EDUC"); }
    void NewRecordDefaults(DataSet &record) override;
    QString FocusOnNewRecord() const override { return QStringLiteral("PRNM"); }
    QList<PostCheck> PostChecks() const override;
    bool IsUntouchedNewRecord(DataSet &record) override;

private:
    int m_kind = 1;
};
