#include "ArchiveOperations.h"

#include "ArchiveExtractor.h"
#include "ArchiveWriter.h"
#include "ArchiverMessages.h"
#include "CommandLine.h"

#include <algorithm>
#include <vector>

namespace fs = std::filesystem;

namespace sorvik::lzh {

namespace {

std::string withoutTrailingSeparators(std::string path)
{
    while (path.size() > 1 && (path.back() == '\\' || path.back() == '/'))
        path.pop_back();
    return path;
}

bool isHidden(const fs::path &file)
{
    return file.filename().string().starts_with('.');
}

}  // namespace

ArchiverResult packFiles(const fs::path &archive, const std::string &fileSpec, Durability durability)
{
    std::error_code ec;
    const std::string whole = withoutTrailingSeparators(fileSpec);
    const FileSpec pattern = fs::is_directory(whole, ec) ? FileSpec{whole, ""} : FileSpec::parse(fileSpec);
    if (!fs::is_directory(pattern.folder, ec))
        return messages::folderMissing(pattern.folder);
    std::vector<fs::path> files;
    for (fs::directory_iterator it(pattern.folder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path &file = it->path();
        if (isHidden(file) || !it->is_regular_file(ec) || !pattern.matches(file.filename().string()))
            continue;
        if (fs::exists(archive, ec) && fs::equivalent(file, archive, ec))
            continue;
        files.push_back(file);
    }
    if (ec)
        return messages::readFailed(pattern.folder, ec.value());
    if (files.empty())
        return messages::noFiles(pattern.folder);
    std::sort(files.begin(), files.end());
    return ArchiveWriter().create(archive, files, durability);
}

ArchiverResult guarded(const std::function<ArchiverResult()> &operation, const std::string &subject)
{
    try {
        return operation();
    } catch (const std::bad_alloc &) {
        return messages::outOfMemory(subject);
    } catch (const std::exception &e) {
        return messages::unexpectedFailure(subject, e.what());
    }
}

ArchiverResult unpackArchive(const fs::path &archive, const std::string &folder, Durability durability)
{
    return ArchiveExtractor(durability).extract(archive, withoutTrailingSeparators(folder));
}

}  // namespace sorvik::lzh
