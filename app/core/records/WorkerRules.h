#pragma once

#include "RecordContext.h"
#include "RecordRules.h"
#include "dates/WorkerAge.h"

class TableDataSet;

// 作業員名簿, the workers of one contractor in one project (SAGYOIN, in registration
// order). A new worker takes the next code of the contractor (the largest plus one, so
// the code of a deleted newest worker is given again), today's date, the contractor's
// name and the selection mark. A worker needs a name and a birth date, and a
// well-formed barcode number when the unified barcode is in use. Blood pressure given
// the wrong way round is turned round. Every post copies the worker's company, name and
// birth date into the worker's qualifications; a worker in the daily attendance may not
// be deleted, and a worker that goes takes its qualifications along.
class WorkerRules : public RecordRules
{
public:
    explicit WorkerRules(const RecordContext &context);

    // The contractor whose workers are edited; new workers take its name.
    void SetContractor(const QString &kojiCode, const QString &gyoCode, const QString &name);
    QString KojiCode() const { return m_kojiCode; }
    QString GyoCode() const { return m_gyoCode; }
    QString ContractorName() const { return m_contractorName; }
    bool UsesBarcode() const { return m_useBarcode; }

    QString TableName() const override { return QStringLiteral("SAGYOIN"); }
    QString IndexName() const override { return QStringLiteral("PK_SAGYOIN"); }
    void NewRecordDefaults(DataSet &record) override;
    QString FocusOnNewRecord() const override { return QStringLiteral("NAME"); }
    QList<PostCheck> PostChecks() const override;
    void BeforeWrite(DataSet &record) override;
    void AfterPost(DataSet &record) override;
    QString DeleteRefusal(DataSet &record) override;
    void BeforeDelete(DataSet &record) override;
    bool IsUntouchedNewRecord(DataSet &record) override;

    // The age on the work date of a worker born on `birth`: OLD receives it when it holds
    // nothing yet (a kept age is corrected by the recalculation), the flags always follow
    // it. Nothing changes without an age (no birth date, or one after the work date).
    void ApplyBirthDate(DataSet &record, const QDate &birth) const;
    // The age of the worker born `birthText` when it differs from the stored OLD.
    std::optional<int> ChangedAge(const QString &birthText, const QVariant &storedAge) const;
    // OLD and the flags of `age`.
    void SetAge(DataSet &record, int age) const;

    // The workers of the contractor that are marked for printing and export.
    int SelectedCount() const;

private:
    QVariantList workerKey(DataSet &record) const;
    void setFlags(DataSet &record, int age) const;

    const RecordContext &m_context;
    QString m_kojiCode = QStringLiteral("0");
    QString m_gyoCode = QStringLiteral("0");
    QString m_contractorName;
    bool m_useBarcode;
};
