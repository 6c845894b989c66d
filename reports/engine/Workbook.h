#pragma once

#include "Relationship.h"
#include "StyleSheet.h"
#include "Worksheet.h"

#include <QByteArray>
#include <map>
#include <vector>

namespace celvane {

struct DefinedName
{
    QString name;
    int localSheet = -1;
    QString value;
    XmlAttributes otherAttributes;
};

// A workbook as the engine edits it, together with every part of its package that the
// engine does not model, so that saving loses nothing of the template.
class Workbook
{
public:
    std::vector<Worksheet> sheets;
    StyleSheet styles;
    std::vector<DefinedName> definedNames;
    bool date1904 = false;  // dates count from 1904-01-01, as old Macintosh workbooks do

    QString workbookPath = QStringLiteral("xl/workbook.xml");
    std::vector<std::pair<QString, QString>> workbookNamespaces;
    XmlAttributes workbookAttributes;
    std::vector<RawElement> workbookElements;         // everything but the sheet list and names
    std::vector<Relationship> workbookRelationships;  // theme and the like
    std::map<QString, QByteArray> otherParts;         // package path -> bytes, written back as they are
    std::map<QString, QString> contentTypeDefaults;   // extension -> type
    std::map<QString, QString> contentTypeOverrides;  // "/path" -> type

    int sheetIndex(const QString &name) const;
    // Drops every sheet but the named ones (in the given order), keeping names consistent.
    void keepSheets(const std::vector<int> &indexes);
};

}  // namespace celvane
