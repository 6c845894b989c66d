#include "Workbook.h"

namespace celvane {

int Workbook::sheetIndex(const QString &name) const
{
    for (size_t i = 0; i < sheets.size(); ++i)
        if (sheets[i].name == name)
            return int(i);
    return -1;
}

void Workbook::keepSheets(const std::vector<int> &indexes)
{
    std::vector<Worksheet> kept;
    std::vector<DefinedName> names;
    for (const DefinedName &name : definedNames)
        if (name.localSheet < 0)
            names.push_back(name);
    for (size_t i = 0; i < indexes.size(); ++i) {
        kept.push_back(std::move(sheets[indexes[i]]));
        for (const DefinedName &name : definedNames)
            if (name.localSheet == indexes[i]) {
                names.push_back(name);
                names.back().localSheet = int(i);
            }
    }
    sheets = std::move(kept);
    definedNames = std::move(names);
}

} // namespace celvane
