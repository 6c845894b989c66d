#pragma once

#include <QImage>
#include <QString>
#include <vector>

// LibreOffice as a test peer: converts workbooks and reads PDF pages back as images.
class LibreOfficePeer
{
public:
    static bool available();
    // Converts with "soffice --headless --convert-to"; returns the converted file or empty.
    static QString convert(const QString &fileName, const QString &format, const QString &outputFolder);
    static int pageCount(const QString &pdf);
    static std::vector<QImage> pages(const QString &pdf, int dpi);
    // The share of pixels that differ clearly between two pages of the same size.
    static double difference(const QImage &a, const QImage &b);
};
