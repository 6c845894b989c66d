#pragma once

#include "VersionRules.h"

#include <QStringList>

// 工事契約者情報: a construction project's particulars, one KOJI row per dated version.
//
// A revision starts as a copy of the version that was shown (an older one too) with the
// work date as its application date, the supervisors' authority and way of objecting
// from the configuration, and the kind of safety officer last chosen. A brand-new project
// takes nothing from any other: only those defaults. Its code is the largest in use plus
// one, drawn when the editor opens and drawn again just before its first version is
// written, so that two users making a project at once on a shared server get two
// projects instead of one holding both's versions. The name is required; the last
// version of a project stays (deleting a whole project is maintenance's work).
class ProjectRules : public VersionRules
{
public:
    explicit ProjectRules(const RecordContext &context);

    static const QString NameMissingMessage;
    static const QString LastVersionMessage;
    // What a revision takes from the previous version: everything but the key and the
    // creation and change dates.
    static QStringList RevisionColumns();

    // The project edited; "0" or empty starts a new project under the next free code.
    void SetProject(const QString &kojiCode);
    QString KojiCode() const { return m_kojiCode; }
    bool IsNewProject() const { return m_newProject; }

    // While a new project's first version is made, its start of works is the day it
    // applies from; a start that names no day leaves the application date as it is.
    void CopyStartToAppliedDate(DataSet &record, const QString &startText) const;

    QString TableName() const override { return QStringLiteral("KOJI"); }
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

    QString m_kojiCode = QStringLiteral("0");
    bool m_newProject = false;
    bool m_codeUnwritten = false;
};
