#pragma once

#include "VersionRules.h"

#include <QStringList>

namespace db {
class Transaction;
}

// 業者情報: the particulars of one contractor of one project, one GYOSYA row per dated
// version. Contractor codes count per project.
//
// A revision starts as a copy of the version that was shown (an older one too), except
// the addressee of submitted documents (TEIS), with the work date as its application
// date; image columns carry the stored file's name, so both versions share the image. A
// new contractor applies from the project's start, takes the contract partner, the work
// and its period from the project's newest version and nothing from any other
// contractor; its code is drawn again just before its first version is written, as a
// project's is. The company name is required. Every post copies the company name of the
// version posted (an older one too) to the contractor's workers and their
// qualifications. The last version of a contractor stays while anything uses it.
class ContractorRules : public VersionRules
{
public:
    explicit ContractorRules(const RecordContext &context);

    static const QString NameMissingMessage;
    static const QString InUseMessage;
    // What a revision takes from the previous version, in the order of the fields.
    static QStringList RevisionColumns();
    // Whether anything of the project refers to the contractor: its place in the
    // construction system or a chart, a worker, a vehicle, a machine or a tool.
    static bool IsInUse(db::Transaction &transaction, const QString &kojiCode, const QString &gyoCode);

    // The engineer pages, numbered as their buttons' tags: 1 to 4 the chief engineers, 5
    // and 6 the specialists. The column of the engineer's name, image and qualification,
    // and the columns that clearing the page empties.
    static QString EngineerNameColumn(int tag);
    static QString EngineerImageColumn(int tag);
    static QString QualificationColumn(int tag);
    static QStringList EngineerColumns(int tag);

    // A copy of a staff member's stored image as a new image of its own, so that the
    // engineer keeps it whatever becomes of the staff member's; empty when the staff
    // member has none (or it is no longer stored).
    QString CopyStaffImage(const QString &fileName) const;

    // The contractor edited; an empty `gyoCode` starts a new contractor of the project
    // under the project's next free code.
    void SetContractor(const QString &kojiCode, const QString &gyoCode);
    QString KojiCode() const { return m_kojiCode; }
    QString GyoCode() const { return m_gyoCode; }
    bool IsNewContractor() const { return m_newContractor; }

    // A new contractor's first version takes the contract partner, the work and its
    // period from the project's newest version; a work description longer than the kind
    // of work holds is cut to fit.
    void FillFromProject(DataSet &record) const;

    QString TableName() const override { return QStringLiteral("GYOSYA"); }
    QStringList CarriedColumns() const override { return RevisionColumns(); }
    void NewRecordDefaults(DataSet &record) override;
    QString FocusOnNewRecord() const override;
    QList<PostCheck> PostChecks() const override;
    void BeforeWrite(DataSet &record) override;
    void AfterPost(DataSet &record) override;
    QString DeleteRefusal(DataSet &record) override;
    bool IsUntouchedNewRecord(DataSet &record) override;

private:
    QString nextCode() const;

    QString m_kojiCode;
    QString m_gyoCode;
    bool m_newContractor = false;
    bool m_codeUnwritten = false;
};
