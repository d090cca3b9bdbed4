#pragma once
// The depth-first folder walk shared by the folder-size walk and the media
// scan: one folder open at a time, links to folders never entered below the
// folder the walk starts from, one event-loop turn per folder and a stop
// test between folders.
#include <functional>
#include <string>
#include <vector>

#include "platform/UiServices.h"

namespace vt {

// Calls `visit(dirFd, name, d_type)` for each entry of the folder `path`
// (ending in "/") but "." and "..". Below the top of a walk the folder is
// opened without following a link, so a folder swapped for a link during
// the walk is not entered. False when the folder cannot be read.
bool ForEachFolderEntry(const std::string& path, bool isTop,
                        const std::function<void(int dirFd, const char* name, unsigned char type)>& visit);

struct FolderWalkSteps {
    // The folder being walked (Label4).
    std::function<void(const std::string& path)> show;
    // Reads one folder and gives the names of the subfolders to enter.
    std::function<void(const std::string& path, bool isTop, std::vector<std::string>& subfolders)> read;
};

// Walks `path` (ending in "/") and its subfolders, depth first in the order
// `read` gives them; after each folder hands the event loop a turn and
// stops when `stop` has been set. True when the walk ran to its end.
bool WalkFolders(const std::string& path, UiServices& ui, const bool& stop, const FolderWalkSteps& steps,
                 bool isTop = true);

} // namespace vt
