#include "SvgCanvas.h"

#include "ByteWriter.h"

#include <algorithm>
#include <cstdio>

namespace strilux {

namespace {
std::string hex(Rgb c)
{
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", c.r, c.g, c.b);
    return buf;
}

std::string num(double v)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", v);
    return buf;
}

std::string escaped(const std::string &s)
{
    std::string out;
    for (char c : s) {
        switch (c) {
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '&':
            out += "&amp;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}
}  // namespace

SvgCanvas::SvgCanvas(int frameWidth, int frameHeight, int dpiX, int dpiY)
    : m_frameWidth(frameWidth)
    , m_frameHeight(frameHeight)
    , m_dpiX(dpiX)
    , m_dpiY(dpiY)
{
}

double SvgCanvas::scaleX() const
{
    return m_mode == MapMode::Pixels ? 2540.0 / m_dpiX : 1.0;
}

double SvgCanvas::toX(int logical) const
{
    return logical * scaleX();
}

double SvgCanvas::toY(int logical) const
{
    return m_mode == MapMode::Pixels ? logical * 2540.0 / m_dpiY : -logical;
}

void SvgCanvas::fillRect(int left, int top, int right, int bottom, Rgb colour)
{
    const double x0 = toX(left), x1 = toX(right), y0 = toY(top), y1 = toY(bottom);
    m_body += "<rect x=\"" + num(std::min(x0, x1)) + "\" y=\"" + num(std::min(y0, y1)) + "\" width=\""
        + num(std::abs(x1 - x0)) + "\" height=\"" + num(std::abs(y1 - y0)) + "\" fill=\"" + hex(colour) + "\"/>\n";
}

void SvgCanvas::drawText(int x, int y, const std::string &utf8, const FontSpec &font, Rgb colour)
{
    // (x, y) is the top of the character cell; SVG places text on its baseline, and its
    // font size is the em height, about 0.85 of the cell.
    const double px = toX(x), py = toY(y);
    const double height = std::abs(toY(font.height) - toY(0));
    const double width = std::abs(toX(font.width) - toX(0));
    const int chars = int(utf8ToUtf16(utf8).size());
    m_body += "<text x=\"" + num(px) + "\" y=\"" + num(py + height * 0.85) + "\" font-family=\"" + escaped(font.face)
        + "\" font-size=\"" + num(height * 0.85) + "\" font-weight=\"" + std::to_string(font.weight) + "\""
        + (font.italic ? " font-style=\"italic\"" : "") + " textLength=\"" + num(width * chars)
        + "\" lengthAdjust=\"spacingAndGlyphs\" fill=\"" + hex(colour) + "\"";
    if (font.escapement != 0)
        m_body += " transform=\"rotate(" + num(-font.escapement / 10.0) + " " + num(px) + " " + num(py) + ")\"";
    m_body += ">" + escaped(utf8) + "</text>\n";
}

std::string SvgCanvas::document() const
{
    const std::string w = std::to_string(m_frameWidth), h = std::to_string(m_frameHeight);
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\""
        + num(m_frameWidth / 100.0) + "mm\" height=\"" + num(m_frameHeight / 100.0) + "mm\" viewBox=\"0 0 " + w + " "
        + h + "\">\n" + m_body + "</svg>\n";
}

}  // namespace strilux
