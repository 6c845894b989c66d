#pragma once

#include "CellColor.h"
#include "CellStyle.h"

#include <QBuffer>
#include <QByteArray>
#include <QXmlStreamWriter>

namespace celvane {

// Builds one package part: a stream writer that can also put in XML kept as it was read.
class XmlOutput
{
public:
    XmlOutput();

    QXmlStreamWriter &writer() { return m_writer; }
    void start(const QString &name) { m_writer.writeStartElement(name); }
    void end() { m_writer.writeEndElement(); }
    void attribute(const QString &name, const QString &value) { m_writer.writeAttribute(name, value); }
    void attribute(const QString &name, qint64 value) { m_writer.writeAttribute(name, QString::number(value)); }
    void attribute(const QString &name, double value);
    void attributes(const XmlAttributes &list);
    void empty(const QString &name) { m_writer.writeEmptyElement(name); }
    void textElement(const QString &name, const QString &text) { m_writer.writeTextElement(name, text); }
    void color(const QString &name, const CellColor &color);
    void raw(const QString &xml);
    void namespaces(const std::vector<std::pair<QString, QString>> &declarations);
    QByteArray finish();

private:
    QByteArray m_bytes;
    QBuffer m_buffer;
    QXmlStreamWriter m_writer;
};

}  // namespace celvane
