#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

namespace sorvik::documents {

// What a vehicle, machine or tool notification is printed for: the records chosen in the
// list window's grid, by their codes, and the date of its date box. The prime
// contractor's office and manager are those of that date; the creation date prints only
// when the box is ticked, else the blank date picture does.
struct EquipmentChoices
{
    QString kojiCode;
    QStringList codes;
    QDate date;
    bool dated = true;
};

}  // namespace sorvik::documents
