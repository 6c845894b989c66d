#pragma once

#include "CellStyle.h"

#include <QByteArray>
#include <QString>
#include <QXmlStreamReader>

namespace celvane {

// A part's XML being read, able to hand out elements exactly as they were written so that
// what the model does not understand can be written back unchanged.
class XmlSource
{
public:
    explicit XmlSource(const QByteArray &bytes);

    QXmlStreamReader &reader() { return m_reader; }
    // Moves to the next child element of the current element; false at its end.
    bool nextChild() { return m_reader.readNextStartElement(); }
    QStringView name() const { return m_reader.name(); }
    QString attribute(QStringView name) const;
    QString attribute(QStringView namespaceUri, QStringView name) const;
    int intAttribute(QStringView name, int fallback = 0) const;
    double doubleAttribute(QStringView name, double fallback = 0.0) const;
    bool boolAttribute(QStringView name, bool fallback = false) const;
    XmlAttributes attributesExcept(std::initializer_list<QStringView> names) const;

    // Offset of the start tag of the current element.
    qint64 elementStart() const;
    // The text of the source from an offset to the end of the last token read.
    QString textSince(qint64 start) const;
    // The whole current element as written; the reader ends on its end tag.
    QString captureElement();
    void skip() { m_reader.skipCurrentElement(); }
    QString readText() { return m_reader.readElementText(QXmlStreamReader::IncludeChildElements); }

private:
    QStringView find(QStringView namespaceUri, QStringView name) const;

    QString m_text;
    QXmlStreamReader m_reader;
};

}  // namespace celvane
