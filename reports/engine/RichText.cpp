#include "RichText.h"

#include "FontMapper.h"
#include "OoxmlText.h"

#include <QXmlStreamReader>
#include <algorithm>

namespace celvane {

QList<QTextLayout::FormatRange> RichText::formats(const QString &runsXml, const Font &cellFont,
                                                  const StyleSheet &styles, double deviceDpi)
{
    QList<QTextLayout::FormatRange> ranges;
    if (runsXml.isEmpty())
        return ranges;
    // The runs are a fragment; a wrapper makes them one document.
    QXmlStreamReader xml(QStringLiteral("<runs>") + runsXml + QStringLiteral("</runs>"));
    xml.setNamespaceProcessing(false);
    int position = 0;
    Font font = cellFont;
    bool inRun = false;
    bool inPhonetic = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement()) {
            if (xml.name() == u"r")
                inRun = false;
            else if (xml.name() == u"rPh")
                inPhonetic = false;
            continue;
        }
        if (!xml.isStartElement())
            continue;
        const QStringView name = xml.name();
        const QString value = xml.attributes().value(QStringLiteral("val")).toString();
        const bool on = value.isEmpty() || value == QLatin1String("1") || value == QLatin1String("true");
        if (name == u"r") {
            inRun = true;
            font = cellFont;
        } else if (name == u"rPh") {
            inPhonetic = true;
        } else if (!inRun) {
            if (name == u"t" && !inPhonetic)
                position += int(OoxmlText::decode(xml.readElementText()).size());
        } else if (name == u"b") {
            font.bold = on;
        } else if (name == u"i") {
            font.italic = on;
        } else if (name == u"strike") {
            font.strike = on;
        } else if (name == u"u") {
            font.underline = value.isEmpty() ? QStringLiteral("single") : value;
        } else if (name == u"sz") {
            font.size = std::clamp(value.toDouble(), 1.0, 409.0);
        } else if (name == u"rFont") {
            font.name = value;
        } else if (name == u"color") {
            const auto attribute
                = [&](const char *key) { return xml.attributes().value(QLatin1String(key)).toString(); };
            if (!attribute("rgb").isEmpty())
                font.color = CellColor::rgb(attribute("rgb").toUInt(nullptr, 16));
            else if (!attribute("indexed").isEmpty())
                font.color = CellColor::indexed(attribute("indexed").toInt());
            else if (!attribute("theme").isEmpty())
                font.color = {CellColor::Kind::Theme, 0, attribute("theme").toInt(), attribute("tint").toDouble()};
        } else if (name == u"t") {
            const int length = int(OoxmlText::decode(xml.readElementText()).size());
            QTextLayout::FormatRange range;
            range.start = position;
            range.length = length;
            range.format.setFont(FontMapper::font(font, font.size, deviceDpi));
            range.format.setForeground(styles.resolve(font.color, Qt::black));
            ranges.append(range);
            position += length;
        }
    }
    return ranges;
}

}  // namespace celvane
