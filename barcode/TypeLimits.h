#pragma once

#include "BarcodeTypes.h"

#include <cstdint>

namespace strilux {

// The values each type accepts for its value and its geometry; a limited value differs from
// the one asked.
namespace limits {

// The longest value a type encodes, in characters. Beyond it the value is cut there and
// error 5024 recorded (no printed symbol comes near these lengths; they keep every build
// small, whatever a caller passes):
//   JAN-8, JAN-13, UPC-A, UPC-E, ITF6, ITF14, ITF16, customer barcode: 64 (these still fit
//     shorter values to their own length as always, cutting without complaint)
//   ITF free, NW-7, Code 39: 128
//   Code 128: 256 (an escape such as "~FNC1" takes several characters)
int maxValueLength(BarcodeType type);

constexpr std::int64_t kMinimumElement = 191;
constexpr std::int64_t kMinimumQuiet = 2540;

// The ranges every control accepts, whatever the type. Lengths are at most 1 m and the
// narrow element at most 10 mm; with the longest values this keeps every symbol within
// 60 m, so that layouts in micrometres and in pixels at the highest resolution fit in
// an int. A wide-to-narrow ratio is at most 100 (the types that use it limit it further),
// a resolution from 96 to 9600 dpi.
constexpr std::int64_t kMaximumLength = 1'000'000;
constexpr std::int64_t kMaximumElement = 10'000;
constexpr double kMaximumBarRatio = 100.0;
constexpr int kMinimumDpi = 96;
constexpr int kMaximumDpi = 9600;

int zoom(BarcodeType type, int zoom);
int blackRatio(BarcodeType type, int ratio);
int barRatio(BarcodeType type, int ratio, std::int64_t narrowUm);
std::int64_t element(BarcodeType type, std::int64_t um);
bool quietAccepted(BarcodeType type, std::int64_t um);
bool barHeightAccepted(BarcodeType type, std::int64_t um);
// ccYes is forced for Code 128 and the customer barcode.
bool checkCharForced(BarcodeType type);

// In the dot unit the zoom is moved to one whose module is a whole number of pixels.
int zoomForDots(BarcodeType type, int zoom, int dpi);

// Module of JAN and UPC, narrow element of ITF, in µm.
std::int64_t zoomedModule(BarcodeType type, int zoom);

}  // namespace limits
}  // namespace strilux
