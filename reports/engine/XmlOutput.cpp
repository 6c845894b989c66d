#include "XmlOutput.h"

#include "CelvaneError.h"

#include <QLocale>

namespace celvane {

XmlOutput::XmlOutput()
    : m_buffer(&m_bytes)
{
    m_buffer.open(QIODevice::WriteOnly);
    m_writer.setDevice(&m_buffer);
    m_writer.writeStartDocument(QStringLiteral("1.0"), true);
}

void XmlOutput::attribute(const QString &name, double value)
{
    m_writer.writeAttribute(name, QString::number(value, 'g', QLocale::FloatingPointShortest));
}

void XmlOutput::attributes(const XmlAttributes &list)
{
    for (const auto &[name, value] : list)
        m_writer.writeAttribute(name, value);
}

void XmlOutput::color(const QString &name, const CellColor &color)
{
    if (!color.isSet())
        return;
    m_writer.writeEmptyElement(name);
    switch (color.kind) {
    case CellColor::Kind::Auto:
        m_writer.writeAttribute(QStringLiteral("auto"), QStringLiteral("1"));
        break;
    case CellColor::Kind::Rgb:
        m_writer.writeAttribute(QStringLiteral("rgb"),
                                QStringLiteral("%1").arg(color.argb, 8, 16, QChar('0')).toUpper());
        break;
    case CellColor::Kind::Indexed:
        attribute(QStringLiteral("indexed"), qint64(color.index));
        break;
    case CellColor::Kind::Theme:
        attribute(QStringLiteral("theme"), qint64(color.index));
        break;
    case CellColor::Kind::None:
        break;
    }
    if (color.tint != 0.0)
        attribute(QStringLiteral("tint"), color.tint);
}

void XmlOutput::raw(const QString &xml)
{
    if (xml.isEmpty())
        return;
    m_writer.writeCharacters(QString());  // closes a pending start tag
    m_buffer.write(xml.toUtf8());
}

void XmlOutput::namespaces(const std::vector<std::pair<QString, QString>> &declarations)
{
    for (const auto &[prefix, uri] : declarations) {
        if (prefix.isEmpty())
            m_writer.writeDefaultNamespace(uri);
        else
            m_writer.writeNamespace(uri, prefix);
    }
}

QByteArray XmlOutput::finish()
{
    m_writer.writeEndDocument();
    m_buffer.close();
    // A part the writer could not write whole is never handed on as if it were.
    if (m_writer.hasError())
        throw CelvaneError(QStringLiteral("ブックの部品を書き出せません（XML にできない文字があります）"));
    return m_bytes;
}

}  // namespace celvane
