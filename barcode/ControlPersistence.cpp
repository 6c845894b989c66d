#include "BarcodeControl.h"
#include "ByteWriter.h"
#include "TypeLimits.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace strilux {

namespace {
constexpr std::uint32_t kMagic = 0x50585453;  // "STXP"
constexpr std::uint32_t kVersion = 1;

class Reader
{
public:
    Reader(const std::uint8_t *data, std::size_t size)
        : m_data(data)
        , m_size(size)
    {
    }
    bool ok() const { return m_ok; }
    std::uint32_t u32()
    {
        if (m_pos + 4 > m_size) {
            m_ok = false;
            return 0;
        }
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i)
            v |= std::uint32_t(m_data[m_pos + i]) << (8 * i);
        m_pos += 4;
        return v;
    }
    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }
    double real()
    {
        const std::uint64_t lo = u32(), hi = u32();
        const std::uint64_t bits = lo | (hi << 32);
        double v;
        std::memcpy(&v, &bits, 8);
        return v;
    }
    std::string text()
    {
        const std::uint32_t n = u32();
        if (!m_ok || m_pos + n > m_size) {
            m_ok = false;
            return {};
        }
        std::string s(reinterpret_cast<const char *>(m_data + m_pos), n);
        m_pos += n;
        return s;
    }

private:
    const std::uint8_t *m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
    bool m_ok = true;
};

void putReal(ByteWriter &w, double v)
{
    std::uint64_t bits;
    std::memcpy(&bits, &v, 8);
    w.u32(std::uint32_t(bits));
    w.u32(std::uint32_t(bits >> 32));
}

void putText(ByteWriter &w, const std::string &s)
{
    w.u32(std::uint32_t(s.size()));
    w.bytes(s.data(), s.size());
}
}  // namespace

// The properties in their fixed order. Lengths are kept in millimetres so that a stream
// does not depend on the unit, which comes late in the order.
std::vector<std::uint8_t> BarcodeControl::save() const
{
    const auto mm = [](std::int64_t um) { return fromMicrometres(um, Unit::MM, 96); };
    ByteWriter w;
    w.u32(kMagic);
    w.u32(kVersion);
    w.u32(m_p.backColor);
    w.u32(m_p.barColor);
    putReal(w, mm(m_p.barHeight));
    putReal(w, barRatio());
    putReal(w, mm(m_p.barWidth));
    w.i32(m_p.bearer);
    w.i32(m_p.blackRatio);
    putReal(w, mm(m_p.charGap));
    putReal(w, mm(m_p.charHeight));
    putReal(w, mm(m_p.charWidth));
    w.i32(m_p.checkChar);
    w.i32(m_p.checkPattern);
    w.i32(m_p.codeSet);
    w.i32(m_p.dpiX);
    w.i32(m_p.dpiY);
    putReal(w, mm(m_p.element));
    w.i32(m_p.flatHeight);
    putText(w, m_p.fontFace);
    w.i32(m_p.fontBold);
    w.i32(m_p.fontItalic);
    putReal(w, height());
    w.i32(m_p.message);
    w.i32(m_p.objectMode);
    putReal(w, point());
    putReal(w, mm(m_p.quiet));
    w.i32(m_p.rotate);
    putText(w, m_p.startChar);
    putText(w, m_p.stopChar);
    w.i32(m_p.type);
    w.i32(m_p.unit);
    putText(w, m_p.value);
    putReal(w, width());
    w.i32(m_p.zoom);
    return w.take();
}

// Each property goes through its put in the saved order, except that the type is applied
// first, so that type-dependent puts (zoom limits, the NW-7 check pattern) see it, and the
// unit last, since the lengths are in millimetres.
bool BarcodeControl::load(const std::uint8_t *data, std::size_t size)
{
    Reader r(data, size);
    if (r.u32() != kMagic || r.u32() != kVersion)
        return false;
    // Read everything first: a broken stream changes nothing.
    const std::uint32_t backColor = r.u32(), barColor = r.u32();
    const double barHeight = r.real(), ratio = r.real(), barWidth = r.real();
    const int bearer = r.i32(), blackRatio = r.i32();
    const double charGap = r.real(), charHeight = r.real(), charWidth = r.real();
    const int checkChar = r.i32(), checkPattern = r.i32(), codeSet = r.i32(), dpiX = r.i32(), dpiY = r.i32();
    const double element = r.real();
    const int flatHeight = r.i32();
    const std::string face = r.text();
    const int bold = r.i32(), italic = r.i32();
    r.real();  // Height: accepted and ignored
    const int message = r.i32(), objectMode = r.i32();
    const double point = r.real(), quiet = r.real();
    const int rotate = r.i32();
    const std::string startChar = r.text(), stopChar = r.text();
    const int type = r.i32(), unit = r.i32();
    const std::string value = r.text();
    r.real();  // Width
    const int zoom = r.i32();
    if (!r.ok())
        return false;

    putType(type);
    m_p.unit = 0;
    putBackColor(backColor);
    putBarColor(barColor);
    putLength(LengthProperty::BarHeight, barHeight);
    putBarRatio(ratio);
    putLength(LengthProperty::BarWidth, barWidth);
    putBearer(bearer);
    putBlackRatio(blackRatio);
    putLength(LengthProperty::CharGap, charGap);
    putLength(LengthProperty::CharHeight, charHeight);
    putLength(LengthProperty::CharWidth, charWidth);
    putCheckChar(checkChar);
    putCheckPattern(checkPattern);
    putCodeSet(codeSet);
    putDpi(true, dpiX);
    putDpi(false, dpiY);
    putLength(LengthProperty::Element, element);
    putFlatHeight(flatHeight);
    putFont(face, bold != 0, italic != 0);
    putMessage(message);
    putObjectMode(objectMode);
    putPoint(point);
    putLength(LengthProperty::Quiet, quiet);
    putRotate(rotate);
    putStartChar(startChar);
    putStopChar(stopChar);
    putUnit(unit);
    putValue(value);
    putZoom(zoom);
    // Later lengths reset BarWidth; the element it fitted is already restored.
    if (std::isfinite(barWidth) && barWidth >= 0)
        m_p.barWidth = std::min(toMicrometres(barWidth, Unit::MM, 96), limits::kMaximumLength);
    m_error = 0;
    m_dirty = false;
    return true;
}

}  // namespace strilux
