// Strilux as a careless or hostile caller might drive it: the input bytes are read as a
// sequence of calls of the flat C interface (any type, unit, resolution, length, ratio,
// colour, text and value, numbers taken from the bytes or from a list of awkward ones),
// then a picture is made and rendered to EMF, SVG and a small PNG. Nothing may crash,
// overflow, hang or throw.
#include "Picture.h"
#include "strilux.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace {

class Input
{
public:
    Input(const uint8_t *data, size_t size)
        : m_data(data)
        , m_size(size)
    {
    }
    bool empty() const { return m_at >= m_size; }
    uint8_t byte() { return m_at < m_size ? m_data[m_at++] : 0; }
    int32_t int32()
    {
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i)
            v |= uint32_t(byte()) << (8 * i);
        return int32_t(v);
    }
    // A small integer around a property's range most of the time, any 32 bits otherwise.
    int integer()
    {
        const uint8_t kind = byte();
        return kind < 200 ? int(kind % 16) - 2 : int(int32());
    }
    double real()
    {
        static const double awkward[] = {0.0,
                                         -0.0,
                                         0.1,
                                         0.5,
                                         1.0,
                                         2.5,
                                         10.0,
                                         34.0,
                                         999.999,
                                         1000.0,
                                         1000.001,
                                         -1.0,
                                         1e9,
                                         1e300,
                                         -1e300,
                                         std::numeric_limits<double>::denorm_min(),
                                         std::numeric_limits<double>::infinity(),
                                         -std::numeric_limits<double>::infinity(),
                                         std::numeric_limits<double>::quiet_NaN(),
                                         2147483647.0,
                                         2147483648.0};
        const uint8_t kind = byte();
        if (kind < 128)
            return awkward[kind % std::size(awkward)];
        if (kind < 224)
            return double(int8_t(byte())) / 4.0;
        uint64_t bits = 0;
        for (int i = 0; i < 8; ++i)
            bits |= uint64_t(byte()) << (8 * i);
        double v;
        std::memcpy(&v, &bits, sizeof v);
        return v;
    }
    // Raw bytes, or one character repeated up to 60 000 times.
    std::string text()
    {
        const uint8_t kind = byte();
        if (kind >= 240) {
            const size_t count = (size_t(byte()) << 8 | byte()) % 60000;
            return std::string(count, char(byte() | 1));
        }
        std::string s;
        for (uint8_t n = kind % 40; n > 0 && !empty(); --n) {
            const char c = char(byte());
            if (c != '\0')
                s += c;
        }
        return s;
    }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_at = 0;
};

using IntPut = int (*)(STRILUX_HANDLE, int);
using RealPut = int (*)(STRILUX_HANDLE, double);
using TextPut = int (*)(STRILUX_HANDLE, const char *);

const IntPut kIntPuts[] = {StriluxPutType,         StriluxPutRotate,     StriluxPutUnit,       StriluxPutCheckChar,
                           StriluxPutMessage,      StriluxPutFlatHeight, StriluxPutCodeSet,    StriluxPutBearer,
                           StriluxPutBarColor,     StriluxPutBackColor,  StriluxPutBlackRatio, StriluxPutZoom,
                           StriluxPutCheckPattern, StriluxPutDCMode,     StriluxPutDpiX,       StriluxPutDpiY};
const RealPut kRealPuts[]
    = {StriluxPutBarHeight, StriluxPutBarRatio, StriluxPutBarWidth, StriluxPutCharGap, StriluxPutCharHeight,
       StriluxPutCharWidth, StriluxPutElement,  StriluxPutQuiet,    StriluxPutPoint};
const TextPut kTextPuts[] = {StriluxPutValue, StriluxPutStartChar, StriluxPutStopChar};

std::string textOf(int (*get)(STRILUX_HANDLE, char *), STRILUX_HANDLE h)
{
    std::string s(size_t(get(h, nullptr)) + 1, '\0');
    const int n = get(h, s.data());
    s.resize(size_t(n));
    return s;
}

void query(STRILUX_HANDLE h, Input &in)
{
    const int unit = in.integer();
    volatile double sink = StriluxGetWidth(h) + StriluxGetHeight(h) + StriluxGetScaleWidth(h, unit)
        + StriluxGetScaleHeight(h, unit) + StriluxGetBarHeight(h) + StriluxGetElement(h) + StriluxGetPoint(h);
    (void)sink;
    const std::string value = in.text();
    std::string check(size_t(StriluxGetCheckDigitChar(h, value.c_str(), nullptr)) + 1, '\0');
    StriluxGetCheckDigitChar(h, value.c_str(), check.data());
    textOf(StriluxGetValue, h);
    textOf(StriluxGetErrorMessage, h);
}

void render(STRILUX_HANDLE h, const std::string &value)
{
    STRILUX_PICTURE picture = nullptr;
    void *metafile = StriluxGetEnhMetaFileI(h, value.c_str(), &picture);
    if (!picture || !metafile)
        std::abort();
    std::vector<unsigned char> emf(size_t(StriluxGetPictureBits(picture, nullptr)));
    if (emf.size() < 88 || StriluxGetPictureBits(picture, emf.data()) != int(emf.size()))
        std::abort();  // not even an EMF header
    const strilux::Picture *p = strilux::Picture::fromHandle(metafile);
    if (p->svg().find("</svg>") == std::string::npos)
        std::abort();
    const auto png = p->png(96, 20000);
    if (png.size() < 8 || png[1] != 'P')
        std::abort();
    StriluxReleasePictureDisp(picture);
}

}  // namespace

