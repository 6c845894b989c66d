#pragma once

#include <QString>

namespace sorvik::documents {

class MarkerWriter;
class StriluxControl;

// The barcode of a worker card: Code 39 without a check character of "$" + code + "%",
// where the code is the worker's unified barcode number when the site uses them, else
// contractor and worker code as three digits each ("005-012"). It is drawn by the Strilux
// control and placed at "**BACD", 45 × 20 from the cell's corner.
class CardBarcode
{
public:
    // `control` may be null: the library could not be loaded and cards print without
    // barcodes. Otherwise the control is set up for cards here.
    explicit CardBarcode(StriluxControl *control);

    static QString Code(bool useBarcode, const QString &barcodeNumber, int gyoCode, int workerCode);
    static QString Symbol(const QString &code) { return u'$' + code + u'%'; }
    // Told before cards are printed without a control; the loader's reason follows.
    static inline const QString WithoutBarcodes
        = QStringLiteral("バーコードライブラリを使えないため、作業員票はバーコードなしで印刷します。");

    // Nothing for an empty code. A code the control refuses shows the control's message in
    // the cell instead of a symbol that would not read.
    void place(MarkerWriter &writer, const QString &code);

private:
    StriluxControl *m_control;
};

}  // namespace sorvik::documents
