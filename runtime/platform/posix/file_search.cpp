// The C runtime's directory search of Windows, over a directory listing: the
// entries of the pattern's directory whose names match its last part, in name
// order, with the attribute bits Windows would report.
#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <string>
#include <vector>

#include "file_search.h"

namespace {

constexpr int32_t AttributeReadOnly = 0x01;
constexpr int32_t AttributeDirectory = 0x10;
constexpr int32_t AttributeArchive = 0x20;

std::vector<KVFILEINFO> Matches;
size_t NextMatch = 0;

// * matches any run of characters, ? any one character; everything else
// stands for itself.
bool WildcardMatch(const char *pattern, const char *name)
{
    const char *star = nullptr;
    const char *resume = nullptr;
    while (*name != '\0') {
        if (*pattern == '*') {
            star = pattern++;
            resume = name;
        } else if (*pattern == '?' || *pattern == *name) {
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

KVFILEINFO Describe(const std::string &directory, const char *name)
{
    KVFILEINFO info;
    info.Name = KVSTRING(name);
    struct stat status;
    if (stat((directory + name).c_str(), &status) != 0)
        return info;
    info.Size = static_cast<int32_t>(status.st_size);
    info.Attrib = S_ISDIR(status.st_mode) ? AttributeDirectory : AttributeArchive;
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
        if (WildcardMatch(namePattern.c_str(), entry->d_name))
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
