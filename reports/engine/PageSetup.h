#pragma once

#include "CellStyle.h"

#include <QString>

namespace celvane {

// Print settings of one sheet. Margins are in inches as workbooks store them.
struct PageSetup
{
    int paperSize = 9;  // A4
    bool landscape = false;
    bool orientationSet = false;
    int scale = 100;
    bool fitToPage = false;
    int fitToWidth = 1;
    int fitToHeight = 1;
    double marginLeft = 0.7, marginRight = 0.7, marginTop = 0.75, marginBottom = 0.75;
    double marginHeader = 0.3, marginFooter = 0.3;
    bool marginsSet = false;
    bool centerHorizontally = false;
    bool centerVertically = false;
    bool printGridLines = false;
    bool printHeadings = false;
    int firstPageNumber = 1;
    bool useFirstPageNumber = false;
    bool overThenDown = false;
    XmlAttributes otherPageSetupAttributes;  // printer resolution, copies, printer settings link
    bool pageSetupSet = false;
    QString oddHeader, oddFooter;
    QString headerFooterXml;  // the whole element, as written
};

}  // namespace celvane
