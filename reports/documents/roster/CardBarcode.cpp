#include "CardBarcode.h"

#include "CelvanePicture.h"
#include "barcode/StriluxControl.h"
#include "framework/MarkerWriter.h"

namespace sorvik::documents {

namespace {
const QString kMarker = QStringLiteral("**BACD");
}

CardBarcode::CardBarcode(StriluxControl *control)
    : m_control(control)
{
    if (!m_control)
        return;
    // Lengths in millimetres. BarWidth goes last: every other length resets it.
    m_control->putType(StriluxControl::tpCode39);
    m_control->putCheckChar(StriluxControl::ccNo);
    m_control->putBarHeight(14.0);
    m_control->putCharHeight(4.0);
    m_control->putBarWidth(34.0);
}

QString CardBarcode::Code(bool useBarcode, const QString &barcodeNumber, int gyoCode, int workerCode)
{
    if (useBarcode)
        return barcodeNumber;
    return QStringLiteral("%1-%2").arg(gyoCode, 3, 10, QLatin1Char('0')).arg(workerCode, 3, 10, QLatin1Char('0'));
}

void CardBarcode::place(MarkerWriter &writer, const QString &code)
{
    if (code.isEmpty() || !m_control)
        return;
    const QByteArray picture = m_control->enhMetaFile(Symbol(code));
    if (picture.isEmpty()) {
        writer.Value(kMarker, m_control->errorMessage());
        return;
    }
    writer.AddPicture(kMarker, celvane::CelvaneOlePicture(picture), 1, 1, 45.0, 20.0);
}

}  // namespace sorvik::documents
