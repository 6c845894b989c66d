// strilux: writes a barcode as EMF, SVG or PNG through the flat interface of libstrilux.
#include "StriluxOptions.h"

#include "AtomicFile.h"
#include "Cp932.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

namespace {

std::string errorText(STRILUX_HANDLE h)
{
    std::string ansi(std::size_t(StriluxGetErrorMessage(h, nullptr)) + 1, '\0');
    StriluxGetErrorMessage(h, ansi.data());
    ansi.resize(ansi.size() - 1);
    return sorvik::cp932::toUtf8(ansi);
}

bool parseNumber(const std::string &text, double &value)
{
    char *end = nullptr;
    errno = 0;
    value = text.rfind("0x", 0) == 0 ? double(std::strtol(text.c_str(), &end, 16)) : std::strtod(text.c_str(), &end);
    return errno == 0 && end && *end == '\0' && !text.empty() && std::isfinite(value);
}

// What an option's number must be, or an empty text when it is fine.
std::string numberProblem(const Option &option, double number)
{
    if (std::string(option.name) == "dpi" && (number < 96 || number > 9600 || number != std::trunc(number)))
        return "a whole number from 96 to 9600";
    if (option.kind == Option::Integer
        && (number != std::trunc(number) || number < double(INT_MIN) || number > double(INT_MAX)))
        return "a whole number";
    return {};
}

int fail(const std::string &message)
{
    std::fprintf(stderr, "strilux: %s\n", message.c_str());
    return 2;
}

}  // namespace

int main(int argc, char **argv)
{
    std::map<std::string, std::string> given;
    std::string out;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(usage().c_str(), stdout);
            return 0;
        }
        if (arg.rfind("--", 0) != 0)
            return fail("unexpected argument \"" + arg + "\"\n" + usage());
        const std::string name = arg.substr(2);
        if (name == "out") {
            if (++i >= argc)
                return fail("--out needs a file name");
            out = argv[i];
            continue;
        }
        const Option *option = findOption(name);
        if (!option)
            return fail("unknown option --" + name + "\n" + usage());
        if (option->kind == Option::Flag) {
            given[name] = "1";
        } else {
            if (++i >= argc)
                return fail("--" + name + " needs a value");
            given[name] = argv[i];
        }
    }
    if (out.empty())
        return fail("no output file; give --out FILE.emf, .svg or .png\n" + usage());

    STRILUX_HANDLE h = nullptr;
    if (!StriluxCreate(0, &h))
        return fail("the barcode control could not be created");
    int status = 0;
    int lastError = 0;
    for (const auto &option : options()) {
        const auto it = given.find(option.name);
        if (it == given.end() || option.kind == Option::Flag
            || !(option.putInteger || option.putReal || option.putText))
            continue;
        const std::string &text = it->second;
        double number = 0;
        if (option.kind != Option::Text && !parseNumber(text, number)) {
            status = fail("--" + std::string(option.name) + " needs a number, not \"" + text + "\"");
            break;
        }
        if (const std::string problem = numberProblem(option, number); !problem.empty()) {
            status = fail("--" + std::string(option.name) + " needs " + problem + ", not \"" + text + "\"");
            break;
        }
        if (option.putInteger)
            option.putInteger(h, int(number));
        else if (option.putReal)
            option.putReal(h, number);
        else if (option.putText)
            option.putText(h, sorvik::cp932::fromUtf8(text).c_str());
        if (std::string(option.name) == "dpi")
            StriluxPutDpiY(h, int(number));
        // Some puts leave an earlier error standing; only a new one belongs to this option.
        const int error = StriluxGetErrorNumber(h);
        if (error != 0 && error != lastError)
            std::fprintf(stderr, "strilux: --%s %s: %s (%d)\n", option.name, text.c_str(), errorText(h).c_str(), error);
        lastError = error;
    }
    if (status == 0 && (given.count("font") || given.count("bold"))) {
        const std::string face = given.count("font") ? given["font"] : "ＭＳ ゴシック";
        StriluxPutFont(h, sorvik::cp932::fromUtf8(face).c_str(), given.count("bold") ? 1 : 0, 0);
    }
    if (status == 0) {
        std::string value(std::size_t(StriluxGetValue(h, nullptr)) + 1, '\0');
        StriluxGetValue(h, value.data());
        STRILUX_PICTURE picture = nullptr;
        StriluxGetEnhMetaFileI(h, value.c_str(), &picture);
        if (StriluxGetErrorNumber(h) != 0) {
            status = fail("the value cannot be encoded: " + errorText(h) + " ("
                          + std::to_string(StriluxGetErrorNumber(h)) + "); no file written");
        } else if (std::string refused; !sorvik::isReplaceableFile(out, &refused)) {
            status = fail(refused);
        } else if (errno = 0; !StriluxSavePicture(picture, out.c_str())) {
            status = fail("cannot write " + out + (errno ? std::string(": ") + std::strerror(errno) : std::string()));
        }
        StriluxReleasePictureDisp(picture);
    }
    StriluxRelease(h);
    return status;
}
