#pragma once

#include "ArchiverResult.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace sorvik::lzh {

// Members decoded into temporary files of the target folder. Only when every
// member decoded and checked does commit() rename them to their names; until
// then, and whenever commit fails, the temporaries are removed again, so a bad
// archive leaves the folder as it was.
class StagedFiles
{
public:
    explicit StagedFiles(std::filesystem::path folder)
        : folder_(std::move(folder))
    {
    }
    StagedFiles(const StagedFiles &) = delete;
    StagedFiles &operator=(const StagedFiles &) = delete;
    ~StagedFiles();

    // A pattern for FileDescriptor::createUnique inside the folder.
    std::string tempPattern() const;
    void add(std::string tempPath, std::string localName, std::uint32_t modified);
    ArchiverResult commit();
    int count() const { return static_cast<int>(files_.size()); }

private:
    struct Staged
    {
        std::string tempPath;
        std::string localName;
        std::uint32_t modified;
    };

    void removeAll();

    std::filesystem::path folder_;
    std::vector<Staged> files_;
};

}  // namespace sorvik::lzh
