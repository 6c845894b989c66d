#include "Units.h"

#include <algorithm>
#include <cmath>

namespace strilux {

namespace {
double scaleOf(Unit unit, int dpi)
{
    switch (unit) {
    case Unit::MM:
        return 1000.0;
    case Unit::Inch:
        return 25400.0;
    case Unit::Point:
        return 25400.0 / 72.0;
    case Unit::Dot:
        return 25400.0 / dpi;
    }
    return 1000.0;
}

double roundThousandths(double v)
{
    return std::floor(v * 1000.0 + 0.5) / 1000.0;
}
}  // namespace

std::int64_t toMicrometres(double value, Unit unit, int dpi)
{
    if (unit == Unit::Dot)
        value = std::trunc(value);
    // Rounded to tenths first so that 0.508 mm (507.99999... in binary) is 508 µm.
    // No barcode is ten metres long; holding lengths there keeps the arithmetic sound.
    constexpr double kLimit = 1e7;
    const double tenths = std::floor(value * scaleOf(unit, dpi) * 10.0 + 0.5);
    const double um = std::floor(tenths / 10.0 + 0.5);
    return static_cast<std::int64_t>(std::isnan(um) ? 0.0 : std::clamp(um, -kLimit, kLimit));
}

double fromMicrometres(std::int64_t um, Unit unit, int dpi)
{
    switch (unit) {
    case Unit::MM:
        return roundThousandths(um / 1000.0);
    case Unit::Inch:
        return roundThousandths(um / 25400.0);
    case Unit::Point:
        return roundThousandths(um * 72.0 / 25400.0);
    case Unit::Dot:
        return double(((um * 100 / 254 * dpi + 5) / 10 + 100) / 1000);
    }
    return 0;
}

int umToPixels(std::int64_t um, int dpi)
{
    return static_cast<int>(std::trunc(double(um) * dpi / 25400.0 + 0.1));
}

std::int64_t pixelsToUm(std::int64_t pixels, int dpi)
{
    return static_cast<std::int64_t>(pixels * 25.4 / dpi * 1000.0);
}

SizeUm sizeInMeasure(SizeUm s, Measure measure, int dpiX, int dpiY)
{
    const auto both = [&](auto f) { return SizeUm{f(s.cx), f(s.cy)}; };
    switch (measure) {
    case Measure::Micrometres:
    case Measure::Millimetres1000:
        return s;
    case Measure::Pixels:
        return {umToPixels(s.cx, dpiX), umToPixels(s.cy, dpiY)};
    case Measure::HundredthMM:
        return both([](std::int64_t v) { return v / 10; });
    case Measure::Twips1000:
        return both([](std::int64_t v) { return v * 14400 / 254; });
    case Measure::Points1000:
        return both([](std::int64_t v) { return v * 720 / 254; });
    case Measure::Characters1000:
        return {s.cx * 14400 / 30480, s.cy * 14400 / 60960};
    case Measure::Inches1000:
        return both([](std::int64_t v) { return v * 10 / 254; });
    case Measure::Centimetres1000:
        return both([](std::int64_t v) { return v / 10; });
    case Measure::HundredthInch:
        return both([](std::int64_t v) { return v / 254; });
    case Measure::TenthMM:
        return both([](std::int64_t v) { return v / 100; });
    case Measure::Twips:
        return both([](std::int64_t v) { return v * 144 / 2540; });
    }
    return s;
}

}  // namespace strilux
