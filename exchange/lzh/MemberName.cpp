#include "MemberName.h"

#include "Cp932.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace sorvik::lzh::member_name {

namespace {

bool isValidUtf8(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        const int follow = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
        if (follow < 0 || (follow > 0 && c < 0xC2) || i + follow >= text.size())
            return false;
        for (int k = 1; k <= follow; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        i += static_cast<std::size_t>(follow) + 1;
    }
    return true;
}

}  // namespace

std::string text(std::string_view bytes)
{
    if (auto utf8 = cp932::toUtf8Exact(bytes))
        return *utf8;
    if (isValidUtf8(bytes))
        return std::string(bytes);
    static constexpr std::string_view kReplacement = "\xEF\xBF\xBD";
    std::string lossy = cp932::toUtf8(bytes);
    for (std::size_t at = lossy.find(kReplacement); at != std::string::npos; at = lossy.find(kReplacement, at + 1))
        lossy.replace(at, kReplacement.size(), "_");
    return lossy;
}

std::string local(std::string_view stored)
{
    stored = stored.substr(stored.find_last_of('\xFF') + 1);
    const std::string whole = text(stored);
    return whole.substr(whole.find_last_of("/\\:") + 1);
}

bool isReserved(std::string_view local)
{
    if (local.empty() || local == "." || local == "..")
        return true;
    if (std::any_of(local.begin(), local.end(), [](char c) {
            return static_cast<unsigned char>(c) < 0x20 || c == 0x7F || c == '/' || c == '\\' || c == ':';
        }))
        return true;
    std::string stem(local.substr(0, local.find('.')));
    while (!stem.empty() && stem.back() == ' ')
        stem.pop_back();
    std::transform(stem.begin(), stem.end(), stem.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    static const std::array<std::string_view, 4> devices{"CON", "PRN", "AUX", "NUL"};
    if (std::find(devices.begin(), devices.end(), stem) != devices.end())
        return true;
    return stem.size() == 4 && (stem.starts_with("COM") || stem.starts_with("LPT")) && stem[3] >= '1' && stem[3] <= '9';
}

}  // namespace sorvik::lzh::member_name
