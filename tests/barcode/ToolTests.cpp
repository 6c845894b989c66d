#include "BarcodePeers.h"

#include <gtest/gtest.h>

#include <QImage>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/stat.h>

namespace {

struct Sample
{
    const char *name;
    std::vector<std::string> args;
    const char *format;
    const char *expected;
};

// One symbol of every type a reader can decode.
const std::vector<Sample> &samples()
{
    static const std::vector<Sample> list = {
        {"jan13", {"--type", "1", "--value", "490123456789"}, "EAN-13", "4901234567894"},
        {"jan8", {"--type", "0", "--value", "4901234"}, "EAN-8", "49012347"},
        {"upca", {"--type", "2", "--value", "03600029145"}, "UPC-A", "036000291452"},
        {"upce", {"--type", "3", "--value", "0123456"}, "UPC-E", "01234565"},
        {"itf14", {"--type", "5", "--value", "1234567890123"}, "ITF", "12345678901231"},
        {"itf", {"--type", "7", "--value", "12345", "--bearer", "1"}, "ITF", "123457"},
        {"nw7", {"--type", "8", "--value", "12-34", "--start-char", "b", "--stop-char", "c"}, "Codabar", "12-349"},
        {"code39", {"--type", "9", "--value", "$005-012%", "--check-char", "1"}, "Code39", "$005-012%"},
        {"code128", {"--type", "10", "--value", "1234AB~~x"}, "Code128", "1234AB~x"},
        {"code128-dots", {"--type", "10", "--value", "Dots-128", "--unit", "3", "--dpi", "300"}, "Code128", "Dots-128"},
    };
    return list;
}

std::string tool()
{
    return peers::binaryDir() + "/bin/strilux";
}

int runTool(const std::vector<std::string> &args, std::string *errors = nullptr)
{
    std::string command = tool();
    for (const auto &a : args)
        command += " '" + a + "'";
    const std::string errorFile = peers::scratchDir() + "/tool-errors.txt";
    const int status = std::system((command + " 2>'" + errorFile + "'").c_str());
    if (errors) {
        std::ifstream in(errorFile);
        errors->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return status;
}

std::string contentOf(const std::filesystem::path &file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> withOutput(std::vector<std::string> args, const std::string &out, int rotate)
{
    args.insert(args.end(), {"--rotate", std::to_string(rotate), "--out", out});
    return args;
}

// Millimetres between the first and the last dark pixel of the middle row of an image
// rendered at `dpi`.
double darkSpanMM(const std::string &png, int dpi)
{
    const QImage image(QString::fromStdString(png));
    int first = -1, last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) {
                first = first < 0 ? x : std::min(first, x);
                last = std::max(last, x);
            }
    return first < 0 ? 0 : (last - first + 1) * 25.4 / dpi;
}

}  // namespace

TEST(StriluxTool, WritesPngsThatDecode)
{
    const std::string dir = peers::scratchDir();
    int checked = 0;
    for (int rotate : {0, 1}) {
        for (const auto &s : samples()) {
            const std::string out = dir + "/tool-" + s.name + "-" + std::to_string(rotate) + ".png";
            ASSERT_EQ(runTool(withOutput(s.args, out, rotate)), 0) << s.name;
            EXPECT_EQ(peers::zxingDecode({out}, s.format, false).front(), s.expected)
                << s.name << " rotated " << rotate;
            ++checked;
        }
    }
    std::printf("[ peers    ] %d PNG files of strilux decoded by ZXingReader\n", checked);
}

TEST(StriluxTool, FitsTheWorkerCardToItsWidth)
{
    const std::string out = peers::scratchDir() + "/card.png";
    ASSERT_EQ(runTool({"--type", "9", "--value", "$005-012%", "--check-char", "1", "--bar-height", "14",
                       "--char-height", "4", "--bar-width", "34", "--out", out}),
              0);
    const QImage image(QString::fromStdString(out));
    EXPECT_NEAR(image.width() * 25.4 / 300, 34.0, 0.2);
    EXPECT_NEAR(image.height() * 25.4 / 300, 18.0, 0.2);
}

TEST(StriluxTool, RefusesBadInputWithoutWriting)
{
    const std::string out = peers::scratchDir() + "/refused.emf";
    std::filesystem::remove(out);
    EXPECT_NE(runTool({"--type", "1", "--value", "12AB", "--out", out}), 0);
    EXPECT_FALSE(std::filesystem::exists(out));
    EXPECT_NE(runTool({"--type", "x", "--out", out}), 0);
    EXPECT_NE(runTool({"--type", "1"}), 0);
    EXPECT_NE(runTool({"--type", "1", "--out", "/nonexistent-dir/x.emf"}), 0);
    // Numbers that are none, resolutions no device has, integers that are not whole.
    for (const auto &[option, value] : std::vector<std::pair<std::string, std::string>>{{"--element", "inf"},
                                                                                        {"--element", "nan"},
                                                                                        {"--bar-height", "-inf"},
                                                                                        {"--dpi", "0"},
                                                                                        {"--dpi", "-5"},
                                                                                        {"--dpi", "100000"},
                                                                                        {"--dpi", "2147483647"},
                                                                                        {"--zoom", "1e10"},
                                                                                        {"--rotate", "1.5"}}) {
        std::string errors;
        EXPECT_NE(runTool({"--type", "10", "--unit", "3", option, value, "--out", out}, &errors), 0) << option << value;
        EXPECT_NE(errors.find(option), std::string::npos) << errors;
        EXPECT_FALSE(std::filesystem::exists(out)) << option << value;
    }
}

TEST(StriluxTool, NeverWritesThroughALinkOrIntoADevice)
{
    namespace fs = std::filesystem;
    const fs::path dir = fs::path(peers::scratchDir()) / "links";
    fs::remove_all(dir);
    fs::create_directories(dir);
    {
        std::ofstream(dir / "victim.txt") << "precious";
    }
    const std::vector<std::string> code39 = {"--type", "9", "--value", "ABC"};
    auto withOut = [&](const fs::path &out) {
        auto args = code39;
        args.insert(args.end(), {"--out", out.string()});
        return args;
    };

    // A link planted where a fixed temporary name would be: not followed, the save succeeds.
    fs::create_symlink(dir / "victim.txt", dir / "card.svg.part");
    ASSERT_EQ(runTool(withOut(dir / "card.svg")), 0);
    EXPECT_EQ(contentOf(dir / "victim.txt"), "precious");
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(dir / "card.svg")));
    EXPECT_NE(contentOf(dir / "card.svg").find("<svg"), std::string::npos);

    // The output itself a link, a pipe or a device: refused with a message.
    fs::create_symlink(dir / "victim.txt", dir / "link.png");
    ASSERT_EQ(::mkfifo((dir / "pipe.emf").c_str(), 0600), 0);
    for (const fs::path &out : {dir / "link.png", dir / "pipe.emf", fs::path("/dev/full")}) {
        std::string errors;
        EXPECT_NE(runTool(withOut(out), &errors), 0) << out;
        EXPECT_NE(errors.find(out.string()), std::string::npos) << errors;
    }
    EXPECT_TRUE(fs::is_symlink(dir / "link.png"));
    EXPECT_TRUE(fs::is_fifo(dir / "pipe.emf"));
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
    EXPECT_EQ(contentOf(dir / "victim.txt"), "precious");
}

