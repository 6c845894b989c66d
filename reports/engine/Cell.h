#pragma once

#include <QString>
#include <map>
#include <utility>
#include <vector>

namespace celvane {

struct Cell
{
    enum class Type { Empty, Number, Text, Boolean, Error };
    Type type = Type::Empty;
    double number = 0.0;
    QString text;         // text, or the error code
    QString richTextXml;  // runs of a formatted shared string, as written
    QString formulaXml;   // the <f> element, kept for the template's own cells
    int style = 0;

    bool isText() const { return type == Type::Text; }
};

struct Row
{
    double height = 0.0;  // points; 0 means the sheet's default
    bool customHeight = false;
    bool hidden = false;
    int style = -1;                                            // row format, -1 when the row has none
    std::vector<std::pair<QString, QString>> otherAttributes;  // outline level and the like
    std::map<int, Cell> cells;
};

}  // namespace celvane
