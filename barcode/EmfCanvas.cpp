#include "EmfCanvas.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace strilux {

namespace {
enum : std::uint32_t {
    EMR_HEADER = 1,
    EMR_EOF = 14,
    EMR_SETMAPMODE = 17,
    EMR_SETBKMODE = 18,
    EMR_SETTEXTALIGN = 22,
    EMR_SETTEXTCOLOR = 24,
    EMR_SELECTOBJECT = 37,
    EMR_CREATEBRUSHINDIRECT = 39,
    EMR_DELETEOBJECT = 40,
    EMR_BITBLT = 76,
    EMR_EXTCREATEFONTINDIRECTW = 82,
    EMR_EXTTEXTOUTW = 84,
};
constexpr std::uint32_t kMM_TEXT = 1;
constexpr std::uint32_t kMM_HIMETRIC = 3;
constexpr std::uint32_t kTRANSPARENT = 1;
constexpr std::uint32_t kPATCOPY = 0x00F00021;
constexpr std::uint32_t kSHIFTJIS_CHARSET = 128;
constexpr std::uint32_t kHeaderSize = 108;
constexpr char16_t kDescription[] = u"Strilux\0Barcode\0";

std::uint32_t colorRef(Rgb c)
{
    return c.r | (c.g << 8) | (c.b << 16);
}

std::uint32_t u(int v)
{
    return static_cast<std::uint32_t>(v);
}
}  // namespace

EmfCanvas::EmfCanvas(ReferenceDevice device)
    : m_device(device)
{
    record(EMR_SETBKMODE, {kTRANSPARENT});
    record(EMR_SETTEXTALIGN, {0});  // top left
}

void EmfCanvas::record(std::uint32_t type, const std::vector<std::uint32_t> &params)
{
    m_records.u32(type);
    m_records.u32(u(8 + 4 * int(params.size())));
    for (auto p : params)
        m_records.u32(p);
    ++m_recordCount;
}

void EmfCanvas::select(std::uint32_t handle)
{
    record(EMR_SELECTOBJECT, {handle});
}

void EmfCanvas::setMapMode(MapMode mode)
{
    record(EMR_SETMAPMODE, {mode == MapMode::HiMetric ? kMM_HIMETRIC : kMM_TEXT});
}

std::uint32_t EmfCanvas::brushFor(Rgb colour)
{
    auto it = std::find(m_brushes.begin(), m_brushes.end(), colour);
    if (it != m_brushes.end())
        return u(int(it - m_brushes.begin())) + 1;
    m_brushes.push_back(colour);
    const std::uint32_t handle = u(int(m_brushes.size()));
    record(EMR_CREATEBRUSHINDIRECT, {handle, 0 /* BS_SOLID */, colorRef(colour), 0});
    return handle;
}

void EmfCanvas::fillRect(int left, int top, int right, int bottom, Rgb colour)
{
    const std::uint32_t brush = brushFor(colour);
    if (brush != m_selectedBrush) {
        select(brush);
        m_selectedBrush = brush;
    }
    // A pattern block transfer fills exactly the given extent, where a rectangle without
    // a pen would leave out its right and bottom edge.
    const std::int32_t x = std::min(left, right), y = std::min(top, bottom);
    const std::int32_t cx = std::abs(right - left), cy = std::abs(bottom - top);
    std::vector<std::uint32_t> p = {u(x), u(y), u(x + cx - 1), u(y + cy - 1),  // bounds
                                    u(x), u(y), u(cx),         u(cy),         kPATCOPY, 0, 0};
    const float identity[6] = {1, 0, 0, 1, 0, 0};
    for (float f : identity) {
        std::uint32_t bits;
        std::memcpy(&bits, &f, 4);
        p.push_back(bits);
    }
    p.insert(p.end(), {0, 0, 0, 0, 0, 0});  // no source: colour, usage, bitmap offsets and sizes
    record(EMR_BITBLT, p);
}

std::uint32_t EmfCanvas::fontFor(const FontSpec &font)
{
    auto it = std::find(m_fonts.begin(), m_fonts.end(), font);
    if (it != m_fonts.end())
        return m_fontHandles[it - m_fonts.begin()];
    // Fonts take handles after the brushes; up to 16 brushes are reserved.
    const std::uint32_t handle = 17 + u(int(m_fonts.size()));
    m_fonts.push_back(font);
    m_fontHandles.push_back(handle);

    m_records.u32(EMR_EXTCREATEFONTINDIRECTW);
    m_records.u32(104);
    m_records.u32(handle);
    m_records.i32(font.height);
    m_records.i32(font.width);
    m_records.i32(font.escapement);
    m_records.i32(font.escapement);  // orientation
    m_records.i32(font.weight);
    m_records.u8(font.italic ? 1 : 0);
    m_records.u8(0);
    m_records.u8(0);
    m_records.u8(kSHIFTJIS_CHARSET);
    m_records.u8(0);  // OUT_DEFAULT_PRECIS
    m_records.u8(0);  // CLIP_DEFAULT_PRECIS
    m_records.u8(0);  // DEFAULT_QUALITY
    m_records.u8(1);  // FIXED_PITCH
    std::u16string face = utf8ToUtf16(font.face);
    face.resize(32, u'\0');
    face[31] = u'\0';
    for (char16_t c : face)
        m_records.u16(c);
    ++m_recordCount;
    return handle;
}

