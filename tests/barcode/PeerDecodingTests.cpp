#include "BarcodePeers.h"
#include "BarcodeTestSupport.h"

#include <gtest/gtest.h>

#include <random>

using namespace strilux;

namespace {

struct Case
{
    EncodeOptions options;
    std::string value;
    std::string expected;  // what a reader reports
};

std::string randomDigits(std::mt19937 &rng, int n)
{
    std::string s;
    for (int i = 0; i < n; ++i)
        s += char('0' + rng() % 10);
    return s;
}

std::string randomFrom(std::mt19937 &rng, std::string_view alphabet, int n)
{
    std::string s;
    for (int i = 0; i < n; ++i)
        s += alphabet[rng() % alphabet.size()];
    return s;
}

EncodeOptions options(BarcodeType t, CheckCharMode c = CheckCharMode::Yes)
{
    return testing_support::optionsFor(t, c);
}

// Encodes the cases of one reader format, decodes them in one ZXingReader run and checks
// every text; returns how many were checked.
int decodeAll(const std::vector<Case> &cases, const std::string &format)
{
    std::vector<std::string> files;
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Symbol s = encode(cases[i].value, cases[i].options);
        EXPECT_EQ(s.error, 0) << cases[i].value;
        files.push_back(peers::scratchDir() + "/" + format + "-" + std::to_string(i) + ".png");
        testing_support::writePng(s, files.back());
    }
    const auto texts = peers::zxingDecode(files, format);
    for (std::size_t i = 0; i < cases.size(); ++i)
        EXPECT_EQ(texts[i], cases[i].expected) << format << " value " << cases[i].value;
    return int(cases.size());
}

int total = 0;

class StriluxPeerDecoding : public ::testing::Test
{
protected:
    std::mt19937 rng{20240607};
    static void TearDownTestSuite() { std::printf("[ peers    ] %d symbols decoded by ZXingReader\n", total); }
};

}  // namespace

TEST_F(StriluxPeerDecoding, JanAndUpc)
{
    std::vector<Case> ean13, ean8, upca, upce;
    for (int i = 0; i < 25; ++i) {
        const Symbol s = encode(randomDigits(rng, 12), options(BarcodeType::JAN13));
        ean13.push_back({options(BarcodeType::JAN13), s.encoded.substr(0, 12), s.encoded});
        const std::string v8 = randomDigits(rng, 7);
        ean8.push_back({options(BarcodeType::JAN8), v8, encode(v8, options(BarcodeType::JAN8)).encoded});
        const std::string va = randomDigits(rng, 11);
        upca.push_back({options(BarcodeType::UPCA), va, encode(va, options(BarcodeType::UPCA)).encoded});
        const std::string ve = std::string(1, "01"[i % 2]) + randomDigits(rng, 6);
        upce.push_back({options(BarcodeType::UPCE), ve, encode(ve, options(BarcodeType::UPCE)).encoded});
    }
    // Given with their own check digit and encoded as they stand.
    ean13.push_back({options(BarcodeType::JAN13, CheckCharMode::No), "4901234567894", "4901234567894"});
    ean8.push_back({options(BarcodeType::JAN8, CheckCharMode::No), "49012347", "49012347"});
    upce.push_back({options(BarcodeType::UPCE, CheckCharMode::No), "01234565", "01234565"});
    total
        += decodeAll(ean13, "EAN-13") + decodeAll(ean8, "EAN-8") + decodeAll(upca, "UPC-A") + decodeAll(upce, "UPC-E");
}

TEST_F(StriluxPeerDecoding, Itf)
{
    std::vector<Case> cases;
    for (int i = 0; i < 10; ++i) {
        for (BarcodeType t : {BarcodeType::ITF6, BarcodeType::ITF14, BarcodeType::ITF16}) {
            const std::string v = randomDigits(rng, 20);
            cases.push_back({options(t), v, encode(v, options(t)).encoded});
        }
        const std::string free = randomDigits(rng, 5 + int(rng() % 12));
        const auto check = i % 2 ? CheckCharMode::Yes : CheckCharMode::No;
        cases.push_back(
            {options(BarcodeType::ITF, check), free, encode(free, options(BarcodeType::ITF, check)).encoded});
    }
    total += decodeAll(cases, "ITF");
}

TEST_F(StriluxPeerDecoding, Nw7)
{
    std::vector<Case> cases;
    const std::string startStop = "abcdABCD";
    for (int i = 0; i < 30; ++i) {
        EncodeOptions o = options(BarcodeType::NW7, i % 5 == 4 ? CheckCharMode::No : CheckCharMode::Yes);
        o.checkPattern = CheckPattern(i % kCheckPatternCount);
        o.startChar = std::string(1, startStop[rng() % startStop.size()]);
        o.stopChar = std::string(1, startStop[rng() % startStop.size()]);
        const std::string v = randomFrom(rng, "0123456789-$:/.+", 3 + int(rng() % 12));
        const Symbol s = encode(v, o);
        // The reader checks the start and stop patterns but reports only the characters between.
        cases.push_back({o, v, s.encoded});
    }
    total += decodeAll(cases, "Codabar");
}

TEST_F(StriluxPeerDecoding, Code39)
{
    std::vector<Case> cases;
    for (int i = 0; i < 30; ++i) {
        const auto check = i % 3 == 2 ? CheckCharMode::No : CheckCharMode::Yes;
        const std::string v = randomFrom(rng, "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%", 2 + int(rng() % 14));
        cases.push_back(
            {options(BarcodeType::Code39, check), v, encode(v, options(BarcodeType::Code39, check)).encoded});
    }
    cases.push_back({options(BarcodeType::Code39, CheckCharMode::No), "$005-012%", "$005-012%"});
    cases.push_back({options(BarcodeType::Code39), "code39", "CODE39W"});
    total += decodeAll(cases, "Code39");
}

TEST_F(StriluxPeerDecoding, Code128)
{
    std::vector<Case> cases;
    const auto add = [&](std::string value, std::string expected, CodeSet set = CodeSet::NotSet) {
        EncodeOptions o = options(BarcodeType::Code128);
        o.codeSet = set;
        cases.push_back({o, std::move(value), std::move(expected)});
    };
    for (int i = 0; i < 12; ++i) {
        const std::string digits = randomDigits(rng, 2 + int(rng() % 15));
        add(digits, digits, i % 2 ? CodeSet::C : CodeSet::NotSet);
        const std::string text
            = randomFrom(rng, "abcdefghijklmnopqrstuvwxyz0123456789ABC!#&()*+,./:;<=>?@[]^_{|}", 3 + int(rng() % 12));
        add(text, text, CodeSet::B);
        const std::string upper = randomFrom(rng, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 %-.", 3 + int(rng() % 12));
        add(upper, upper, i % 2 ? CodeSet::A : CodeSet::NotSet);
        const std::string mixed = randomDigits(rng, 4) + randomFrom(rng, "abcXYZ", 2) + randomDigits(rng, 6) + "R";
        add(mixed, mixed);
    }
    add("1234AB", "1234AB");
    add("AB1234", "AB1234");
    add("R1", "R1");
    add("S1", "S1");
    add("ABC", "ABC", CodeSet::A);
    add("a~~b", "a~b");
    add("~CODEC1234", "1234");
    add("AB~CODEC1234~CODEBcd", "AB1234cd");
    add("AB~HTCD", "AB<HT>CD");
    add("x~CRy", "x<CR>y");
    total += decodeAll(cases, "Code128");
}
