#pragma once
// The program-wide state: the tables, counters, flags and paths that live for
// the whole run. One object, owned by the main window and passed by
// reference to whatever reads or writes it; the CLI and the tests make their
// own. Each table is declared by the module that owns it.
#include <cstdint>
#include <string>

namespace vt {

struct ProgramState {
    std::string ProgramFolder; // folder of the executable, trailing "/"
    std::string SettingsFile;  // ProgramFolder + "VT_CFG.cfg"
    std::string FilmsFile;     // archive folder + "/films.txt"
    std::string CoversFolder;  // archive folder + "/copertine/", empty when missing
    std::string PostersFolder; // archive folder + "/locandine/", empty when missing
    bool FormShown = false;

    std::int32_t FileCount = 0;
    std::int64_t TotalBytes = 0;
    std::int64_t FolderBytes = 0;
    std::int32_t DestCount = 0;

    bool CopyRunning = false;
    std::int64_t CopiedBytes = 0;
    bool StopRequested = false;

    std::string MediaPath;
    bool MediaScanRunning = false;
    std::int32_t MediaPixels = 0;
};

} // namespace vt