// Seeds written in the call language above.
class Calls
{
public:
    enum Int {
        Type,
        Rotate,
        Unit,
        CheckChar,
        Message,
        FlatHeight,
        CodeSet,
        Bearer,
        BarColor,
        BackColor,
        BlackRatio,
        Zoom,
        CheckPattern,
        DCMode,
        DpiX,
        DpiY
    };
    enum Real { BarHeight, BarRatio, BarWidth, CharGap, CharHeight, CharWidth, Element, Quiet, Point };
    enum Text { Value, StartChar, StopChar };
    // Small values from -2 to 13.
    Calls &put(Int which, int small) { return add({0, char(which), char(small + 2)}); }
    Calls &put32(Int which, int32_t v)
    {
        return add({0, char(which), char(200), char(v), char(v >> 8), char(v >> 16), char(v >> 24)});
    }
    // Quarters from -32 to 31.75.
    Calls &put(Real which, double v) { return add({1, char(which), char(128), char(int8_t(v * 4))}); }
    Calls &putAwkward(Real which, int index) { return add({1, char(which), char(index)}); }
    Calls &put(Text which, const std::string &text) { return add({2, char(which), char(text.size())}).add(text); }
    Calls &putRepeated(Text which, char c, int count)
    {
        return add({2, char(which), char(240), char(count >> 8), char(count), c});
    }
    Calls &render() { return add({5}); }
    std::string bytes;

private:
    Calls &add(const std::string &more)
    {
        bytes += more;
        return *this;
    }
};

extern "C" void SorvikFuzzSeeds(std::vector<std::string> &seeds)
{
    using C = Calls;
    // The largest Code 128 the limits allow, at the finest resolution, turned.
    seeds.push_back(C().put(C::Type, 10)
                        .put(C::Unit, 3)
                        .put32(C::DpiX, 2147483647)
                        .put32(C::DpiY, 2147483647)
                        .put(C::Rotate, 1)
                        .putAwkward(C::Element, 6)
                        .putAwkward(C::Quiet, 9)
                        .putAwkward(C::CharWidth, 9)
                        .putRepeated(C::Value, 'W', 256)
                        .render()
                        .bytes);
    // The worker card: Code 39 fitted to 34 mm.
    seeds.push_back(C().put(C::Type, 9)
                        .put(C::CheckChar, 1)
                        .put(C::Value, "$005-012%")
                        .put(C::BarHeight, 14)
                        .put(C::CharHeight, 4)
                        .putAwkward(C::BarWidth, 7)
                        .render()
                        .bytes);
    seeds.push_back(C().put(C::Type, 8)
                        .put(C::CheckPattern, 3)
                        .put(C::StartChar, "b")
                        .put(C::StopChar, "c")
                        .put(C::Value, "12-34$5")
                        .put(C::BarRatio, 2.25)
                        .render()
                        .bytes);
    seeds.push_back(
        C().put(C::Type, 11).put(C::Value, "1234567-AB\xC1").putAwkward(C::Point, 13).put(C::Unit, 3).render().bytes);
    seeds.push_back(C().put(C::Type, 7)
                        .put(C::Unit, 3)
                        .put32(C::DpiX, 0)
                        .put32(C::Zoom, 1000000000)
                        .put(C::Bearer, 0)
                        .putRepeated(C::Value, '9', 20000)
                        .render()
                        .bytes);
    seeds.push_back(C().put(C::Type, 1)
                        .put32(C::BlackRatio, 150)
                        .put(C::FlatHeight, 1)
                        .put(C::Rotate, 2)
                        .put(C::Value, "490123456789")
                        .put32(C::BarColor, 0x0000FF)
                        .render()
                        .bytes);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Input in(data, size);
    STRILUX_HANDLE h = nullptr;
    if (!StriluxCreate(0, &h) || !h)
        std::abort();
    std::string value = "0123456789";
    for (int calls = 0; calls < 64 && !in.empty(); ++calls) {
        switch (in.byte() % 6) {
        case 0:
            kIntPuts[in.byte() % std::size(kIntPuts)](h, in.integer());
            break;
        case 1:
            kRealPuts[in.byte() % std::size(kRealPuts)](h, in.real());
            break;
        case 2: {
            const TextPut put = kTextPuts[in.byte() % std::size(kTextPuts)];
            const std::string text = in.text();
            put(h, text.c_str());
            if (put == StriluxPutValue)
                value = text;
            break;
        }
        case 3: {
            const std::string face = in.text();
            StriluxPutFont(h, face.c_str(), in.byte() & 1, in.byte() & 1);
            break;
        }
        case 4:
            query(h, in);
            break;
        default:
            render(h, value);
            break;
        }
    }
    render(h, value);
    StriluxRelease(h);
    return 0;
}
