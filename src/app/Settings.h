#pragma once
// The settings file VT_CFG.cfg: twelve lines whose meaning is their
// position. The controls of the "Setting" tab are the settings; the file
// only carries their state from one run to the next. SettingsValues is that
// state as plain values, collected from the controls and applied back.
#include <string>
#include <vector>

#include "platform/Regional.h"

namespace vt {

// The player a first start writes: the desktop's own opener.
inline constexpr const char* kDefaultPlayer = "xdg-open";

struct SettingsValues {
    std::string player = kDefaultPlayer; // line 1, PLAYER
    bool verifInFile = true;             // line 2, CBVERINFILE
    bool verifInDest = true;             // line 3, CBVERINDEST
    bool overwrite = false;              // line 4, RBOVERWRITE (else RBSKIPFILE)
    double minMb = 10;                   // line 5, MINMB
    bool fileByFile = true;              // line 6, RBFBYF (else RBALLLIST)
    bool vocal = true;                   // line 7, VOCAL
    std::string archiveFolder;           // line 8, EDDBPOS
    int checkType = -1;                  // line 9, CBXTIPOCONTR index, -1 none
    bool testDate = true;                // line 10, CBDBDATAF
    bool testSize = true;                // line 11, CBDBDIMF
    bool testResolution = true;          // line 12, CBDBRIS

    bool operator==(const SettingsValues&) const = default;
};

inline constexpr int kSettingsLines = 12;
// Items of CBXTIPOCONTR: "Nessuno", "Titolo Smart".
inline constexpr int kCheckTypeItems = 2;

// The twelve lines as they are written.
std::vector<std::string> FormatSettingsLines(const SettingsValues& v, const FormatSettings& fs);
// The file's bytes: the twelve lines, each ended by CR LF.
std::string FormatSettingsFile(const SettingsValues& v, const FormatSettings& fs);

// What reading the file gave.
struct SettingsReadResult {
    SettingsValues values; // `current` with the applied lines read into it
    int linesApplied = 0;  // 12 when the whole file was applied
    std::string error;     // the conversion error that stopped the read
    bool ok() const { return error.empty(); }
};

// Applies lines 1 to 12 in order onto `current`, as the controls take them:
// exact words, letter case included; a missing line reads as empty text; an
// empty or non-numeric line 5 or 9 stops the read with a conversion error,
// and no later line is applied. Line 6 only ever keeps the file-by-file
// mode: any other word unchecks the list mode, which nothing can check.
// A line 9 index outside the combo box's items chooses no item.
SettingsReadResult ParseSettingsLines(const std::vector<std::string>& lines, const SettingsValues& current,
                                      const FormatSettings& fs);

// The whole file read: the bytes taken as UTF-8, or as Windows-1252 when they
// are not valid UTF-8, split into lines (CR LF or LF), then parsed.
// Throws PlatformError when the file cannot be read.
SettingsReadResult ReadSettingsFile(const std::string& path, const SettingsValues& current,
                                    const FormatSettings& fs);

// Writes the file through a temporary file renamed into place, so a failed
// write leaves the old file whole. Throws PlatformError on failure.
void WriteSettingsFile(const std::string& path, const SettingsValues& v, const FormatSettings& fs);

} // namespace vt
