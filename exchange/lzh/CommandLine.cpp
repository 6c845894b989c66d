#include "CommandLine.h"

#include <fnmatch.h>

namespace sorvik::lzh {

std::optional<CommandLine> CommandLine::parse(std::string_view line, std::string &error)
{
    const auto isBlank = [&](std::size_t at) { return line[at] == ' ' || line[at] == '\t'; };
    std::vector<std::string> tokens;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && isBlank(i))
            ++i;
        if (i >= line.size())
            break;
        std::string token;
        if (line[i] == '"') {
            const std::size_t close = line.find('"', i + 1);
            if (close == std::string_view::npos) {
                error = "引用符が閉じていません";
                return std::nullopt;
            }
            token = line.substr(i + 1, close - i - 1);
            i = close + 1;
        } else {
            while (i < line.size() && !isBlank(i) && line[i] != '"')
                token += line[i++];
        }
        if (i < line.size() && !isBlank(i)) {
            error = "パスの途中に「\"」があります。コマンドラインのパスには「\"」を使えません";
            return std::nullopt;
        }
        tokens.push_back(std::move(token));
    }
    if (tokens.empty() || tokens.front().size() != 1) {
        error = "コマンドがありません";
        return std::nullopt;
    }

    CommandLine result;
    result.command = tokens.front()[0];
    for (std::size_t t = 1; t < tokens.size(); ++t) {
        const std::string &token = tokens[t];
        if (token.size() > 1 && token[0] == '-' && result.arguments.empty())
            result.switches += token.substr(1);
        else
            result.arguments.push_back(token);
    }
    return result;
}

FileSpec FileSpec::parse(const std::string &argument)
{
    const std::size_t split = argument.find_last_of("\\/");
    if (split == std::string::npos)
        return {".", argument};
    return {split == 0 ? std::string("/") : argument.substr(0, split), argument.substr(split + 1)};
}

bool FileSpec::matches(const std::string &name) const
{
    if (pattern.empty() || pattern == "*" || pattern == "*.*")
        return true;
    return ::fnmatch(pattern.c_str(), name.c_str(), FNM_PERIOD) == 0;
}

}  // namespace sorvik::lzh
