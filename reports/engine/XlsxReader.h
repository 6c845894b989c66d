#pragma once

#include "Workbook.h"

#include <QString>

namespace celvane {

// Reads an Office Open XML workbook (.xlsx) into the model. Throws CelvaneError.
class XlsxReader
{
public:
    static Workbook read(const QString &fileName);
    static Workbook read(std::map<QString, QByteArray> parts, const QString &fileName);
};

}  // namespace celvane
