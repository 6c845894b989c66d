#include "BarcodeTestSupport.h"

#include <QImage>
#include <QPainter>

using namespace strilux;

namespace testing_support {

EncodeOptions optionsFor(BarcodeType type, CheckCharMode check)
{
    EncodeOptions o;
    o.type = type;
    o.checkChar = check;
    return o;
}

std::string unitString(const Symbol &symbol)
{
    std::string s;
    for (const auto &e : symbol.elements) {
        const int n = e.width == ElementWidth::Modules ? e.modules : e.width == ElementWidth::Wide ? 2 : 1;
        s += std::string(n, e.bar ? '1' : '0');
    }
    return s;
}

int moduleCount(const Symbol &symbol)
{
    int n = 0;
    for (const auto &e : symbol.elements)
        n += e.modules;
    return n;
}

std::string labelText(const Symbol &symbol)
{
    std::string s;
    for (const auto &l : symbol.labels)
        s += l.text;
    for (const auto &c : symbol.line.cells)
        s += c;
    return s;
}

void writePng(const Symbol &symbol, const std::string &path, int unit)
{
    const auto widthOf = [unit](const Element &e) {
        switch (e.width) {
        case ElementWidth::Modules:
            return e.modules * unit;
        case ElementWidth::Wide:
            return unit * 5 / 2;
        default:
            return unit;
        }
    };
    const int quiet = 12 * unit;
    int width = 2 * quiet;
    for (const auto &e : symbol.elements)
        width += widthOf(e);
    const int height = 40 * unit;
    QImage image(width, height, QImage::Format_Grayscale8);
    image.fill(Qt::white);
    QPainter p(&image);
    int x = quiet;
    for (const auto &e : symbol.elements) {
        const int w = widthOf(e);
        if (e.bar)
            p.fillRect(x, 4 * unit, w, height - 8 * unit, Qt::black);
        x += w;
    }
    p.end();
    image.save(QString::fromStdString(path), "PNG");
}

}  // namespace testing_support
