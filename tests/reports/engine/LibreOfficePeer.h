#pragma once

#include <QImage>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <vector>

// LibreOffice as a test peer: converts workbooks and reads PDF pages back as images and words.
// Every conversion of a test process shares one private profile, and LibreOffice draws the
// faces of Japanese forms with the same fonts as the engine (data/libreoffice-fonts.conf).
class LibreOfficePeer
{
public:
    struct Word
    {
        QString text;
        QPointF at;  // points from the page's top-left corner
    };

    static bool available();
    // Converts with "soffice --headless --convert-to"; returns the converted file or empty.
    static QString convert(const QString &fileName, const QString &format, const QString &outputFolder);
    // Converts many files in one start of LibreOffice; returns the converted files in order,
    // empty where a file could not be converted.
    static QStringList convertAll(const QStringList &fileNames, const QString &format, const QString &outputFolder);
    static int pageCount(const QString &pdf);
    static std::vector<QImage> pages(const QString &pdf, int dpi);
    // The words of each page as a PDF reader extracts them.
    static std::vector<std::vector<Word>> words(const QString &pdf);
    // The share of pixels that differ clearly between two pages of the same size.
    static double difference(const QImage &a, const QImage &b);
};
