#pragma once

#include <QDate>
#include <QString>

class TDataModule1;

// The values many documents write the same way.
namespace sorvik::documents::DocumentValues {

// "**MKYMD": the creation date in the document's era picture, or `blankPicture` (the same
// shape without figures) when the window's date box is unticked (an invalid date).
QString CreationDate(const QDate &date, const QString &picture, const QString &blankPicture = {});

// A stored date text in the era form "g e年m月d日" or "gg e年 m月 d日"; empty for an empty
// text. A text that is no real date is printed as it is stored, so that one damaged row
// shows itself on the paper instead of ending the whole document.
QString EraShort(const QString &storedDate);
QString EraSpaced(const QString &storedDate);
// The long form "gg ee年mm月dd日" the ledger and the notice print.
QString EraLong(const QString &storedDate);

// "**JIGYONM": the prime contractor's office name (JGNM) valid at `date`.
QString SiteOffice(TDataModule1 &data, const QString &kojiCode, const QDate &date);
// "**SHOTYONM": the prime contractor's manager (GBNM) valid at `date` followed by "　殿";
// empty when there is no name, and then the document writes nothing.
QString SiteManager(TDataModule1 &data, const QString &kojiCode, const QDate &date);

}  // namespace sorvik::documents::DocumentValues
