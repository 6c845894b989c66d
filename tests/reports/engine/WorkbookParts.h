#pragma once

#include <QByteArray>
#include <QString>
#include <map>

// A small workbook written by hand, part by part, the way other programs and damaged or
// hostile files lay them out: for the reader's tests, the corpus and the fuzz seeds.
struct WorkbookParts
{
    QString sheetData;        // the rows inside <sheetData>
    QString beforeData;       // elements before it: <cols>, <sheetFormatPr>
    QString afterData;        // elements after it: <mergeCells>, <pageSetup>, <rowBreaks>
    QString strings;          // the <si> entries of the shared strings
    bool stringsPart = true;  // false: the workbook names the strings part but leaves it out
    QString cellFormats = QStringLiteral("<xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\"/>");
    QString numberFormats;  // <numFmt> entries
    QString fonts = QStringLiteral("<font><sz val=\"11\"/><name val=\"IPAPGothic\"/></font>");
    QString fills;       // <fill> entries after the two every workbook has
    QString anchors;     // drawing anchors; empty: no drawing
    QString mainPrefix;  // a prefix for the main namespace ("s"), as some writers use

    std::map<QString, QByteArray> parts() const;
    // The parts in a zip package, stored so that the XML stays readable in the bytes.
    QByteArray zipped() const;
    static QByteArray zip(const std::map<QString, QByteArray> &parts, bool compress = false);
};
