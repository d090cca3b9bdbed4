#pragma once
// The media scan: a medium (a disk or a folder) is walked depth-first for
// ".avi" titles, which fill state.MediaTitles with their size, date,
// folder, archive record number and, optionally, their frame size.
//
// Handlers of the main window, each a few lines:
//   PUMHDSELMEDIAClick: if (!FD1->Execute()) return;
//                       state.MediaPath = MediaPathFor(FD1->SelectedFolder());
//                       enable SBMAPDISK and PUMHDEXEC; PUMHDSELMEDIA's hint := MediaPath
//   PUMHDEXECClick:     if (!StartMediaScan(state, ui, {CBDBRIS->isChecked(), showInLabel4})) return;
//                       Form5->ShowAfterScan();   // panel 0 := MediaCountText, shown modally
//                       FinishMediaScan(state); enable PUMHDTEST and PUMHDSHOWLIST
//   PUMHDSHOWLISTClick: Form5->ShowList();
//   SBMAPDISKClick:     RequestMediaScanStop(state);
#include <cstdint>
#include <functional>
#include <string>

#include "app/ProgramState.h"
#include "platform/Regional.h"
#include "platform/UiServices.h"

namespace vt {

// Called with every folder as the walk enters it; the window shows it in
// Label4, which keeps the last one when the scan ends.
using MediaPathSink = std::function<void(const std::string&)>;

struct MediaScanOptions {
    bool readResolution = false; // CBDBRIS: read every title's frame size after the walk
    MediaPathSink showPath;      // Label4
};

inline constexpr const char* kNoMediumText = "Selezionare un Media";

// MediaPath for the folder chosen in the folder dialog: the folder and
// "/" (the root "/" gives "//").
std::string MediaPathFor(const std::string& selectedFolder);

// "2,5" for 2,500,000 bytes, "5E-6" for 5, "0,0001" for 100, "0" for 0.
std::string MediaSizeText(std::int64_t bytes, const FormatSettings& fs);

// Walks the folder `path` (ending in "/") and everything below it,
// appending a title for each entry whose name ends in ".avi" in any letter
// case: files (hidden ones too) and folders with such a name, each folder's
// titles in name order before those of its subfolders. Hidden folders
// (name beginning with ".") and links to folders are not entered; a folder
// that cannot be read gives nothing. Hands the event loop one turn per
// folder, after its titles; when StopRequested is set then, no further
// folder is entered. True when the walk was not stopped.
bool ScanFolder(ProgramState& state, const std::string& path, UiServices& ui, const MediaScanOptions& options);

// Clears StopRequested, walks `path` under the busy cursor (ScanFolder)
// and, when readResolution is set, reads each title's header: Ris becomes
// "W x H" or " a.d." when it cannot be read; that pass runs also after a
// stopped walk and hands out no event turns. Record numbers come from the
// name index of state.FilmArchive. While the walk runs FolderWalkRunning is
// set, so the copy list's folder walk is refused meanwhile. Returns the
// walk's result.
bool ScanMedium(ProgramState& state, const std::string& path, UiServices& ui, const MediaScanOptions& options);

// PUMHDEXEC: "Selezionare un Media" when no medium was chosen; a beep and
// nothing else while a walk (this one or the copy list's) is running;
// otherwise empties the table, sets MediaScanRunning and runs ScanMedium on
// MediaPath. True when the window should now show the list and then call
// FinishMediaScan. MediaScanRunning is cleared again when the scan fails.
bool StartMediaScan(ProgramState& state, UiServices& ui, const MediaScanOptions& options);

// After the list window of a scan closed: MediaScanRunning := false.
void FinishMediaScan(ProgramState& state);

// SBMAPDISK: asks a running scan to stop at the next folder boundary.
void RequestMediaScanStop(ProgramState& state);

} // namespace vt
