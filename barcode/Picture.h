#pragma once

#include "EmfCanvas.h"
#include "RecordingCanvas.h"
#include "RefCounted.h"

#include <cstdint>
#include <string>
#include <vector>

namespace strilux {

// The metafile a picture owns; its address is the metafile handle callers see.
class Picture;
struct EnhMetaFile
{
    std::vector<std::uint8_t> bytes;
    Picture *owner = nullptr;
};

// An enhanced-metafile picture with the drawing it was made from, so that it can also be
// saved as SVG or PNG.
class Picture final : public ComObject<IStxPicture, &IID_IStxPicture>
{
public:
    // `frame` in 0.01 mm; `pixelMode` when the drawing is in pixels of `device`.
    Picture(RecordingCanvas drawing, int frameWidth, int frameHeight, ReferenceDevice device, bool pixelMode);

    StxResult get_Handle(void **metafile) override;
    StxResult get_Width(std::int32_t *v) override;
    StxResult get_Height(std::int32_t *v) override;
    StxResult GetEmfBytes(std::uint8_t *buffer, std::int32_t size, std::int32_t *length) override;
    StxResult SaveAsFile(const char *path) override;

    const std::vector<std::uint8_t> &emf() const { return m_metafile.bytes; }
    std::string svg() const;
    // Physical drawings are rasterised at `dpi`, pixel drawings keep their pixels; either
    // gets fewer, larger pixels where it would pass `maxPixels`.
    static constexpr double kMaxPixels = 16e6;
    std::vector<std::uint8_t> png(int dpi, double maxPixels = kMaxPixels) const;

    static Picture *fromHandle(void *metafile);

private:
    ~Picture() override = default;

    RecordingCanvas m_drawing;
    int m_frameWidth, m_frameHeight;
    ReferenceDevice m_device;
    bool m_pixelMode;
    EnhMetaFile m_metafile;
};

}  // namespace strilux
