#include "XmlSource.h"

namespace celvane {

XmlSource::XmlSource(const QByteArray &bytes)
    : m_text(QString::fromUtf8(bytes))
{
    m_reader.addData(m_text);
}

QStringView XmlSource::find(QStringView namespaceUri, QStringView name) const
{
    for (const QXmlStreamAttribute &attribute : m_reader.attributes())
        if (attribute.name() == name
            && (namespaceUri.isNull() ? attribute.namespaceUri().isEmpty() : attribute.namespaceUri() == namespaceUri))
            return attribute.value();
    return {};
}

QString XmlSource::attribute(QStringView name) const
{
    return find({}, name).toString();
}

QString XmlSource::attribute(QStringView namespaceUri, QStringView name) const
{
    return find(namespaceUri, name).toString();
}

int XmlSource::intAttribute(QStringView name, int fallback) const
{
    bool ok = false;
    const int value = find({}, name).toInt(&ok);
    return ok ? value : fallback;
}

double XmlSource::doubleAttribute(QStringView name, double fallback) const
{
    bool ok = false;
    const double value = find({}, name).toDouble(&ok);
    return ok ? value : fallback;
}

bool XmlSource::boolAttribute(QStringView name, bool fallback) const
{
    const QStringView value = find({}, name);
    if (value.isEmpty())
        return fallback;
    return value == u"1" || value == u"true";
}

XmlAttributes XmlSource::attributesExcept(std::initializer_list<QStringView> names) const
{
    XmlAttributes result;
    for (const QXmlStreamAttribute &attribute : m_reader.attributes()) {
        if (std::find(names.begin(), names.end(), attribute.qualifiedName()) == names.end())
            result.emplace_back(attribute.qualifiedName().toString(), attribute.value().toString());
    }
    return result;
}

qint64 XmlSource::elementStart() const
{
    // The reader stands behind the start tag; a tag holds no other '<'.
    return m_text.lastIndexOf(u'<', m_reader.characterOffset() - 1);
}

QString XmlSource::textSince(qint64 start) const
{
    return m_text.mid(start, m_reader.characterOffset() - start);
}

QString XmlSource::captureElement()
{
    const qint64 start = elementStart();
    m_reader.skipCurrentElement();
    return textSince(start);
}

}  // namespace celvane
