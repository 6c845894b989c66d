#include "CommandLine.h"

#include <fnmatch.h>

namespace sorvik::lzh {

std::optional<CommandLine> CommandLine::parse(std::string_view line, std::string &error)
{
    std::vector<std::string> tokens;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        if (i >= line.size())
            break;
        std::string token;
        bool quoted = false;
        while (i < line.size() && (quoted || (line[i] != ' ' && line[i] != '\t'))) {
            if (line[i] == '"')
                quoted = !quoted;
            else
                token += line[i];
            ++i;
        }
        if (quoted) {
            error = "引用符が閉じていません";
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
