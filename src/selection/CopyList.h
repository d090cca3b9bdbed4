#pragma once
// The copy list: adding the selected rows of the shell list (with the
// folder-size walk), the duplicate test, removal, clearing, the rows and
// labels of its two list views, and the size formatter every size on the
// screen goes through.
//
// Window handlers, each a few lines:
//   ADDNAMESClick:  if (AddSelectedFiles(state, slv1, ui, {CBVERINFILE, setLabel4})) ShowFileList();
//   SBREMOVEClck:   RemoveSelected(state, selectedRowsOfLISTANOMI); ShowFileList();
//   CLEARNAMESClic: ClearList(state); ShowFileList();
//   ShowFileList:   copy BuildFileListView(state, fmt) into the views and labels; ShowDestList();
//   SLV1FillComplete: LBDFREE := FreeSpaceText(slv1.FolderPath(), fmt);
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/ProgramState.h"
#include "platform/Regional.h"
#include "platform/ShellRows.h"
#include "platform/UiServices.h"

namespace vt {

// Small images of LISTANOMI and LISTASORG, and the state image of a
// LISTASORG row before a copy.
constexpr int kImageFile = 0;
constexpr int kImageFolder = 1;
constexpr int kStateWaiting = 0;

// The text of Label4 while no walk runs.
inline constexpr const char* kIdlePathText = "Path...";

// A byte count as the windows show it: "%3.0f  B" below 1000 bytes, then
// KB, MB, GB chosen by the count of decimal digits but divided by powers of
// 1024 (1000 bytes read "1.0 KB"). 0 and negative counts give "".
std::string FormatSize(std::int64_t bytes, const FormatSettings& fs);

// Extension of a name with its dot ("film.avi" gives ".avi"), empty when
// the name has no dot after its last "/".
std::string FileExtOf(const std::string& name);

// Index of the first entry named `name` exactly whose kind matches (0 file,
// 1 folder), -1 when none; always -1 when the test is off (CBVERINFILE
// unchecked).
int FindFileItem(const ProgramState& state, const std::string& name, int kind, bool verifyInFile);

// Called with the folder being walked, and with "Path..." when the walk
// ends: the window shows it in Label4.
using WalkPathSink = std::function<void(const std::string&)>;

// Size of the files below `path` (a folder path ending in "/"): files at
// every level, hidden ones included, while hidden subfolders and links to
// folders are not entered and a folder that cannot be read adds nothing.
// Clears StopRequested first, shows the busy cursor, hands the event loop
// one turn per folder and stops between folders when StopRequested is set
// (the window sets it for the media-scan button and when it closes). The
// total so far is left in FolderBytes also when stopped; returns true when
// the walk ran to its end.
bool GetFolderSize(ProgramState& state, const std::string& path, UiServices& ui, const WalkPathSink& showPath = {});

// What the file system says about one entry, as AddSelectedFiles stores it.
struct MeasuredEntry {
    bool found = false;
    bool isFolder = false;
    std::int64_t size = 0; // the file's size, or the walk's total
    DateTime date = 0;
    bool walkCompleted = true;
};

// Looks up `path` (links resolved, as the shell list shows them) and, for a
// folder, runs GetFolderSize on it. The CLI's "size" uses it too, so both
// give the same number.
MeasuredEntry MeasureEntry(ProgramState& state, const std::string& path, UiServices& ui,
                           const WalkPathSink& showPath = {});

struct AddFilesOptions {
    bool verifyInFile = true; // CBVERINFILE
    WalkPathSink showPath;    // Label4
};

// ADDNAMES: adds every selected row of the shell list, first to last, to
// the copy list. A row not found on disk is skipped silently; a duplicate
// (see FindFileItem) beeps once and is skipped; a row that finds the table
// full beeps once, and one warning box at the end says the list is full.
// The rows and the folder are read once at the start, so browsing elsewhere
// during a walk does not change what is added. A press while an earlier
// one is still walking is refused with a beep.
// Returns true when the window should run ShowFileList; false when the
// list is empty afterwards (it has beeped) or the press was refused.
bool AddSelectedFiles(ProgramState& state, const ShellRows& rows, UiServices& ui, const AddFilesOptions& options);

// SBREMOVE: keeps, in their order, the entries whose LISTANOMI row is not
// among `selectedRows` (row i stands for entry i).
void RemoveSelected(ProgramState& state, const std::vector<int>& selectedRows);

// CLEARNAMES.
void ClearList(ProgramState& state);

// One row of a list view, ready to be copied into it.
struct ListRow {
    std::string caption;
    std::vector<std::string> subItems;
    int imageIndex = -1; // small image
    int stateIndex = -1; // state image, -1 for none
};

struct FileListView {
    std::vector<ListRow> listaNomi; // LISTANOMI: caption only
    std::vector<ListRow> listaSorg; // LISTASORG: size, date; state image 0
    bool selectFirstRow = false;    // select row 0 of LISTANOMI
    std::string lbNum, nfdc;        // FileCount
    std::string lbDim, mbdc;        // FormatSize(TotalBytes)
};

// The redisplay of the copy list: recomputes TotalBytes from the table and
// gives the rows and the four labels. The window runs ShowDestList after
// it, since the space marks depend on TotalBytes.
FileListView BuildFileListView(ProgramState& state, const FormatSettings& fs);

// LBDFREE: free space of the file system that holds the shown folder,
// through FormatSize (empty when it cannot be read).
std::string FreeSpaceText(const std::string& folder, const FormatSettings& fs);

} // namespace vt