TEST(StriluxTool, WritesEmfThatLibreOfficeRendersAndZxingDecodes)
{
    if (std::system("command -v soffice >/dev/null 2>&1 && command -v pdftoppm >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "LibreOffice (soffice) is not installed";
    const std::filesystem::path dir = std::filesystem::path(peers::scratchDir()) / "libreoffice";
    std::filesystem::create_directories(dir);
    std::string files;
    for (int rotate : {0, 1})
        for (const auto &s : samples()) {
            const std::string emf = (dir / (std::string(s.name) + "-" + std::to_string(rotate) + ".emf")).string();
            ASSERT_EQ(runTool(withOutput(s.args, emf, rotate)), 0) << s.name;
            files += " '" + emf + "'";
        }
    const std::string card = (dir / "card.emf").string();
    ASSERT_EQ(runTool({"--type", "9", "--value", "$005-012%", "--check-char", "1", "--bar-height", "14",
                       "--char-height", "4", "--bar-width", "34", "--out", card}),
              0);
    files += " '" + card + "'";
    // Its own profile, so that a running office of the user is not disturbed.
    const std::string convert = "cd '" + dir.string() + "' && soffice -env:UserInstallation=file://" + dir.string()
        + "/profile --headless --convert-to pdf" + files + " >/dev/null 2>&1";
    ASSERT_EQ(std::system(convert.c_str()), 0);
    int checked = 0;
    for (int rotate : {0, 1})
        for (const auto &s : samples()) {
            const std::string base = (dir / (std::string(s.name) + "-" + std::to_string(rotate))).string();
            ASSERT_EQ(std::system(("pdftoppm -r 300 -png -singlefile '" + base + ".pdf' '" + base + "'").c_str()), 0);
            EXPECT_EQ(peers::zxingDecode({base + ".png"}, s.format, false).front(), s.expected)
                << s.name << " rotated " << rotate;
            ++checked;
        }
    const std::string cardBase = (dir / "card").string();
    ASSERT_EQ(std::system(("pdftoppm -r 254 -png -singlefile '" + cardBase + ".pdf' '" + cardBase + "'").c_str()), 0);
    // 34 mm less the two quiet zones of 2.54 mm.
    EXPECT_NEAR(darkSpanMM(cardBase + ".png", 254), 34.0 - 5.08, 0.3);
    std::printf("[ peers    ] %d EMF files rendered by LibreOffice decoded by ZXingReader\n", checked);
}

TEST(StriluxLibrary, ExportsOnlyItsCFunctions)
{
    if (std::system("command -v nm >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "nm is not installed";
    const std::string list = peers::scratchDir() + "/exports.txt";
    const std::string command
        = "nm -D --defined-only '" + peers::binaryDir() + "/lib/libstrilux.so' | awk '{print $3}' >'" + list + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::ifstream in(list);
    int count = 0;
    for (std::string name; std::getline(in, name); ++count)
        EXPECT_TRUE(name.starts_with("Strilux") || name.starts_with("Dll") || name.starts_with("Stx")) << name;
    EXPECT_GT(count, 80);
}
