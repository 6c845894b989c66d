#include "WorkbookContent.h"

#include "XlsxReader.h"
#include "XlsxWriter.h"

namespace templates {

bool sameWorkbookContent(const QString &fileA, const QString &fileB)
{
    const auto a = celvane::XlsxWriter::entries(celvane::XlsxReader::read(fileA));
    const auto b = celvane::XlsxWriter::entries(celvane::XlsxReader::read(fileB));
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].path != b[i].path || a[i].bytes != b[i].bytes)
            return false;
    return true;
}

}  // namespace templates
