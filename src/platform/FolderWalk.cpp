#include "platform/FolderWalk.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include "platform/Files.h"

namespace vt {

bool ForEachFolderEntry(const std::string& path, bool isTop,
                        const std::function<void(int dirFd, const char* name, unsigned char type)>& visit)
{
    int flags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;
    std::string openPath = path;
    if (!isTop && openPath.size() > 1) {
        // O_NOFOLLOW acts on the last component only without the trailing
        // "/", which would make the kernel follow a link.
        openPath.pop_back();
        flags |= O_NOFOLLOW;
    }
    int dfd = open(openPath.c_str(), flags);
    if (dfd < 0)
        return false;
    DIR* dir = fdopendir(dfd);
    if (!dir) {
        close(dfd);
        return false;
    }
    while (dirent* de = readdir(dir)) {
        const char* n = de->d_name;
        if (n[0] == '.' && (n[1] == 0 || (n[1] == '.' && n[2] == 0)))
            continue;
        visit(dfd, n, de->d_type);
    }
    closedir(dir);
    return true;
}

bool WalkFolders(const std::string& path, UiServices& ui, const bool& stop, const FolderWalkSteps& steps, bool isTop)
{
    if (steps.show)
        steps.show(path);
    std::vector<std::string> subfolders;
    steps.read(path, isTop, subfolders);
    ui.ProcessEvents();
    if (stop)
        return false;
    for (const auto& name : subfolders)
        if (!WalkFolders(path + name + PathDelim, ui, stop, steps, false))
            return false;
    return true;
}

} // namespace vt
