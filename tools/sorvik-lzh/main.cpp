// sorvik-lzh: LZH archives from the command line.
//   sorvik-lzh a ARCHIVE FOLDER   pack every file of FOLDER into ARCHIVE
//   sorvik-lzh e ARCHIVE FOLDER   unpack ARCHIVE into FOLDER
#include "ArchiveOperations.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

int usage()
{
    std::fputs("使い方: sorvik-lzh a 書庫 フォルダ   (フォルダのファイルを書庫に圧縮)\n"
               "        sorvik-lzh e 書庫 フォルダ   (書庫をフォルダに展開)\n",
               stderr);
    return 2;
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc != 4 || std::strlen(argv[1]) != 1)
        return usage();
    using namespace sorvik::lzh;
    // The paths go to the archiver as they are, so they may hold any character.
    const std::string archive = argv[2], folder = argv[3];
    ArchiverResult result;
    switch (argv[1][0]) {
    case 'a':
        result = guarded([&] { return packFiles(archive, folder); }, archive);
        break;
    case 'e':
        result = guarded([&] { return unpackArchive(archive, folder); }, archive);
        break;
    default:
        return usage();
    }
    std::fprintf(result.ok() ? stdout : stderr, "%s\n", result.message.c_str());
    return result.ok() ? 0 : 1;
}
