#pragma once

#include <QByteArray>
#include <QString>

namespace celvane {

class Celvane;

// Runs a document described in JSON against the engine:
//   { "template": "meibo.xlsx", "sheet": "作業員名簿", "page": "1",
//     "options": { "304": 6 }, "allowSave": true,
//     "calls": [ { "call": "SetRows", "first": 1, "last": -1 },
//                { "call": "Value", "marker": "**NAME", "column": 0, "row": 2, "value": "山田" },
//                { "call": "NewPage" }, ... ] }
// Calls: Open (sheet, page), SetRows (first, last), NewPage, Close, Setup (property, value),
// Value (marker, column, row, value), TopLine/BottomLine/LeftLine/RightLine/Diagonal
// (marker, column, row, line), Frame (range [left, top, right, bottom], flag, line),
// Picture (marker, column, row, file, left, top, width, height),
// Shape (marker, column, row, left, top, width, height, values).
// Files are relative to the script's folder. Errors are CelvaneError naming the call.
class ReportScript
{
public:
    static void run(Celvane &engine, const QByteArray &json, const QString &baseFolder);
    static void runFile(Celvane &engine, const QString &fileName);
};

}  // namespace celvane
