// sorvik-lzh: LZH archives from the command line.
//   sorvik-lzh a ARCHIVE FOLDER   pack every file of FOLDER into ARCHIVE
//   sorvik-lzh e ARCHIVE FOLDER   unpack ARCHIVE into FOLDER
#include "LzhCommand.h"

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

std::string quoted(const std::string &text)
{
    return "\"" + text + "\"";
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc != 4 || std::strlen(argv[1]) != 1)
        return usage();
    if (std::strchr(argv[2], '"') || std::strchr(argv[3], '"')) {
        std::fputs("書庫名とフォルダ名に \" は使えません。\n", stderr);
        return 2;
    }
    std::string line;
    switch (argv[1][0]) {
    case 'a':
        line = "a -n -y -t " + quoted(argv[2]) + " " + quoted(std::string(argv[3]) + "/*.*");
        break;
    case 'e':
        line = "e -c -n -y " + quoted(argv[2]) + " " + quoted(std::string(argv[3]) + "/");
        break;
    default:
        return usage();
    }
    char output[1024] = {};
    const int rc = LzhCommand(nullptr, line.c_str(), output, sizeof output);
    std::fprintf(rc == 0 ? stdout : stderr, "%s\n", output);
    return rc == 0 ? 0 : 1;
}
