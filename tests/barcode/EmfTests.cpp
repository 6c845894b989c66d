#include "BarcodeControl.h"
#include "Picture.h"

#include <gtest/gtest.h>

#include <map>

using namespace strilux;

namespace {
std::uint32_t u32(const std::vector<std::uint8_t> &b, std::size_t at)
{
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (std::uint32_t(b[at + 3]) << 24);
}

std::int32_t i32(const std::vector<std::uint8_t> &b, std::size_t at)
{
    return static_cast<std::int32_t>(u32(b, at));
}

struct Record
{
    std::uint32_t type;
    std::size_t offset;
    std::uint32_t size;
};

std::vector<Record> records(const std::vector<std::uint8_t> &emf)
{
    std::vector<Record> out;
    for (std::size_t at = 0; at + 8 <= emf.size();) {
        const std::uint32_t size = u32(emf, at + 4);
        if (size < 8 || size % 4 != 0 || at + size > emf.size())
            break;
        out.push_back({u32(emf, at), at, size});
        at += size;
    }
    return out;
}

std::vector<std::uint8_t> metafileOf(BarcodeControl &c, const std::string &value)
{
    Picture *p = c.enhMetaFile(value);
    std::vector<std::uint8_t> bytes = p->emf();
    p->Release();
    return bytes;
}

std::string textOf(const std::vector<std::uint8_t> &emf, const Record &r)
{
    const std::uint32_t chars = u32(emf, r.offset + 44);
    const std::uint32_t offString = u32(emf, r.offset + 48);
    std::string s;
    for (std::uint32_t i = 0; i < chars; ++i)
        s += char(emf[r.offset + offString + 2 * i]);
    return s;
}
}  // namespace

TEST(StriluxEmf, IsAWellFormedMetafile)
{
    BarcodeControl c;
    c.putType(1);
    const auto emf = metafileOf(c, "490123456789");
    ASSERT_GE(emf.size(), 108u);
    EXPECT_EQ(u32(emf, 0), 1u);
    EXPECT_EQ(u32(emf, 40), 0x464D4520u);
    EXPECT_EQ(u32(emf, 48), emf.size());
    const auto rs = records(emf);
    EXPECT_EQ(u32(emf, 52), rs.size());
    ASSERT_FALSE(rs.empty());
    EXPECT_EQ(rs.back().type, 14u);
    EXPECT_EQ(rs.back().offset + rs.back().size, emf.size());
    // Frame in 0.01 mm, inclusive: 37.29 x 24.9 mm.
    EXPECT_EQ(i32(emf, 24), 0);
    EXPECT_EQ(i32(emf, 32), 3729 - 1);
    EXPECT_EQ(i32(emf, 36), 2490 - 1);
}

TEST(StriluxEmf, DrawsInHundredthsOfAMillimetreWithTheYAxisUp)
{
    BarcodeControl c;
    c.putType(1);
    const auto emf = metafileOf(c, "490123456789");
    std::map<std::uint32_t, int> count;
    std::vector<std::string> texts;
    std::vector<std::uint32_t> mapModes;
    for (const auto &r : records(emf)) {
        ++count[r.type];
        if (r.type == 17)
            mapModes.push_back(u32(emf, r.offset + 8));
        if (r.type == 76) {
            EXPECT_LE(i32(emf, r.offset + 28), 0);            // y up: every fill lies at or below zero
            EXPECT_EQ(u32(emf, r.offset + 40), 0x00F00021u);  // PATCOPY
        }
        if (r.type == 84)
            texts.push_back(textOf(emf, r));
    }
    // MM_HIMETRIC for the drawing, MM_TEXT restored after it.
    EXPECT_EQ(mapModes, (std::vector<std::uint32_t>{3, 1}));
    // Background, 30 bars.
    EXPECT_EQ(count[76], 1 + 30);
    EXPECT_EQ(count[39], 2);  // bar and back brush
    EXPECT_EQ(count[82], 1);
    EXPECT_EQ(count[40], 3);
    ASSERT_EQ(texts.size(), 13u);
    EXPECT_EQ(texts.front(), "4");
    EXPECT_EQ(texts.back(), "4");
}

TEST(StriluxEmf, DotUnitDrawsInPixels)
{
    BarcodeControl c;
    c.putType(1);
    c.putUnit(3);
    const auto emf = metafileOf(c, "490123456789");
    std::vector<std::uint32_t> mapModes;
    for (const auto &r : records(emf))
        if (r.type == 17)
            mapModes.push_back(u32(emf, r.offset + 8));
    EXPECT_EQ(mapModes, (std::vector<std::uint32_t>{1, 1}));  // MM_TEXT: device pixels
    // 113 pixels at 96 dpi measured with the screen's physical size.
    EXPECT_NEAR(i32(emf, 32) + 1, 113 * 2540 / 96, 5);  // whole screen millimetres per pixel
}

TEST(StriluxEmf, MetafileCallRecordsTheEncoderError)
{
    BarcodeControl c;
    c.putType(9);
    Picture *p = c.enhMetaFile("AB#");
    EXPECT_EQ(c.errorNumber(), 5024);
    EXPECT_EQ(c.properties().value, "AB#");
    p->Release();
    p = c.enhMetaFile("AB");
    EXPECT_EQ(c.errorNumber(), 0);
    p->Release();
}

TEST(StriluxEmf, PictureGivesItsBytesAndSize)
{
    BarcodeControl c;
    Picture *p = c.enhMetaFile("1234567");
    std::int32_t length = 0, width = 0;
    EXPECT_EQ(p->GetEmfBytes(nullptr, 0, &length), STX_S_OK);
    EXPECT_EQ(std::size_t(length), p->emf().size());
    std::vector<std::uint8_t> copy(static_cast<std::size_t>(length));
    EXPECT_EQ(p->GetEmfBytes(copy.data(), length, &length), STX_S_OK);
    EXPECT_EQ(copy, p->emf());
    EXPECT_EQ(p->GetEmfBytes(copy.data(), length - 1, &length), STX_E_INVALIDARG);
    p->get_Width(&width);
    EXPECT_EQ(width, 81 * 330 / 10);
    void *handle = nullptr;
    p->get_Handle(&handle);
    EXPECT_EQ(Picture::fromHandle(handle), p);
    p->Release();
}

TEST(StriluxPicture, SavesAsSvgAndPng)
{
    BarcodeControl c;
    c.putType(1);
    Picture *p = c.enhMetaFile("490123456789");
    const std::string svg = p->svg();
    const auto count = [&](const std::string &what) {
        std::size_t n = 0;
        for (auto at = svg.find(what); at != std::string::npos; at = svg.find(what, at + 1))
            ++n;
        return n;
    };
    EXPECT_NE(svg.find("width=\"37.29mm\" height=\"24.90mm\""), std::string::npos);
    EXPECT_EQ(count("<rect"), 1u + 30u);
    EXPECT_EQ(count("<text"), 13u);
    const auto png = p->png(254);
    ASSERT_GT(png.size(), 8u);
    EXPECT_EQ(png[1], 'P');
    // 10 pixels a millimetre: IHDR width and height.
    EXPECT_EQ((png[18] << 8) | png[19], 372);
    EXPECT_EQ((png[22] << 8) | png[23], 249);
    p->Release();
}
