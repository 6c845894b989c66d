#include "BarcodeControl.h"
#include "Picture.h"
#include "Renderer.h"

namespace strilux {

Picture *BarcodeControl::enhMetaFile(const std::string &value)
{
    begin();
    if (value != m_p.value) {
        // A width asked for with BarWidth holds for the value being drawn.
        const std::int64_t barWidth = m_p.barWidth;
        putValue(value);
        if (barWidth != 0) {
            m_p.barWidth = barWidth;
            fitBarWidth();
        }
    }
    const Symbol symbol = build();
    if (symbol.error)
        fail(symbol.error);
    const SymbolParams params = symbolParams(m_p);
    const Layout layout = layoutSymbol(symbol, params);

    ReferenceDevice device;
    if (m_p.dcMode == 1) {
        device.dpiX = m_p.dpiX;
        device.dpiY = m_p.dpiY;
    }
    const bool quarter = m_p.rotate % 2 != 0;
    int frameWidth, frameHeight;
    if (layout.device && m_p.dcMode == 0) {
        // Pixels measured with the screen's physical size.
        const int pxW = quarter ? layout.height : layout.width;
        const int pxH = quarter ? layout.width : layout.height;
        const int screenW = device.widthMM * device.dpiX * 10 / 254;
        const int screenH = device.heightMM * device.dpiY * 10 / 254;
        frameWidth = int(std::int64_t(device.widthMM) * 100 * pxW / screenW);
        frameHeight = int(std::int64_t(device.heightMM) * 100 * pxH / screenH);
    } else {
        const SizeUm um = sizeUm();
        frameWidth = int(um.cx / 10);
        frameHeight = int(um.cy / 10);
    }
    RecordingCanvas drawing;
    renderLayout(drawing, layout, params);
    return new Picture(std::move(drawing), frameWidth, frameHeight, device, layout.device);
}

}  // namespace strilux
