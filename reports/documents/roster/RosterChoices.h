#pragma once

#include <QDate>
#include <QString>

namespace sorvik::documents {

// The two orders of the roster print's grid and documents: by worker code (the index
// PK_SAGYOIN) or by the display order ODRNO (IDXINDT).
enum class RosterOrder { Registration, Display };

// What the roster and the worker cards are printed for.
struct RosterChoices
{
    QString kojiCode;
    QString gyoCode;
    QString contractorLabel;  // the contractor's node text in the construction-system tree
    int level = 0;            // its tier: 0 the prime contractor
    QDate date;               // 作成日
    RosterOrder order = RosterOrder::Registration;
};

}  // namespace sorvik::documents
