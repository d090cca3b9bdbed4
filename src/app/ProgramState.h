#pragma once
// The program-wide state: the tables, counters, flags and paths that live for
// the whole run. One object, owned by the main window and passed by
// reference to whatever reads or writes it; the CLI and the tests make their
// own. Each table is declared by the module that owns it.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "archive/FilmArchive.h"
#include "archive/TitleCheck.h"
#include "media/AviHeader.h"
#include "media/MediaTitles.h"
#include "selection/SelectionTypes.h"

namespace vt {

struct ProgramState {
    std::string ProgramFolder; // folder of the executable, trailing "/"
    std::string SettingsFile;  // ProgramFolder + "VT_CFG.cfg"
    std::string FilmsFile;     // archive folder + "/films.txt"
    std::string CoversFolder;  // archive folder + "/copertine/", empty when missing
    std::string PostersFolder; // archive folder + "/locandine/", empty when missing
    // The film archive (slot 0 holds the count) and its user name; both are
    // replaced only by a load that read the whole films.txt. The type is
    // written qualified because the member carries the same name.
    vt::FilmArchive FilmArchive;
    std::string ArchiveUser; // empty before the first load
    bool FormShown = false;

    std::array<FileItem, kFileSlots> FileItems{}; // entries 0..FileCount-1 in use
    std::int32_t FileCount = 0;
    std::int64_t TotalBytes = 0;
    std::int64_t FolderBytes = 0;
    std::array<DestItem, kDestSlots> DestItems{}; // entries 0..DestCount-1 in use
    std::int32_t DestCount = 0;
    // A folder walk is running: AddSelectedFiles or the media scan (both hand
    // out event turns; a second walk is refused meanwhile).
    bool FolderWalkRunning = false;

    bool CopyRunning = false;
    std::int64_t CopiedBytes = 0;
    std::uint32_t CopyTimer = 0; // the copy job's stopwatch: its start tick
    bool StopRequested = false;

    std::string MediaPath;
    bool MediaScanRunning = false;
    std::int32_t MediaPixels = 0;
    TAviHeader AviHeader;                  // the last header read
    std::vector<TMediaTitle> MediaTitles;  // the last medium scanned, in the list's order
    MediaSortState MediaSort;              // the list's sort, kept for the whole run

    // The last title check's differing titles, shown by the comparison window.
    std::vector<ComparisonRow> ComparisonRows;
    CheckMode LastCheckMode = CheckMode::Archive;
};

} // namespace vt
