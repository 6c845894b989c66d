#pragma once

#include <cstdint>
#include <filesystem>

// The mixed corpus a site's exchange archives carry, made reproducibly from a
// fixed seed: worker rosters as CP932 CSV, JPEG photos, and a database backup.
class BenchCorpus
{
public:
    explicit BenchCorpus(std::filesystem::path folder)
        : folder_(std::move(folder))
    {
    }

    // Writes about totalBytes into the folder: 40 % CSV, 30 % photos, 30 % backup.
    void generate(std::uint64_t totalBytes);

private:
    void writeCsv(std::uint64_t bytes);
    void writePhotos(std::uint64_t bytes);
    void writeBackup(std::uint64_t bytes);

    std::filesystem::path folder_;
    std::uint64_t seed_ = 20260501;
};
