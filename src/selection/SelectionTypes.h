#pragma once
// The records of the copy list and the destination list. They live in the
// program-wide state (app/ProgramState.h); the operations on them are in
// CopyList.h and DestList.h.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/DateTime.h"

namespace vt {

// Slots of the two tables: 1001 entries, 11 destinations.
constexpr int kFileSlots = 1001;
constexpr int kDestSlots = 11;

// Value of FileItem::IsFolder for a folder (the directory attribute bit).
constexpr std::int32_t kFolderAttr = 16;

// One entry of the copy list.
struct FileItem {
    std::string Name;        // the row caption of the shell list
    std::int64_t Size = 0;   // the file's size, or the folder walk's total
    DateTime Date = 0;       // last write, local time
    std::string Folder;      // folder the entry lives in (FolderPath when added)
    std::string Ext;         // extension of Name with its dot, empty when none
    std::int32_t IsFolder = 0; // kFolderAttr for a folder, 0 for a file
};

// One destination.
struct DestItem {
    std::string Directory;       // FolderPath when added
    std::int64_t FreeBytes = -1; // free bytes of its mount when added, -1 unknown
    std::string Volume;          // label of its file system, empty when none
};

// The short names the program's documents use for the two records.
using nm = FileItem;
using de = DestItem;

// Both lists are fixed tables with a count, row i of their list view
// standing for entry i. Removal keeps the entries whose rows are not
// selected, in their order; freed slots are emptied.
template <class T, std::size_t N>
void RemoveTableRows(std::array<T, N>& table, std::int32_t& count, const std::vector<int>& selectedRows)
{
    std::vector<bool> drop(static_cast<std::size_t>(count), false);
    for (int r : selectedRows)
        if (r >= 0 && r < count)
            drop[static_cast<std::size_t>(r)] = true;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i) {
        if (drop[i])
            continue;
        if (kept != i)
            table[kept] = std::move(table[i]);
        ++kept;
    }
    for (std::size_t i = kept; i < static_cast<std::size_t>(count); ++i)
        table[i] = T{};
    count = static_cast<std::int32_t>(kept);
}

template <class T, std::size_t N>
void ClearTable(std::array<T, N>& table, std::int32_t& count)
{
    for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i)
        table[i] = T{};
    count = 0;
}

} // namespace vt
