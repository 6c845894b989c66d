#pragma once

#include "ByteWriter.h"
#include "Canvas.h"

#include <cstdint>
#include <vector>

namespace strilux {

// The device an enhanced metafile is made against: the screen or a printer.
struct ReferenceDevice
{
    int dpiX = 96;
    int dpiY = 96;
    int widthMM = 210;  // physical size of the device surface
    int heightMM = 297;
};

// Records drawing as enhanced metafile (EMF) records, as a Windows program plays them.
class EmfCanvas : public Canvas
{
public:
    explicit EmfCanvas(ReferenceDevice device);

    void setMapMode(MapMode mode) override;
    void fillRect(int left, int top, int right, int bottom, Rgb colour) override;
    void drawText(int x, int y, const std::string &utf8, const FontSpec &font, Rgb colour) override;

    // Closes the metafile: frame in 0.01 mm; returns the complete file.
    std::vector<std::uint8_t> finish(int frameWidth, int frameHeight);

private:
    void record(std::uint32_t type, const std::vector<std::uint32_t> &params);
    std::uint32_t brushFor(Rgb colour);
    std::uint32_t fontFor(const FontSpec &font);
    void select(std::uint32_t handle);

    ReferenceDevice m_device;
    ByteWriter m_records;
    std::uint32_t m_recordCount = 0;
    std::vector<Rgb> m_brushes;     // handle = index + 1
    std::vector<FontSpec> m_fonts;  // handle = brushes after them
    std::vector<std::uint32_t> m_fontHandles;
    std::uint32_t m_nextHandle = 1;
    std::uint32_t m_selectedBrush = 0;
    std::uint32_t m_selectedFont = 0;
    bool m_textColourSet = false;
    Rgb m_textColour;
};

}  // namespace strilux
