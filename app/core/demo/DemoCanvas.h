#pragma once

#include <QByteArray>
#include <cstdint>
#include <vector>

// A small RGB picture for the demo site's photos and certificates, drawn from plain
// shapes and saved as JPEG (the image store keeps JPEG files), without any window library.
class DemoCanvas
{
public:
    struct Color
    {
        std::uint8_t r, g, b;
    };

    DemoCanvas(int width, int height, Color background);

    int width() const { return m_width; }
    int height() const { return m_height; }

    void fillRect(int left, int top, int width, int height, Color color);
    // The ellipse inside the rectangle.
    void fillEllipse(int left, int top, int width, int height, Color color);
    // From `from` at the top to `to` at the bottom.
    void verticalGradient(Color from, Color to);

    QByteArray toJpeg(int quality = 85) const;

private:
    void put(int x, int y, Color color);

    int m_width;
    int m_height;
    std::vector<std::uint8_t> m_pixels;
};
