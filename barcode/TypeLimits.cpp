#include "TypeLimits.h"

#include "Units.h"

#include <algorithm>
#include <cmath>

namespace strilux::limits {

namespace {
constexpr int kJanModuleBase = 330;
constexpr int kItfNarrowBase = 1016;

int baseOf(BarcodeType type)
{
    return isItf(type) ? kItfNarrowBase : kJanModuleBase;
}

int zoomForPixels(int pixels, int dpi, int base)
{
    return int(std::ceil(pixels * 25400.0 / dpi * 100.0 / base));
}

int customerZoomForDots(int zoom, int dpi)
{
    // The long bar is six bar widths, so its height is a whole multiple of 6 pixels,
    // between 8 and 20 points.
    const std::int64_t heightUm = std::int64_t(zoom / 10) * 1000 * 254 / 720;
    int pixels = std::max(6, (umToPixels(heightUm, dpi) + 5) / 6 * 6);
    const auto points = [&](int px) { return px * 72.0 / dpi; };
    while (points(pixels) < 8.0)
        pixels += 6;
    while (points(pixels) > 20.0 && pixels > 6)
        pixels -= 6;
    return std::clamp(int(std::ceil(points(pixels) * 10.0)), 80, 200);
}
}  // namespace

int maxValueLength(BarcodeType type)
{
    switch (type) {
    case BarcodeType::Code128:
        return 256;
    case BarcodeType::ITF:
    case BarcodeType::NW7:
    case BarcodeType::Code39:
        return 128;
    default:
        return 64;
    }
}

int zoom(BarcodeType type, int z)
{
    if (isJanOrUpc(type))
        return std::clamp(z, 80, 200);
    if (isItf(type))
        return std::clamp(z, 25, 120);
    if (type == BarcodeType::Custom)
        return std::clamp(z, 80, 200);
    return 100;
}

int blackRatio(BarcodeType type, int ratio)
{
    return isElementSized(type) ? 100 : std::clamp(ratio, 50, 150);
}

int barRatio(BarcodeType type, int ratio, std::int64_t narrowUm)
{
    if (type != BarcodeType::NW7 && type != BarcodeType::Code39)
        return ratio;
    ratio = std::clamp(ratio, 200, 300);
    return narrowUm < 508 ? std::max(ratio, 220) : ratio;
}

std::int64_t element(BarcodeType type, std::int64_t um)
{
    return isElementSized(type) && um <= 0 ? kMinimumElement : std::min(um, kMaximumElement);
}

bool quietAccepted(BarcodeType type, std::int64_t um)
{
    return !isElementSized(type) || um == 0 || um >= kMinimumQuiet;
}

bool barHeightAccepted(BarcodeType type, std::int64_t um)
{
    return type != BarcodeType::Custom || um == 0;
}

bool checkCharForced(BarcodeType type)
{
    return type == BarcodeType::Code128 || type == BarcodeType::Custom;
}

std::int64_t zoomedModule(BarcodeType type, int z)
{
    return std::int64_t(z) * baseOf(type) / 100;
}

int zoomForDots(BarcodeType type, int z, int dpi)
{
    // Far beyond every type's range, but small enough for the pixel arithmetic below.
    z = std::clamp(z, 0, 10000);
    if (type == BarcodeType::Custom)
        return customerZoomForDots(z, dpi);
    if (!isJanOrUpc(type) && !isItf(type))
        return zoom(type, z);
    const int base = baseOf(type);
    const int minimum = isItf(type) ? 25 : 80;
    int pixels = std::max(1, umToPixels(zoomedModule(type, z), dpi));
    if (isItf(type) && pixels % 2 != 0)
        pixels += z < 70 ? 1 : -1;
    int adjusted = zoomForPixels(pixels, dpi, base);
    while (adjusted < minimum)
        adjusted = zoomForPixels(++pixels, dpi, base);
    return zoom(type, adjusted);
}

}  // namespace strilux::limits
