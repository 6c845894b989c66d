// Options and properties as a careless or hostile caller might set them: every one is
// checked, sizes stay sound, images stay small, and nothing escapes the C interface.
#include "BarcodePeers.h"
#include "RasterCanvas.h"
#include "strilux.h"
#include "strilux_com.h"

#include <gtest/gtest.h>

#include <QImage>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Control
{
    STRILUX_HANDLE h = nullptr;
    Control() { StriluxCreate(0, &h); }
    ~Control() { StriluxRelease(h); }
};

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct LengthProperty
{
    const char *name;
    int (*put)(STRILUX_HANDLE, double);
    double (*get)(STRILUX_HANDLE);
    int error;
};

// Letters and control characters in turn switch the code set at every character: the
// most symbols a Code 128 value can give.
std::string longestCode128Value()
{
    std::string value;
    while (value.size() < 256)
        value += "a\x01";
    return value;
}

// The longest symbol the limits allow, drawn in the dot unit at the finest resolution.
void makeLargest(STRILUX_HANDLE h)
{
    StriluxPutType(h, STRILUX_CODE128);
    StriluxPutUnit(h, STRILUX_DOT);
    StriluxPutDpiX(h, 2147483647);
    StriluxPutDpiY(h, 2147483647);
    StriluxPutRotate(h, 1);
    StriluxPutUnit(h, STRILUX_MM);
    StriluxPutElement(h, 10);
    StriluxPutQuiet(h, 1000);
    StriluxPutCharWidth(h, 1000);
    StriluxPutCharHeight(h, 1000);
    StriluxPutBarHeight(h, 1000);
    StriluxPutUnit(h, STRILUX_DOT);
    StriluxPutValue(h, longestCode128Value().c_str());
}

}  // namespace

TEST(StriluxHostileOptions, LengthsThatAreNoNumberOrLongerThanAMetreAreRefused)
{
    const LengthProperty lengths[] = {
        {"BarHeight", StriluxPutBarHeight, StriluxGetBarHeight, 5011},
        {"CharGap", StriluxPutCharGap, StriluxGetCharGap, 5014},
        {"CharHeight", StriluxPutCharHeight, StriluxGetCharHeight, 5015},
        {"CharWidth", StriluxPutCharWidth, StriluxGetCharWidth, 5016},
        {"Quiet", StriluxPutQuiet, StriluxGetQuiet, 5018},
        {"Element", StriluxPutElement, StriluxGetElement, 5017},
    };
    for (const auto &length : lengths) {
        Control c;
        StriluxPutType(c.h, STRILUX_CODE39);
        ASSERT_EQ(length.put(c.h, 3), 1);
        for (const double bad : {kNaN, kInf, -kInf, 1000.001, 1e300}) {
            StriluxPutType(c.h, STRILUX_CODE39);
            ASSERT_EQ(StriluxGetErrorNumber(c.h), 0);
            length.put(c.h, bad);
            EXPECT_EQ(StriluxGetErrorNumber(c.h), length.error) << length.name << " " << bad;
            const double expected = length.error == 5017 && std::isfinite(bad) ? 10.0 : 3.0;
            EXPECT_EQ(length.get(c.h), expected) << length.name << " " << bad;
        }
    }
    Control c;
    StriluxPutBarWidth(c.h, 30);
    for (const double bad : {kNaN, kInf, 1001.0})
        StriluxPutBarWidth(c.h, bad);
    EXPECT_EQ(StriluxGetBarWidth(c.h), 30.0);
}

TEST(StriluxHostileOptions, RatiosAndPointsMustBeNumbersInRange)
{
    Control c;
    StriluxPutType(c.h, STRILUX_CODE39);
    for (const double bad : {kNaN, kInf, -1.0, 100.5, 1e300}) {
        StriluxPutBarRatio(c.h, bad);
        EXPECT_EQ(StriluxGetErrorNumber(c.h), 5012) << bad;
        EXPECT_EQ(StriluxGetBarRatio(c.h), 2.5) << bad;
    }
    StriluxPutType(c.h, STRILUX_CUSTOM);
    StriluxPutPoint(c.h, 12);
    for (const double bad : {kNaN, -kInf}) {
        StriluxPutPoint(c.h, bad);
        EXPECT_EQ(StriluxGetErrorNumber(c.h), 5022) << bad;
        EXPECT_EQ(StriluxGetPoint(c.h), 12.0) << bad;
    }
    StriluxPutPoint(c.h, 1e300);
    EXPECT_EQ(StriluxGetErrorNumber(c.h), 5022);
    EXPECT_EQ(StriluxGetPoint(c.h), 20.0);
}

