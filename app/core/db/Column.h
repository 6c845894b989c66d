#pragma once

#include <QString>

namespace db {

// What a statement says about one of its result columns.
struct Column
{
    enum class Kind { Text, Integer, Decimal, Float, Date, Time, Timestamp, Boolean, Blob, TextBlob, Other };

    QString name;      // the column's name in the result (its alias when it has one)
    QString field;     // the table column it comes from; empty for an expression
    QString relation;  // the table it comes from; empty for an expression
    Kind kind = Kind::Other;
    int sqlType = 0;  // the engine's SQL_xxx code
    int subType = 0;
    int scale = 0;  // negative: digits after the decimal point
    int byteLength = 0;
    int charLength = 0;  // characters of a text column
    bool nullable = true;
};

}  // namespace db
