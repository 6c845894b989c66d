#pragma once

#include "StyleSheet.h"

#include <QTextLayout>

namespace celvane {

// The runs of a formatted cell text (bold, size, colour, face per run) as formats of a text
// layout over the cell's plain text.
class RichText
{
public:
    static QList<QTextLayout::FormatRange> formats(const QString &runsXml, const Font &cellFont,
                                                   const StyleSheet &styles, double deviceDpi);
};

}  // namespace celvane
