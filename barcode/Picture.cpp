#include "Picture.h"

#include "AtomicFile.h"
#include "Guarded.h"
#include "RasterCanvas.h"
#include "SvgCanvas.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace strilux {

namespace {
bool endsWith(const std::string &s, const char *suffix)
{
    const std::size_t n = std::strlen(suffix);
    if (s.size() < n)
        return false;
    for (std::size_t i = 0; i < n; ++i)
        if (std::tolower(static_cast<unsigned char>(s[s.size() - n + i])) != suffix[i])
            return false;
    return true;
}

}  // namespace

Picture::Picture(RecordingCanvas drawing, int frameWidth, int frameHeight, ReferenceDevice device, bool pixelMode)
    : m_drawing(std::move(drawing))
    , m_frameWidth(frameWidth)
    , m_frameHeight(frameHeight)
    , m_device(device)
    , m_pixelMode(pixelMode)
{
    m_metafile.owner = this;
    EmfCanvas emf(m_device);
    m_drawing.replay(emf);
    m_metafile.bytes = emf.finish(m_frameWidth, m_frameHeight);
}

Picture *Picture::fromHandle(void *metafile)
{
    if (!metafile)
        return nullptr;
    return static_cast<EnhMetaFile *>(metafile)->owner;
}

StxResult Picture::get_Handle(void **metafile)
{
    if (!metafile)
        return STX_E_POINTER;
    *metafile = &m_metafile;
    return STX_S_OK;
}

StxResult Picture::get_Width(std::int32_t *v)
{
    if (!v)
        return STX_E_POINTER;
    *v = m_frameWidth;
    return STX_S_OK;
}

StxResult Picture::get_Height(std::int32_t *v)
{
    if (!v)
        return STX_E_POINTER;
    *v = m_frameHeight;
    return STX_S_OK;
}

StxResult Picture::GetEmfBytes(std::uint8_t *buffer, std::int32_t size, std::int32_t *length)
{
    const auto n = std::int32_t(m_metafile.bytes.size());
    if (length)
        *length = n;
    if (!buffer)
        return STX_S_OK;
    if (size < n)
        return STX_E_INVALIDARG;
    std::memcpy(buffer, m_metafile.bytes.data(), m_metafile.bytes.size());
    return STX_S_OK;
}

std::string Picture::svg() const
{
    SvgCanvas canvas(m_frameWidth, m_frameHeight, m_device.dpiX, m_device.dpiY);
    m_drawing.replay(canvas);
    return canvas.document();
}

std::vector<std::uint8_t> Picture::png(int dpi, double maxPixels) const
{
    if (m_pixelMode)
        dpi = m_device.dpiX;
    // An image of a symbol metres long, or drawn at a printer's resolution in its own
    // pixels, would exhaust memory: such images get fewer, larger pixels.
    const double pixels = double(m_frameWidth) * m_frameHeight * dpi * dpi / (2540.0 * 2540.0);
    const double shrink = pixels > maxPixels ? std::sqrt(maxPixels / pixels) : 1.0;
    const int w = int(double(m_frameWidth) * dpi / 2540 * shrink);
    const int h = int(double(m_frameHeight) * dpi / 2540 * shrink);
    RasterCanvas canvas(w, h, dpi * shrink, dpi * shrink, shrink);
    m_drawing.replay(canvas);
    return canvas.png();
}

StxResult Picture::SaveAsFile(const char *path)
{
    if (!path)
        return STX_E_POINTER;
    return guarded([&] {
        // Whole or not at all; a link, a device or a folder of that name is refused.
        const std::string p = path;
        if (!sorvik::isReplaceableFile(p))
            return STX_E_FAIL;
        bool written = false;
        if (endsWith(p, ".svg")) {
            written = sorvik::writeFileAtomically(p, svg());
        } else {
            const std::vector<std::uint8_t> bytes = endsWith(p, ".png") ? png(300) : m_metafile.bytes;
            written = sorvik::writeFileAtomically(p, {reinterpret_cast<const char *>(bytes.data()), bytes.size()});
        }
        return written ? STX_S_OK : STX_E_FAIL;
    });
}

}  // namespace strilux
