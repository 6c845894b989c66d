#pragma once

#include <QByteArray>
#include <vector>

namespace celvane {

// Joins PDF files holding consecutive runs of one document's pages into one file, so that
// the runs can be written side by side on several cores. The first part gives the file its
// catalogue and information (title, creator); the pages follow in the parts' order. The
// parts must use a classic cross-reference table, as Qt's writer does; objects are copied
// byte for byte except for their numbers and references.
class PdfJoiner
{
public:
    // Throws CelvaneError when a part cannot be read as such a file.
    static QByteArray join(const std::vector<QByteArray> &parts);
};

}  // namespace celvane
