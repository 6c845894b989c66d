#pragma once

#include <QString>
#include <QStringList>

class IniFile;

namespace sorvik::documents {

// What every document takes from the program's folder and configuration: where the
// templates are, the roster's four remark lines and whether workers carry a unified
// barcode number.
struct PrintSettings
{
    QString templateFolder;                // "rpt/" beside the program, with a trailing '/'
    QStringList remarks = QStringList(4);  // data/remark1 … remark4
    bool useBarcode = false;

    // From the application context and its configuration (none: the defaults).
    static PrintSettings fromProgram();
    static PrintSettings read(const QString &appDir, const IniFile *ini);
    QString templatePath(const QString &fileName) const { return templateFolder + fileName; }
};

}  // namespace sorvik::documents
