#include "core/shell/ShellNames.h"

#include <string>

namespace vl {
namespace fs = std::filesystem;

bool MatchesWildcard(const QString& pattern, const QString& name)
{
    if (pattern == QLatin1String("*.*"))
        return true;
    // Greedy match that backtracks to the last "*" seen.
    qsizetype p = 0;
    qsizetype n = 0;
    qsizetype starAt = -1;
    qsizetype resumeAt = 0;
    while (n < name.size()) {
        // A "*" in the pattern is always the wildcard, also where the name
        // holds a "*" of its own.
        if (p < pattern.size() && pattern[p] == QLatin1Char('*')) {
            starAt = p++;
            resumeAt = n;
        } else if (p < pattern.size() && (pattern[p] == QLatin1Char('?') || pattern[p] == name[n])) {
            ++p;
            ++n;
        } else if (starAt >= 0) {
            p = starAt + 1;
            n = ++resumeAt;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == QLatin1Char('*'))
        ++p;
    return p == pattern.size();
}

fs::path CollisionFreeName(const fs::path& path)
{
    const std::string name = path.filename().string();
    const std::size_t dot = name.rfind('.');
    const bool hasExtension = dot != std::string::npos && dot > 0;
    const std::string stem = hasExtension ? name.substr(0, dot) : name;
    const std::string extension = hasExtension ? name.substr(dot) : std::string();
    for (int number = 2; number <= 10000; ++number) {
        const fs::path candidate = path.parent_path() / (stem + " (" + std::to_string(number) + ")" + extension);
        std::error_code error;
        if (!fs::exists(fs::symlink_status(candidate, error)))
            return candidate;
    }
    return {};
}

} // namespace vl
