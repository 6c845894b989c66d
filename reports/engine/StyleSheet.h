#pragma once

#include "CellStyle.h"

#include <QColor>
#include <QMap>
#include <QString>
#include <vector>

namespace celvane {

// The workbook's style table. Modelled parts are fonts, fills, borders, number formats and
// cell formats; the rest (named styles, differential formats, ...) is kept as written.
class StyleSheet
{
public:
    std::vector<Font> fonts{Font{}};
    std::vector<Fill> fills{Fill{}, Fill{QStringLiteral("gray125"), {}, {}, {}}};
    std::vector<Border> borders{Border{}};
    std::vector<CellFormat> cellFormats{CellFormat{}};
    QMap<int, QString> numberFormats;
    std::vector<quint32> customPalette;  // indexedColors of the workbook, when it has its own
    std::vector<quint32> themeColors;    // the workbook theme's colour slots, when read

    // Raw sections in the order they follow cellXfs; written back untouched.
    QString cellStyleXfsXml = QStringLiteral(
        "<cellStyleXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\"/></cellStyleXfs>");
    QString afterCellXfsXml = QStringLiteral(
        "<cellStyles count=\"1\"><cellStyle name=\"Normal\" xfId=\"0\" builtinId=\"0\"/></cellStyles>");
    std::vector<std::pair<QString, QString>> rootNamespaces;  // prefix, URI
    XmlAttributes rootAttributes;

    const CellFormat &format(int index) const;
    const Font &fontOf(int formatIndex) const;
    const Fill &fillOf(int formatIndex) const;
    const Border &borderOf(int formatIndex) const;

    // Index of a cell format equal to the given one with another border; shared when it exists.
    int withBorder(int formatIndex, const Border &border);

    // The colour a person sees, following the workbook's palette and the default theme.
    QColor resolve(const CellColor &color, const QColor &automatic) const;
    quint32 paletteColor(int index) const;

private:
    template<typename T> static int intern(std::vector<T> &table, const T &value);
};

}  // namespace celvane
