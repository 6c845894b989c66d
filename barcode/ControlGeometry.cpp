#include "BarWidthFitting.h"
#include "BarcodeControl.h"
#include "Encoder.h"
#include "TypeLimits.h"

// The control's symbol builds and sizes: everything that reads the symbol of the
// current properties.
namespace strilux {

namespace {
bool inRange(int v, int low, int high)
{
    return v >= low && v <= high;
}
}  // namespace

void BarcodeControl::fitBarWidth()
{
    const BarcodeType type = BarcodeType(m_p.type);
    const std::int64_t wanted = m_p.barWidth;
    if (isElementSized(type)) {
        if (type == BarcodeType::Code39)
            m_p.charGap = 0;
        const std::int64_t d = fittedElement(build(), symbolParams(m_p), wanted);
        m_p.element = limits::element(type, d);
    } else {
        SymbolParams at100 = symbolParams(m_p);
        at100.zoom = 100;
        at100.deviceMode = false;
        const Layout base = layoutSymbol(build(), at100);
        if (base.width > 0)
            m_p.zoom = zoomFor(int(wanted * 100 / base.width));
    }
    m_p.barWidth = wanted;
}

std::string BarcodeControl::checkCharOf(const std::string &value)
{
    if (m_p.checkChar == 0)
        m_p.rememberedCheck = checkCharacter(value, symbolParams(m_p).encode);
    return m_p.rememberedCheck;
}

Symbol BarcodeControl::build() const
{
    return encode(m_p.value, symbolParams(m_p).encode);
}

Layout BarcodeControl::layout() const
{
    return layoutSymbol(build(), symbolParams(m_p));
}

SizeUm BarcodeControl::sizeUm() const
{
    const SizeUm s = layoutSizeUm(layout(), symbolParams(m_p));
    return m_p.rotate % 2 ? SizeUm{s.cy, s.cx} : s;
}

SizeUm BarcodeControl::size(int measure) const
{
    if (!inRange(measure, 0, kMeasureCount - 1))
        measure = int(Measure::Micrometres);
    if (Measure(measure) == Measure::Pixels && Unit(m_p.unit) == Unit::Dot) {
        // The device layout is in whole pixels already.
        const Layout l = layout();
        return m_p.rotate % 2 ? SizeUm{l.height, l.width} : SizeUm{l.width, l.height};
    }
    return sizeInMeasure(sizeUm(), Measure(measure), m_p.dpiX, m_p.dpiY);
}

double BarcodeControl::scaleWidth(int unit) const
{
    if (!inRange(unit, 0, 3))
        unit = m_p.unit;
    return Unit(unit) == Unit::Dot ? double(size(int(Measure::Pixels)).cx)
                                   : fromMicrometres(sizeUm().cx, Unit(unit), m_p.dpiX);
}

double BarcodeControl::scaleHeight(int unit) const
{
    if (!inRange(unit, 0, 3))
        unit = m_p.unit;
    return Unit(unit) == Unit::Dot ? double(size(int(Measure::Pixels)).cy)
                                   : fromMicrometres(sizeUm().cy, Unit(unit), m_p.dpiY);
}

double BarcodeControl::width() const
{
    const int mode = m_p.scaleMode == 0 ? 3 : m_p.scaleMode;
    const double v = double(size(mode).cx);
    return mode == 3 ? v : v / 1000.0;
}

double BarcodeControl::height() const
{
    const int mode = m_p.scaleMode == 0 ? 3 : m_p.scaleMode;
    const double v = double(size(mode).cy);
    return mode == 3 ? v : v / 1000.0;
}

SizeUm BarcodeControl::extent() const
{
    if (m_p.objectMode == 0)
        return {741, 741};
    return sizeInMeasure(sizeUm(), Measure::HundredthMM, m_p.dpiX, m_p.dpiY);
}

}  // namespace strilux
