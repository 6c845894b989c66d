#include "strilux.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
struct Control
{
    STRILUX_HANDLE h = nullptr;
    Control() { StriluxCreate(0, &h); }
    ~Control() { StriluxRelease(h); }
};

std::string valueOf(STRILUX_HANDLE h)
{
    std::string s(std::size_t(StriluxGetValue(h, nullptr)) + 1, '\0');
    StriluxGetValue(h, s.data());
    s.resize(s.size() - 1);
    return s;
}
}  // namespace

TEST(StriluxFlatInterface, NullHandlesGiveZero)
{
    EXPECT_EQ(StriluxGetFlatHeight(nullptr), 0);
    EXPECT_EQ(StriluxPutType(nullptr, 1), 0);
    EXPECT_EQ(StriluxGetBarHeight(nullptr), 0.0);
    EXPECT_EQ(StriluxGetValue(nullptr, nullptr), 0);
    EXPECT_EQ(StriluxGetEnhMetaFile(nullptr, "1"), nullptr);
    EXPECT_EQ(StriluxRelease(nullptr), 0);
    EXPECT_EQ(StriluxGetPictureBits(nullptr, nullptr), 0);
    EXPECT_EQ(StriluxCheckVersion(), 1);
}

TEST(StriluxFlatInterface, TextsReportTheirLengthWithANullBuffer)
{
    Control c;
    EXPECT_EQ(StriluxGetValue(c.h, nullptr), 10);
    char buffer[11] = {};
    EXPECT_EQ(StriluxGetValue(c.h, buffer), 10);
    EXPECT_STREQ(buffer, "0123456789");
    EXPECT_EQ(StriluxGetErrorMessage(c.h, nullptr), 0);
}

TEST(StriluxFlatInterface, TextsAreShiftJis)
{
    Control c;
    StriluxPutType(c.h, 12);
    std::string message(std::size_t(StriluxGetErrorMessage(c.h, nullptr)) + 1, '\0');
    StriluxGetErrorMessage(c.h, message.data());
    // "Typeの設定に失敗しました。" in CP932.
    EXPECT_EQ(message.substr(0, 6), std::string("Type\x82\xCC"));
    // The half-width katakana byte 0xC1 is the customer barcode's CC1.
    StriluxPutType(c.h, 11);
    StriluxPutValue(c.h,
                    "1\xC1"
                    "0");
    EXPECT_EQ(valueOf(c.h),
              "1\xC1"
              "0");
    char check[4] = {};
    StriluxGetCheckDigitChar(c.h,
                             "1\xC1"
                             "0",
                             check);
    char letter[4] = {};
    StriluxGetCheckDigitChar(c.h, "1A", letter);
    EXPECT_STREQ(check, letter);
}

TEST(StriluxFlatInterface, PicturesAreGivenOrKeptInTheSlot)
{
    Control c;
    StriluxPutType(c.h, 1);
    STRILUX_PICTURE picture = nullptr;
    STRILUX_HENHMETAFILE metafile = StriluxGetEnhMetaFileI(c.h, "490123456789", &picture);
    ASSERT_NE(metafile, nullptr);
    const int length = StriluxGetPictureBits(picture, nullptr);
    std::vector<unsigned char> bytes(std::size_t(length), 0);
    EXPECT_EQ(StriluxGetPictureBits(picture, bytes.data()), length);
    EXPECT_EQ(bytes[40], 0x20);  // " EMF"
    EXPECT_EQ(valueOf(c.h), "490123456789");
    StriluxReleasePictureDisp(picture);

    EXPECT_NE(StriluxGetEnhMetaFile(c.h, "1"), nullptr);
    STRILUX_PICTURE slot = StriluxGetPictureDisp();
    ASSERT_NE(slot, nullptr);
    StriluxReleasePictureDisp(slot);
    EXPECT_EQ(StriluxGetPictureDisp(), nullptr);
}

TEST(StriluxFlatInterface, PutsAlwaysSucceedAndReportInTheErrorNumber)
{
    Control c;
    StriluxPutType(c.h, 1);
    EXPECT_EQ(StriluxPutZoom(c.h, 300), 1);
    EXPECT_EQ(StriluxGetZoom(c.h), 200);
    EXPECT_EQ(StriluxGetErrorNumber(c.h), 5021);
    EXPECT_EQ(StriluxPutBarWidth(c.h, 40.0), 1);
    EXPECT_EQ(StriluxPutValue(c.h, "1"), 1);
    EXPECT_EQ(StriluxGetBarWidth(c.h), 0.0);
    StriluxPutDpiX(c.h, 300);
    EXPECT_EQ(StriluxGetDpiX(c.h), 300);
    StriluxPutFont(c.h, "IPAGothic", 1, 0);
    EXPECT_EQ(StriluxSetOnErrorProc(c.h, nullptr, 5), 1);
    // The fitted zoom (107) stays when a new value resets BarWidth.
    EXPECT_DOUBLE_EQ(StriluxGetScaleWidth(c.h, 0), 39.889);
}
