#pragma once

#include "RecordContext.h"
#include "RecordRules.h"

#include <QString>

// The rules every record kept as dated versions shares (a project's particulars, a
// contractor's): each version is one row told apart by its application date APDT, unique
// within its object.
//
// A new version is stamped with the day it was made (CRDT). Every post checks the
// application date again and stores it as "yyyy/mm/dd" of the day it names, whatever the
// user typed ("2019-04-01", "2019/ 4/01"): the key is compared and sorted as text, so a
// second spelling of a day would slip past the unique key and sort apart from the other
// versions. Every post stamps the day of the last change (EDDT). A second version on the
// same day is refused with its own message and the record stays open to change the date.
class VersionRules : public RecordRules
{
public:
    explicit VersionRules(const RecordContext &context);

    static const QString AppliedDateMessage;
    static const QString DuplicateDateMessage;

    // "yyyy/mm/dd" of the day `text` names (its year, month and day at their places);
    // empty when it names none.
    static QString AppliedDateText(const QString &text);

    void BeforeWrite(DataSet &record) override;
    QString PostErrorMessage(const QString &engineMessage) const override;

protected:
    const RecordContext &Context() const { return m_context; }
    QString TodayText() const;
    QString WorkDateText() const;

    // CRDT of a new version.
    void StampNewVersion(DataSet &record) const;
    // The application date must name a day.
    static PostCheck AppliedDateCheck();

private:
    RecordContext m_context;
};
