#include "platform/ShellRows.h"

#include <climits>
#include <unistd.h>

namespace vt {

FolderRows::FolderRows(const std::string& folder) : entries_(ListFolder(folder))
{
    folder_ = NormalizeFolderPath(folder);
    rows_.reserve(entries_.size());
    for (const auto& e : entries_)
        rows_.push_back({e.name, false, -1});
}

std::string NormalizeFolderPath(const std::string& path)
{
    std::string p = path;
    if (p.empty() || p.front() != '/') {
        char buf[PATH_MAX];
        std::string cwd = getcwd(buf, sizeof buf) ? buf : "/";
        if (p.empty() || p == ".")
            p = cwd;
        else
            p = (cwd == "/" ? "" : cwd) + "/" + p;
    }
    while (p.size() > 1 && p.back() == '/')
        p.pop_back();
    return p;
}

} // namespace vt
