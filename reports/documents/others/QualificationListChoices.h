#pragma once

#include <QDate>
#include <QString>

namespace sorvik::documents {

// What a qualification list is printed for: the contractor of the list by worker, or the
// qualification name of the list of holders; names are those valid on `date` (the work
// date), which is also the printed date.
struct QualificationListChoices
{
    QString kojiCode;
    QString gyoCode;
    QString qualification;
    QDate date;
};

}  // namespace sorvik::documents
