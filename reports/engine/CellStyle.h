#pragma once

#include "CellColor.h"

#include <QString>
#include <utility>
#include <vector>

namespace celvane {

// Line styles numbered as the BIFF8 workbook format numbers them; the engine's line
// values carry this number in their high byte.
enum class LineStyle {
    None = 0,
    Thin,
    Medium,
    Dashed,
    Dotted,
    Thick,
    Double,
    Hair,
    MediumDashed,
    DashDot,
    MediumDashDot,
    DashDotDot,
    MediumDashDotDot,
    SlantDashDot
};

using XmlAttributes = std::vector<std::pair<QString, QString>>;

struct Font
{
    QString name = QStringLiteral("Calibri");
    double size = 11.0;
    bool bold = false;
    bool italic = false;
    bool strike = false;
    QString underline;
    QString vertAlign;
    CellColor color;
    int family = 0;
    int charset = -1;
    QString scheme;
    bool operator==(const Font &) const = default;
};

struct Fill
{
    QString patternType = QStringLiteral("none");
    CellColor foreground;
    CellColor background;
    QString gradientXml;  // gradient fills are kept as written
    bool operator==(const Fill &) const = default;
};

struct BorderLine
{
    LineStyle style = LineStyle::None;
    CellColor color;
    bool operator==(const BorderLine &) const = default;
};

struct Border
{
    BorderLine left, right, top, bottom, diagonal;
    bool diagonalUp = false;
    bool diagonalDown = false;
    bool operator==(const Border &) const = default;
};

struct Alignment
{
    QString horizontal;
    QString vertical;
    bool wrapText = false;
    bool shrinkToFit = false;
    int textRotation = 0;  // 255: letters stacked top to bottom
    int indent = 0;
    XmlAttributes otherAttributes;
    bool operator==(const Alignment &) const = default;
    bool isDefault() const { return *this == Alignment{}; }
};

// One entry of the cell format table (an "xf").
struct CellFormat
{
    int numFmtId = 0;
    int fontId = 0;
    int fillId = 0;
    int borderId = 0;
    int xfId = 0;
    Alignment alignment;
    QString protectionXml;
    XmlAttributes otherAttributes;  // apply flags, quotePrefix and the like
    bool operator==(const CellFormat &) const = default;
};

}  // namespace celvane