void EmfCanvas::drawText(int x, int y, const std::string &utf8, const FontSpec &font, Rgb colour)
{
    if (!m_textColourSet || !(colour == m_textColour)) {
        record(EMR_SETTEXTCOLOR, {colorRef(colour)});
        m_textColour = colour;
        m_textColourSet = true;
    }
    const std::uint32_t handle = fontFor(font);
    if (handle != m_selectedFont) {
        select(handle);
        m_selectedFont = handle;
    }
    const std::u16string text = utf8ToUtf16(utf8);
    const std::uint32_t chars = u(int(text.size()));
    const std::uint32_t stringBytes = (chars * 2 + 3) / 4 * 4;
    const std::uint32_t offString = 76;
    const std::uint32_t offDx = offString + stringBytes;
    const std::uint32_t size = offDx + 4 * chars;
    m_records.u32(EMR_EXTTEXTOUTW);
    m_records.u32(size);
    for (int i = 0; i < 4; ++i)
        m_records.i32(i < 2 ? 0 : -1);  // bounds not computed
    m_records.u32(1);                   // GM_COMPATIBLE
    m_records.f32(0);
    m_records.f32(0);
    m_records.i32(x);
    m_records.i32(y);
    m_records.u32(chars);
    m_records.u32(offString);
    m_records.u32(0);  // options
    for (int i = 0; i < 4; ++i)
        m_records.i32(0);
    m_records.u32(offDx);
    for (char16_t c : text)
        m_records.u16(c);
    m_records.padTo4();
    for (std::uint32_t i = 0; i < chars; ++i)
        m_records.i32(font.width);
    ++m_recordCount;
}

std::vector<std::uint8_t> EmfCanvas::finish(int frameWidth, int frameHeight)
{
    record(EMR_SETMAPMODE, {kMM_TEXT});  // the mapping the drawing found
    select(0x80000000);                  // WHITE_BRUSH, so the objects can go
    for (std::uint32_t h = 1; h <= m_brushes.size(); ++h)
        record(EMR_DELETEOBJECT, {h});
    select(0x8000000D);  // SYSTEM_FONT
    for (std::uint32_t h : m_fontHandles)
        record(EMR_DELETEOBJECT, {h});
    record(EMR_EOF, {0, 16, 20});

    ByteWriter out;
    const std::uint32_t descriptionBytes = sizeof(kDescription) - sizeof(char16_t);
    const std::uint32_t headerSize = kHeaderSize + (descriptionBytes + 3) / 4 * 4;
    const auto px = [](int hundredthsMM, int dpi) { return int(std::int64_t(hundredthsMM) * dpi / 2540); };
    out.u32(EMR_HEADER);
    out.u32(headerSize);
    out.i32(0);  // bounds in device pixels, inclusive
    out.i32(0);
    out.i32(std::max(0, px(frameWidth, m_device.dpiX) - 1));
    out.i32(std::max(0, px(frameHeight, m_device.dpiY) - 1));
    out.i32(0);  // frame in 0.01 mm, inclusive
    out.i32(0);
    out.i32(std::max(0, frameWidth - 1));
    out.i32(std::max(0, frameHeight - 1));
    out.u32(0x464D4520);  // " EMF"
    out.u32(0x00010000);
    out.u32(u(int(headerSize + m_records.size())));
    out.u32(m_recordCount + 1);
    out.u16(u(int(17 + m_fonts.size())));  // handle table size (index 0 reserved)
    out.u16(0);
    out.u32(descriptionBytes / 2);
    out.u32(kHeaderSize);
    out.u32(0);  // palette entries
    const int deviceWidth = m_device.widthMM * m_device.dpiX * 10 / 254;
    const int deviceHeight = m_device.heightMM * m_device.dpiY * 10 / 254;
    out.i32(deviceWidth);
    out.i32(deviceHeight);
    out.i32(m_device.widthMM);
    out.i32(m_device.heightMM);
    out.u32(0);  // no pixel format
    out.u32(0);
    out.u32(0);  // not OpenGL
    out.i32(m_device.widthMM * 1000);
    out.i32(m_device.heightMM * 1000);
    out.bytes(kDescription, descriptionBytes);
    out.padTo4();
    out.bytes(m_records.data().data(), m_records.size());
    return out.take();
}

}  // namespace strilux
