#include "BenchCorpus.h"

#include "Cp932.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>

#include <array>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

const std::array<const char *, 15> kFamily{"佐藤", "鈴木", "高橋", "田中", "伊藤",   "渡辺", "山本", "中村",
                                           "小林", "加藤", "吉田", "山田", "佐々木", "山口", "松本"};
const std::array<const char *, 12> kGiven{"太郎", "次郎", "花子", "一郎", "健",   "誠",
                                          "翔太", "美咲", "大輔", "直樹", "裕子", "恵"};
const std::array<const char *, 9> kTrade{"とび工", "鉄筋工", "型枠大工", "左官",  "電工",
                                         "配管工", "土工",   "溶接工",   "塗装工"};
const std::array<const char *, 7> kPrefecture{"東京都", "神奈川県", "大阪府", "愛知県", "福岡県", "北海道", "埼玉県"};
const std::array<const char *, 5> kLicence{"玉掛け技能講習", "足場の組立て等作業主任者", "フォークリフト運転技能講習",
                                           "職長・安全衛生責任者教育", "特になし"};

template<std::size_t N> const char *pick(std::mt19937_64 &rng, const std::array<const char *, N> &list)
{
    return list[rng() % N];
}

std::string number(std::mt19937_64 &rng, int low, int high, int width = 0)
{
    std::string s = std::to_string(low + static_cast<int>(rng() % static_cast<unsigned>(high - low + 1)));
    while (static_cast<int>(s.size()) < width)
        s.insert(s.begin(), '0');
    return s;
}

std::string workerRow(std::mt19937_64 &rng, int code)
{
    return std::to_string(code) + "," + pick(rng, kFamily) + " " + pick(rng, kGiven) + "," + pick(rng, kTrade) + ","
        + number(rng, 1950, 2002) + "/" + number(rng, 1, 12, 2) + "/" + number(rng, 1, 28, 2) + ","
        + pick(rng, kPrefecture) + "中央区" + number(rng, 1, 9) + "-" + number(rng, 1, 30) + "-" + number(rng, 1, 20)
        + ",0" + number(rng, 3, 99) + "-" + number(rng, 100, 9999) + "-" + number(rng, 1000, 9999) + ","
        + pick(rng, kLicence) + "," + number(rng, 100, 200) + "/" + number(rng, 60, 100) + ",2026/"
        + number(rng, 1, 12, 2) + "/" + number(rng, 1, 28, 2) + "\r\n";
}

QByteArray photo(std::mt19937_64 &rng, int width, int height)
{
    // Sky, ground and a few objects, with sensor noise: compresses like a site photo.
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0, QColor(90 + rng() % 60, 140 + rng() % 60, 200 + rng() % 55));
    sky.setColorAt(0.55, QColor(200, 200, 190));
    sky.setColorAt(1, QColor(110 + rng() % 40, 90 + rng() % 40, 60 + rng() % 30));
    painter.fillRect(image.rect(), sky);
    for (int i = 0; i < 40; ++i) {
        painter.setBrush(QColor(rng() % 256, rng() % 256, rng() % 256));
        painter.setPen(Qt::NoPen);
        painter.drawRect(rng() % width, height / 3 + rng() % (height / 2), 20 + rng() % 200, 20 + rng() % 200);
    }
    painter.end();
    std::normal_distribution<double> noise(0.0, 6.0);
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int n = static_cast<int>(noise(rng));
            const QRgb p = line[x];
            line[x] = qRgb(std::clamp(qRed(p) + n, 0, 255), std::clamp(qGreen(p) + n, 0, 255),
                           std::clamp(qBlue(p) + n, 0, 255));
        }
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 88);
    return bytes;
}

void putInt(std::string &out, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

void BenchCorpus::generate(std::uint64_t totalBytes)
{
    std::filesystem::create_directories(folder_);
    writeCsv(totalBytes * 4 / 10);
    writePhotos(totalBytes * 3 / 10);
    writeBackup(totalBytes * 3 / 10);
}

void BenchCorpus::writeCsv(std::uint64_t bytes)
{
    std::mt19937_64 rng(seed_);
    std::string text;
    for (int code = 1; text.size() < bytes; ++code)
        text += *sorvik::cp932::fromUtf8Exact(workerRow(rng, code));
    std::ofstream(folder_ / "RECORD.CSV", std::ios::binary).write(text.data(), static_cast<long>(text.size()));
}

void BenchCorpus::writePhotos(std::uint64_t bytes)
{
    std::mt19937_64 rng(seed_ + 1);
    std::uint64_t written = 0;
    for (int n = 1; written < bytes; ++n) {
        const QByteArray jpeg = photo(rng, 1280, 960);
        const std::string name = "KAO" + std::to_string(100000 + n).substr(1) + ".JPG";
        std::ofstream(folder_ / name, std::ios::binary).write(jpeg.constData(), jpeg.size());
        written += static_cast<std::uint64_t>(jpeg.size());
    }
}

void BenchCorpus::writeBackup(std::uint64_t bytes)
{
    // Backup files interleave record headers, binary integers and dates, text
    // columns padded to their width, and blob segments of stored images.
    std::mt19937_64 rng(seed_ + 2);
    std::string out = "gbak backup of sorvik.fdb, format 10\n";
    for (std::uint32_t code = 1; out.size() < bytes; ++code) {
        out += '\x02';
        putInt(out, 0x1A, 1);
        putInt(out, code, 4);
        putInt(out, static_cast<std::uint32_t>(rng() % 40), 4);
        putInt(out, 58000 + static_cast<std::uint32_t>(rng() % 3000), 4);
        std::string name = std::string(pick(rng, kFamily)) + " " + pick(rng, kGiven);
        name.resize(40, ' ');
        out += name;
        std::string trade = pick(rng, kTrade);
        trade.resize(30, ' ');
        out += trade;
        out += workerRow(rng, static_cast<int>(code));
        if (code % 25 == 0) {
            const QByteArray thumb = photo(rng, 96, 128);
            out += '\x09';
            putInt(out, static_cast<std::uint32_t>(thumb.size()), 4);
            out.append(thumb.constData(), static_cast<std::size_t>(thumb.size()));
        }
    }
    std::ofstream(folder_ / "sorvikdb.fbk", std::ios::binary).write(out.data(), static_cast<long>(out.size()));
}
