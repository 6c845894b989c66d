#pragma once

#include "DateEditEnums.h"

#include <QDate>
#include <QString>
#include <QStringList>

// The rules of the era date edit that need no window: which eras it offers, how a date is
// shown in its fields and how the fields are read back into a date.
namespace DateEntryRules {

inline const QString WesternItem = QStringLiteral("西暦");

// Caption of the date messages.
inline const QString DialogCaption = QStringLiteral("日付入力");

// The earliest date the era calendar can convert; the day before it stands for "no date".
inline const QDate MinimumDate{1873, 1, 1};
inline const QDate NoDate = MinimumDate.addDays(-1);

// Western years after this cannot be shown with an era and an era year of at most 99.
inline constexpr int LastEraYear = 2087;

// Error bits of the last failed reading.
enum ErrorBit {
    AllBlank = 1,
    YearBlank = 2,
    MonthBlank = 4,
    DayBlank = 8,
    BeforeMinimum = 16,
    InvalidDate = 32,
    InvalidDateSet = 64,
    BeyondEraLimit = 128,
};

inline const QString MsgAllBlank = QStringLiteral("入力欄が全て空白です．　　");
inline const QString MsgSomeBlank = QStringLiteral("空白の入力欄があります．　　");
inline const QString MsgInvalidDate = QStringLiteral("日付が正しくありません．　　");
inline const QString MsgBeforeMinimum = QStringLiteral("1873年1月1日(明治6年1月1日)より前の日付は処理できません．　　");
inline const QString MsgBeyondEraLimit = QStringLiteral("2088年(平成100年)以降は元号に変換できません．　　");
inline const QString MsgInvalidDateSet = QStringLiteral("正しくない日付がセットされました．　　");

// "西暦" followed by the era names, newest first.
QStringList eraItems();

// The texts of the era drop-down and of the three fields.
struct Fields
{
    QString era;
    QString year;
    QString month;
    QString day;
};

// What the fields show for a date: with `withEra` its era and year within the era,
// otherwise "西暦" and the Western year; month and day without leading zeros. Fields the
// style hides stay empty.
Fields fieldsFor(const QDate &date, bool withEra, TplDateEditStyle style);

struct Reading
{
    enum Outcome { Date, Empty, Failure } outcome = Empty;
    QDate date;       // for Date
    QString message;  // for Failure
    int errorBits = 0;
};

// Reads the fields back. Fields the style hides are ignored: the day of a year-and-month
// entry is the 1st, and so are month and day of a year-only entry. `checkEraLimit` refuses
// Western years after LastEraYear; `canEmpty` lets an entirely blank entry pass.
Reading read(const Fields &fields, TplDateEditStyle style, bool checkEraLimit, bool canEmpty);

}  // namespace DateEntryRules
