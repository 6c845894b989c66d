#include "BarcodeControl.h"

#include "ErrorCodes.h"
#include "Nw7Tables.h"
#include "TypeLimits.h"

#include <algorithm>
#include <cmath>

namespace strilux {

namespace {
bool inRange(int v, int low, int high)
{
    return v >= low && v <= high;
}

BarcodeType typeOf(const ControlProperties &p)
{
    return BarcodeType(p.type);
}

int errorOf(LengthProperty which)
{
    switch (which) {
    case LengthProperty::BarHeight:
        return errSetBarHeight;
    case LengthProperty::CharGap:
        return errSetCharGap;
    case LengthProperty::CharHeight:
        return errSetCharHeight;
    case LengthProperty::CharWidth:
        return errSetCharWidth;
    case LengthProperty::Quiet:
        return errSetQuiet;
    case LengthProperty::Element:
    case LengthProperty::BarWidth:
        break;
    }
    return errSetElement;
}
}  // namespace

std::int64_t BarcodeControl::toUm(double value) const
{
    return toMicrometres(value, Unit(m_p.unit), m_p.dpiX);
}

int BarcodeControl::zoomFor(int zoom) const
{
    return Unit(m_p.unit) == Unit::Dot ? limits::zoomForDots(typeOf(m_p), zoom, m_p.dpiX)
                                       : limits::zoom(typeOf(m_p), zoom);
}

void BarcodeControl::reapplyZoom()
{
    m_p.zoom = zoomFor(m_p.zoom);
}

void BarcodeControl::putType(int type)
{
    begin();
    if (!inRange(type, 0, kTypeCount - 1))
        return fail(errSetType);
    m_p.type = type;
    resetBarWidth();
    m_p.checkPattern = 0;
    m_p.blackRatio = limits::blackRatio(typeOf(m_p), m_p.blackRatio);
    if (limits::checkCharForced(typeOf(m_p)))
        m_p.checkChar = 0;
    reapplyZoom();
    changed();
}

void BarcodeControl::putValue(const std::string &value)
{
    m_p.value = value;
    resetBarWidth();
    changed();
}

void BarcodeControl::putCheckChar(int mode)
{
    begin();
    if (!inRange(mode, 0, 1))
        return fail(errSetCheckChar);
    resetBarWidth();
    if (mode == 1 && limits::checkCharForced(typeOf(m_p))) {
        m_p.checkChar = 0;
        fail(errSetCheckChar);
    } else {
        m_p.checkChar = mode;
    }
    if (m_p.checkChar == 1)
        m_p.rememberedCheck.clear();
    changed();
}

void BarcodeControl::putCheckPattern(int pattern)
{
    begin();
    if (typeOf(m_p) != BarcodeType::NW7 || !inRange(pattern, 0, kCheckPatternCount - 1))
        return fail(errSetCheckPattern);
    m_p.checkPattern = pattern;
    changed();
}

void BarcodeControl::putCodeSet(int set)
{
    begin();
    if (!inRange(set, 0, 3))
        return fail(errSetCodeSet);
    m_p.codeSet = set;
    resetBarWidth();
    changed();
}

void BarcodeControl::putStartChar(const std::string &text)
{
    begin();
    if (typeOf(m_p) == BarcodeType::NW7 && (text.empty() || !isNw7StartStop(static_cast<unsigned char>(text[0]))))
        return fail(errSetStartChar);
    m_p.startChar = text;
    changed();
}

void BarcodeControl::putStopChar(const std::string &text)
{
    begin();
    if (typeOf(m_p) == BarcodeType::NW7 && (text.empty() || !isNw7StartStop(static_cast<unsigned char>(text[0]))))
        return fail(errSetStopChar);
    m_p.stopChar = text;
    changed();
}

void BarcodeControl::putRotate(int rotate)
{
    begin();
    if (!inRange(rotate, 0, 3))
        return fail(errSetRotate);
    m_p.rotate = rotate;
    changed();
}

void BarcodeControl::putMessage(int message)
{
    begin();
    if (!inRange(message, 0, 1))
        return fail(errSetMessage);
    m_p.message = message;
    changed();
}

void BarcodeControl::putBearer(int bearer)
{
    begin();
    if (!inRange(bearer, 0, 1))
        return fail(errSetBearer);
    m_p.bearer = bearer;
    resetBarWidth();
    changed();
}

void BarcodeControl::putDCMode(int mode)
{
    begin();
    if (!inRange(mode, 0, 1))
        return fail(errSetDCMode);
    m_p.dcMode = mode;
}

void BarcodeControl::putUnit(int unit)
{
    begin();
    if (!inRange(unit, 0, 3))
        return fail(errUnitType);
    m_p.unit = unit;
    reapplyZoom();
    changed();
}

void BarcodeControl::putLength(LengthProperty which, double value)
{
    // Not a number, or longer than any barcode: refused and not stored. The element alone
    // is limited to its largest value instead, as the types limit it.
    const bool finite = std::isfinite(value);
    const std::int64_t requested = finite ? toUm(value) : 0;
    const bool tooLong = requested > limits::kMaximumLength;
    if (which == LengthProperty::BarWidth) {
        // BarWidth leaves ErrorNumber as it was, except for what the fitting reports.
        if (!finite || value < 0 || tooLong)
            return;
        m_p.barWidth = requested;
        if (m_p.barWidth != 0)
            fitBarWidth();
        changed();
        return;
    }
    begin();
    if (!finite || (tooLong && which != LengthProperty::Element))
        return fail(errorOf(which));
    const BarcodeType type = typeOf(m_p);
    std::int64_t um = requested;
    switch (which) {
    case LengthProperty::CharGap:
    case LengthProperty::CharHeight:
    case LengthProperty::CharWidth:
        if (um < 0)
            return fail(errorOf(which));
        (which == LengthProperty::CharGap          ? m_p.charGap
             : which == LengthProperty::CharHeight ? m_p.charHeight
                                                   : m_p.charWidth)
            = um;
        break;
    case LengthProperty::Quiet:
        m_p.quiet = std::max<std::int64_t>(0, um);
        if (!limits::quietAccepted(type, m_p.quiet))
            fail(errSetQuiet);
        break;
    case LengthProperty::BarHeight:
        m_p.barHeight = std::max<std::int64_t>(0, um);
        if (!limits::barHeightAccepted(type, m_p.barHeight))
            fail(errSetBarHeight);
        break;
    case LengthProperty::Element: {
        // The types drawn with it take their smallest element; for the others a
        // non-positive value becomes one dot or 0.1 of the unit.
        if (value <= 0 && !isElementSized(type))
            um = Unit(m_p.unit) == Unit::Dot ? toUm(1) : toUm(0.1);
        m_p.element = limits::element(type, um);
        if (m_p.element != um)
            fail(errSetElement);
        break;
    }
    case LengthProperty::BarWidth:
        break;
    }
    resetBarWidth();
    changed();
}

double BarcodeControl::length(LengthProperty which) const
{
    std::int64_t um = 0;
    switch (which) {
    case LengthProperty::BarHeight:
        um = m_p.barHeight;
        break;
    case LengthProperty::CharGap:
        um = m_p.charGap;
        break;
    case LengthProperty::CharHeight:
        um = m_p.charHeight;
        break;
    case LengthProperty::CharWidth:
        um = m_p.charWidth;
        break;
    case LengthProperty::Quiet:
        um = m_p.quiet;
        break;
    case LengthProperty::Element:
        um = m_p.element;
        break;
    case LengthProperty::BarWidth:
        um = m_p.barWidth;
        break;
    }
    return fromMicrometres(um, Unit(m_p.unit), m_p.dpiX);
}

void BarcodeControl::putBarRatio(double ratio)
{
    begin();
    if (!(ratio >= 0 && ratio <= limits::kMaximumBarRatio))
        return fail(errSetBarRatio);
    const int requested = int(std::lround(ratio * 100.0));
    m_p.barRatio = limits::barRatio(typeOf(m_p), requested, m_p.element);
    if (m_p.barRatio != requested)
        fail(errSetBarRatio);
    changed();
}

void BarcodeControl::putBlackRatio(int ratio)
{
    begin();
    m_p.blackRatio = limits::blackRatio(typeOf(m_p), ratio);
    if (m_p.blackRatio != ratio)
        fail(errSetBlackRatio);
    changed();
}

void BarcodeControl::putZoom(int zoom)
{
    begin();
    if (limits::zoom(typeOf(m_p), zoom) != zoom)
        fail(errSetZoom);
    m_p.zoom = zoomFor(zoom);
    changed();
}

void BarcodeControl::putPoint(double point)
{
    begin();
    if (!std::isfinite(point))
        return fail(errSetPoint);
    // Far beyond every type's limits, but a whole number of percent.
    point = std::clamp(point, -1e6, 1e6);
    const int zoom = int(std::lround(point * 10.0));
    if (limits::zoom(typeOf(m_p), zoom) != zoom)
        fail(errSetPoint);
    m_p.zoom = zoomFor(zoom);
    changed();
}

void BarcodeControl::putDpi(bool horizontal, int dpi)
{
    // Anything below the screen's resolution is taken as the screen's, anything above the
    // finest printer's as that.
    (horizontal ? m_p.dpiX : m_p.dpiY) = std::clamp(dpi, limits::kMinimumDpi, limits::kMaximumDpi);
    resetBarWidth();
    reapplyZoom();
    changed();
}

void BarcodeControl::putScaleMode(int mode)
{
    m_p.scaleMode = inRange(mode, 0, 7) ? mode : 3;
}

void BarcodeControl::putBarColor(std::uint32_t colour)
{
    m_p.barColor = colour & 0xFFFFFF;
    changed();
}

void BarcodeControl::putBackColor(std::uint32_t colour)
{
    m_p.backColor = colour & 0xFFFFFF;
    changed();
}

void BarcodeControl::putFlatHeight(int height)
{
    m_p.flatHeight = height;
    changed();
}

void BarcodeControl::putFont(const std::string &face, bool bold, bool italic)
{
    m_p.fontFace = face;
    m_p.fontBold = bold;
    m_p.fontItalic = italic;
    changed();
}

void BarcodeControl::putObjectMode(int mode)
{
    if (inRange(mode, 0, 1))
        m_p.objectMode = mode;
    changed();
}

void BarcodeControl::setOnErrorProc(std::intptr_t procedure, std::intptr_t parameter)
{
    m_p.errorProc = procedure;
    m_p.errorParam = parameter;
}

}  // namespace strilux
