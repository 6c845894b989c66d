#pragma once

#include "ControlProperties.h"
#include "Layout.h"
#include "Symbol.h"
#include "Units.h"

#include <cstdint>
#include <string>
#include <vector>

namespace strilux {

class Picture;

enum class LengthProperty { BarHeight, CharGap, CharHeight, CharWidth, Quiet, Element, BarWidth };

// The barcode control's behaviour: property rules with their error numbers, symbol builds,
// sizes, metafiles and persistence. The component and flat interfaces wrap it.
class BarcodeControl
{
public:
    const ControlProperties &properties() const { return m_p; }
    int errorNumber() const { return m_error; }
    bool isDirty() const { return m_dirty; }

    void putType(int type);
    void putValue(const std::string &value);
    void putCheckChar(int mode);
    void putCheckPattern(int pattern);
    void putCodeSet(int set);
    void putStartChar(const std::string &text);
    void putStopChar(const std::string &text);
    void putRotate(int rotate);
    void putMessage(int message);
    void putBearer(int bearer);
    void putDCMode(int mode);
    void putUnit(int unit);
    void putLength(LengthProperty which, double value);
    void putBarRatio(double ratio);
    void putBlackRatio(int ratio);
    void putZoom(int zoom);
    void putPoint(double point);
    void putDpi(bool horizontal, int dpi);
    void putScaleMode(int mode);
    void putPrinterDC(std::intptr_t dc) { m_p.printerDC = dc; }
    void putBarColor(std::uint32_t colour);
    void putBackColor(std::uint32_t colour);
    void putFlatHeight(int height);
    void putFont(const std::string &face, bool bold, bool italic);
    void putObjectMode(int mode);
    void putParent(std::intptr_t window) { m_p.parent = window; }
    void setOnErrorProc(std::intptr_t procedure, std::intptr_t parameter);

    double length(LengthProperty which) const;
    double barRatio() const { return m_p.barRatio / 100.0; }
    double point() const { return m_p.zoom / 10.0; }

    std::string checkCharOf(const std::string &value);
    Symbol build() const;
    Layout layout() const;
    SizeUm sizeUm() const;  // rotated
    SizeUm size(int measure) const;
    double scaleWidth(int unit) const;
    double scaleHeight(int unit) const;
    double width() const;
    double height() const;
    // The control's own extent in 0.01 mm (ObjectMode).
    SizeUm extent() const;

    // A new picture of the value with one reference for the caller.
    Picture *enhMetaFile(const std::string &value);

    std::vector<std::uint8_t> save() const;
    bool load(const std::uint8_t *data, std::size_t size);

private:
    void begin() { m_error = 0; }
    void fail(int code) { m_error = code; }
    void changed() { m_dirty = true; }
    void resetBarWidth() { m_p.barWidth = 0; }
    void reapplyZoom();
    int zoomFor(int zoom) const;
    std::int64_t toUm(double value) const;
    void fitBarWidth();

    ControlProperties m_p;
    int m_error = 0;
    bool m_dirty = false;
};

}  // namespace strilux
