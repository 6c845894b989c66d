#pragma once

#include "ArchiverResult.h"
#include "Durability.h"

#include <filesystem>

namespace sorvik::lzh {

// Extracts every member of an LZH archive (header levels 0 to 2, the methods
// liblhasa decodes: -lh0- to -lh7-, -lzs-, -lz5-, -pm?-) into one folder under
// its bare name. Each member is decoded into a staged file and checked
// against the header's size and CRC; only when the whole archive checked out
// are the files put in place, all or nothing (StagedFiles), replacing regular
// files of the same name.
class ArchiveExtractor
{
public:
    explicit ArchiveExtractor(Durability durability = Durability::Synced)
        : m_durability(durability)
    {
    }

    ArchiverResult extract(const std::filesystem::path &archive, const std::filesystem::path &folder) const;

private:
    Durability m_durability;
};

}  // namespace sorvik::lzh