TEST(StriluxHostileOptions, ResolutionsAreHeldBetweenTheScreenAndTheFinestPrinter)
{
    Control c;
    for (const auto &[asked, held] : {std::pair{0, 96}, {-300, 96}, {600, 600}, {2147483647, 9600}}) {
        StriluxPutDpiX(c.h, asked);
        StriluxPutDpiY(c.h, asked);
        EXPECT_EQ(StriluxGetDpiX(c.h), held) << asked;
        EXPECT_EQ(StriluxGetDpiY(c.h), held) << asked;
    }
    // Through the component interface a real that is no number is refused.
    IStriluxCtrl *ctrl = reinterpret_cast<IStriluxCtrl *>(c.h);
    const StxVariant nan{STX_VT_R8, 0, kNaN, nullptr, nullptr};
    EXPECT_EQ(ctrl->put_DpiX(&nan), STX_E_INVALIDARG);
    const StxVariant huge{STX_VT_STRING, 0, 0.0, "1e400", nullptr};
    EXPECT_EQ(ctrl->put_DpiX(&huge), STX_E_INVALIDARG);
    EXPECT_EQ(StriluxGetDpiX(c.h), 9600);
}

TEST(StriluxHostileOptions, TheLargestSymbolHasSoundSizesAndASmallImage)
{
    Control c;
    makeLargest(c.h);
    EXPECT_EQ(StriluxGetErrorNumber(c.h), 0);
    // The start, 256 characters, 255 switches and the check, 11 modules each, the stop of
    // 13, 10 mm a module, and two quiet zones of 1 m: nearly 59 m, rotated into the height.
    EXPECT_NEAR(StriluxGetScaleHeight(c.h, STRILUX_MM), (11 * 513 + 13) * 10 + 2000, 20);
    EXPECT_NEAR(StriluxGetScaleWidth(c.h, STRILUX_MM), 2000, 1);  // bars and text, 1 m each
    EXPECT_GT(StriluxGetHeight(c.h), 1e7);                        // pixels at 9600 dpi
    StxSize size{};
    reinterpret_cast<IStriluxCtrl *>(c.h)->get_GetSize(1, &size);  // twips x 1000: beyond 32 bits
    EXPECT_EQ(size.cy, std::numeric_limits<std::int32_t>::max());

    STRILUX_PICTURE picture = nullptr;
    ASSERT_NE(StriluxGetEnhMetaFileI(c.h, longestCode128Value().c_str(), &picture), nullptr);
    const std::string dir = peers::scratchDir();
    for (const char *name : {"/largest.png", "/largest.svg", "/largest.emf"})
        EXPECT_EQ(StriluxSavePicture(picture, (dir + name).c_str()), 1) << name;
    StriluxReleasePictureDisp(picture);
    const QImage image(QString::fromStdString(dir + "/largest.png"));
    ASSERT_FALSE(image.isNull());
    EXPECT_LE(double(image.width()) * image.height(), 16e6);
    EXPECT_GT(image.height(), image.width());
}

TEST(StriluxHostileOptions, TextFarLargerThanTheImageIsClippedToIt)
{
    // A cell of a million pixels square over an image of 60 x 40: only the image is walked
    // (walking the whole cell would take hours).
    strilux::RasterCanvas canvas(60, 40, 96, 96);
    strilux::FontSpec font;
    font.width = 1000000;
    font.height = 1000000;
    for (int turn = 0; turn < 4; ++turn) {
        font.escapement = 900 * turn;
        canvas.drawText(-500000, -500000, "H", font, {0, 0, 0});
        canvas.drawText(30, 20, "HHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHH", font, {0, 0, 0});
    }
    int dark = 0;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            dark += canvas.pixel(x, y).r == 0;
    EXPECT_GT(dark, 0);
}

TEST(StriluxHostileOptions, RunningOutOfMemoryNeverEscapesTheCInterface)
{
    // In a child whose address space is nearly used up, converting a large value fails;
    // the call must return, not end the process.
    const std::string large(64 << 20, '7');
    Control c;
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::ifstream statm("/proc/self/statm");
        long pages = 0;
        statm >> pages;
        const rlim_t used = rlim_t(pages) * rlim_t(sysconf(_SC_PAGESIZE));
        const rlimit limit{used + (16 << 20), used + (16 << 20)};
        setrlimit(RLIMIT_AS, &limit);
        const int put = StriluxPutValue(c.h, large.c_str());
        const int checked = StriluxGetCheckDigitChar(c.h, large.c_str(), nullptr);
        _exit(put == 0 && checked == 0 ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status)) << "the child was ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
}
