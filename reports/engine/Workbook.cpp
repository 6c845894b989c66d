#include "Workbook.h"

#include <algorithm>

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
    // A workbook name that points into a dropped sheet would be a broken reference.
    const auto pointsIntoDropped = [&](const DefinedName &name) {
        for (size_t i = 0; i < sheets.size(); ++i) {
            if (std::find(indexes.begin(), indexes.end(), int(i)) != indexes.end())
                continue;
            const QString &sheet = sheets[i].name;
            if (name.value.contains(sheet + u'!')
                || name.value.contains(u'\'' + QString(sheet).replace(u'\'', QStringLiteral("''"))
                                       + QStringLiteral("'!")))
                return true;
        }
        return false;
    };
    for (const DefinedName &name : definedNames)
        if (name.localSheet < 0 && !pointsIntoDropped(name))
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

}  // namespace celvane
