#include "PngWriter.h"

#include <algorithm>
#include <array>
#include <string>

namespace strilux {

namespace {
std::uint32_t crc32(const std::uint8_t *data, std::size_t n, std::uint32_t crc = 0xFFFFFFFF)
{
    static const auto table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t c = i;
            for (int k = 0; k < 8; ++k)
                c = c & 1 ? 0xEDB88320 ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    for (std::size_t i = 0; i < n; ++i)
        crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return crc;
}

void putBE(std::vector<std::uint8_t> &out, std::uint32_t v)
{
    for (int s = 24; s >= 0; s -= 8)
        out.push_back((v >> s) & 0xFF);
}

void chunk(std::vector<std::uint8_t> &out, const char *type, const std::vector<std::uint8_t> &data)
{
    putBE(out, std::uint32_t(data.size()));
    std::vector<std::uint8_t> body(type, type + 4);
    body.insert(body.end(), data.begin(), data.end());
    out.insert(out.end(), body.begin(), body.end());
    putBE(out, crc32(body.data(), body.size()) ^ 0xFFFFFFFF);
}

// A zlib stream of stored deflate blocks.
std::vector<std::uint8_t> zlibStored(const std::vector<std::uint8_t> &raw)
{
    std::vector<std::uint8_t> z{0x78, 0x01};
    std::size_t pos = 0;
    do {
        const std::size_t n = std::min<std::size_t>(65535, raw.size() - pos);
        z.push_back(pos + n == raw.size() ? 1 : 0);
        z.push_back(n & 0xFF);
        z.push_back(n >> 8);
        z.push_back(~n & 0xFF);
        z.push_back((~n >> 8) & 0xFF);
        z.insert(z.end(), raw.begin() + std::ptrdiff_t(pos), raw.begin() + std::ptrdiff_t(pos + n));
        pos += n;
    } while (pos < raw.size());
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t c : raw) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    putBE(z, (b << 16) | a);
    return z;
}
}  // namespace

namespace {
// Palette indices of the pixels, or an empty palette when there are more than 256 colours.
std::vector<std::uint32_t> paletteOf(const std::vector<std::uint8_t> &rgb, std::vector<std::uint8_t> &indices)
{
    std::vector<std::uint32_t> palette;
    indices.reserve(rgb.size() / 3);
    for (std::size_t i = 0; i + 2 < rgb.size(); i += 3) {
        const std::uint32_t c = (rgb[i] << 16) | (rgb[i + 1] << 8) | rgb[i + 2];
        auto it = std::find(palette.begin(), palette.end(), c);
        if (it == palette.end()) {
            if (palette.size() == 256)
                return {};
            palette.push_back(c);
            it = palette.end() - 1;
        }
        indices.push_back(std::uint8_t(it - palette.begin()));
    }
    return palette;
}

std::vector<std::uint8_t> rows(const std::vector<std::uint8_t> &pixels, int width, int height, int bits, int channels)
{
    const std::size_t stride = (std::size_t(width) * channels * bits + 7) / 8;
    std::vector<std::uint8_t> raw;
    raw.reserve(height * (stride + 1));
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);  // no filter
        const std::size_t start = raw.size();
        raw.resize(start + stride, 0);
        const std::uint8_t *line = pixels.data() + std::size_t(y) * width * channels;
        if (bits == 8) {
            std::copy(line, line + std::size_t(width) * channels, raw.begin() + std::ptrdiff_t(start));
        } else {
            for (int x = 0; x < width; ++x)
                if (line[x])
                    raw[start + x / 8] |= std::uint8_t(0x80 >> (x % 8));
        }
    }
    return raw;
}
}  // namespace

std::vector<std::uint8_t> encodePng(const std::vector<std::uint8_t> &rgb, int width, int height)
{
    std::vector<std::uint8_t> indices;
    const std::vector<std::uint32_t> palette = paletteOf(rgb, indices);
    const bool paletted = !palette.empty();
    const int bits = paletted && palette.size() <= 2 ? 1 : 8;

    std::vector<std::uint8_t> out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::uint8_t> header;
    putBE(header, std::uint32_t(width));
    putBE(header, std::uint32_t(height));
    header.insert(header.end(), {std::uint8_t(bits), std::uint8_t(paletted ? 3 : 2), 0, 0, 0});
    chunk(out, "IHDR", header);
    if (paletted) {
        std::vector<std::uint8_t> plte;
        for (std::uint32_t c : palette)
            plte.insert(plte.end(), {std::uint8_t(c >> 16), std::uint8_t(c >> 8), std::uint8_t(c)});
        chunk(out, "PLTE", plte);
    }
    chunk(out, "IDAT", zlibStored(paletted ? rows(indices, width, height, bits, 1) : rows(rgb, width, height, 8, 3)));
    chunk(out, "IEND", {});
    return out;
}

}  // namespace strilux
