// The C runtime's directory search of Windows, over a directory listing: the
// entries of the pattern's directory whose names match its last part, in name
// order, with the attribute bits Windows would report.
#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <string>
#include <vector>

#include "file_name_pattern.h"
#include "file_search.h"

namespace {

constexpr int32_t AttributeReadOnly = 0x01;
constexpr int32_t AttributeDirectory = 0x10;
constexpr int32_t AttributeArchive = 0x20;

std::vector<KVFILEINFO> Matches;
size_t NextMatch = 0;

char FoldCase(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// * matches any run of characters, ? any one character; letters match
// without regard to case, everything else stands for itself.
bool WildcardMatch(const char *pattern, const char *name)
{
    const char *star = nullptr;
    const char *resume = nullptr;
    while (*name != '\0') {
        if (*pattern == '*') {
            star = pattern++;
            resume = name;
        } else if (*pattern == '?' || FoldCase(*pattern) == FoldCase(*name)) {
            ++pattern;
            ++name;
        } else if (star != nullptr) {
            pattern = star + 1;
            name = ++resume;
        } else {
            return false;
        }
    }
    while (*pattern == '*')
        ++pattern;
    return *pattern == '\0';
}

// As Windows matches: a final ".*" also takes names without an extension
// ("*.*" is every name), and a final "." takes only such names.
bool NameMatches(const std::string &pattern, const char *name)
{
    if (AsksForNoExtension(pattern.c_str()))
        return !HasExtension(name) && WildcardMatch(pattern.substr(0, pattern.size() - 1).c_str(), name);
    if (WildcardMatch(pattern.c_str(), name))
        return true;
    const size_t length = pattern.size();
    return length >= 2 && pattern.compare(length - 2, 2, ".*") == 0 && !HasExtension(name) &&
           WildcardMatch(pattern.substr(0, length - 2).c_str(), name);
}

KVFILEINFO Describe(const std::string &directory, const char *name)
{
    KVFILEINFO info;
    info.Name = KVSTRING(name);
    struct stat status;
    if (stat((directory + name).c_str(), &status) != 0)
        return info;
    const bool isDirectory = S_ISDIR(status.st_mode);
    info.Size = isDirectory ? 0 : static_cast<int32_t>(status.st_size);
    info.Attrib = isDirectory ? AttributeDirectory : AttributeArchive;
    if ((status.st_mode & S_IWUSR) == 0)
        info.Attrib |= AttributeReadOnly;
    return info;
}

} // namespace

KVFILEINFO FileSearchFirst(const KVSTRING &pattern)
{
    Matches.clear();
    NextMatch = 0;
    const std::string text(pattern.Data(), static_cast<size_t>(pattern.Len()));
    const size_t slash = text.rfind('/');
    const std::string directory = slash == std::string::npos ? std::string() : text.substr(0, slash + 1);
    const std::string namePattern = slash == std::string::npos ? text : text.substr(slash + 1);

    DIR *listing = opendir(directory.empty() ? "." : directory.c_str());
    if (listing == nullptr)
        return KVFILEINFO();
    std::vector<std::string> names;
    while (const dirent *entry = readdir(listing)) {
        if (NameMatches(namePattern, entry->d_name))
            names.emplace_back(entry->d_name);
    }
    closedir(listing);
    std::sort(names.begin(), names.end());
    for (const std::string &name : names)
        Matches.push_back(Describe(directory, name.c_str()));
    return FileSearchNext();
}

KVFILEINFO FileSearchNext()
{
    if (NextMatch >= Matches.size())
        return KVFILEINFO();
    return Matches[NextMatch++];
}
