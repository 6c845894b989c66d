#pragma once

#include "RecordContext.h"
#include "RecordRules.h"

#include <QStringList>
#include <QVariantList>
#include <optional>

// 作業員資格詳細, the licences, trainings or educations of one kind held by one worker
// (INSIKAKU, in the order they were entered). A qualification needs its name; a new one
// is numbered by the database and carries the worker's company, name and birth date as
// stored (none while the worker is not posted yet: the roster's post fills them in).
class QualificationRules : public RecordRules
{
public:
    // The worker as stored, shown above the qualifications.
    struct Worker
    {
        QString company;
        QString name;
        QString birth;
    };
    // A name chosen from the names master: the qualification's name and its abbreviation
    // as documents print it (at most 8 characters).
    struct Choice
    {
        QString name;
        QString abbreviation;
    };

    QualificationRules(const RecordContext &context, int kind, const QString &kojiCode, const QString &gyoCode,
                       const QString &workerCode);

    // The condition and values that limit the table to the worker's qualifications of
    // the kind.
    QString Filter() const;
    QVariantList FilterParams() const;
    // The worker; none while it is not posted yet.
    const std::optional<Worker> &StoredWorker() const { return m_worker; }

    QString TableName() const override { return QStringLiteral("INSIKAKU"); }
    QString IndexName() const override { return QStringLiteral("PK_INSIKAKU"); }
    void NewRecordDefaults(DataSet &record) override;
    QString FocusOnNewRecord() const override { return QStringLiteral("SKNM"); }
    QList<PostCheck> PostChecks() const override;
    bool IsUntouchedNewRecord(DataSet &record) override;

    // The abbreviations of the worker's qualifications of the kind, in the order they
    // were entered, as this transaction sees them; empty ones left out.
    QStringList Abbreviations() const;
    // What a names-picker entry (the abbreviation in a field of 9 characters, then the
    // name) gives. The entry is looked up in the names master, so an abbreviation longer
    // than the field does not run into the name.
    Choice ChosenName(const QString &entry) const;

    static constexpr int AbbreviationLength = 8;
    // "交付日より５年間": the same day five years after the issue date (a 29 February
    // becomes 28 February); empty without an issue date.
    static QString FiveYearsFrom(const QString &issueDate);

private:
    const RecordContext &m_context;
    int m_kind;
    QVariantList m_workerKey;
    std::optional<Worker> m_worker;
};
