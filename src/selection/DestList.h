#pragma once
// The destination list: adding the folder the shell list shows (with its
// volume label and free space), the duplicate test, removal, clearing and
// the rows of LDEST2 and LDEST with their space marks.
//
// Window handlers, each a few lines:
//   ADDDESTClick:      if (AddDestination(state, slv1.FolderPath(), ui, {CBVERINDEST})) ShowDestList();
//   REMDESTClick:      RemoveSelectedDests(state, selectedRowsOfLDEST2); ShowFileList();
//   SpeedButton1Click: ClearDests(state); ShowDestList();
//   ShowDestList:      copy BuildDestListView(state, MINMB value, fmt) into LDEST2 and LDEST.
#include <string>
#include <vector>

#include "app/ProgramState.h"
#include "platform/Regional.h"
#include "platform/UiServices.h"
#include "selection/CopyList.h"
#include "selection/Volumes.h"

namespace vt {

// Small images of LDEST2 and LDEST: the space marks.
constexpr int kMarkEnoughSpace = 0; // a smiling face
constexpr int kMarkShortOfSpace = 1; // a sad face

// Index of the first destination with exactly this label and folder, -1
// when none; it beeps once when it finds one. Always -1 when the test is
// off (CBVERINDEST unchecked).
int FindDestItem(const ProgramState& state, const std::string& path, const std::string& label, bool verifyInDest,
                 UiServices& ui);

struct AddDestOptions {
    bool verifyInDest = true; // CBVERINDEST
    VolumeSource volumes;     // where mounts and labels are read from
};

// ADDDEST: adds `folder` with the label and the free bytes of the file
// system that holds it, measured now. A duplicate beeps; a full table beeps
// and says so in a warning box. Returns true when a destination was added
// (the window then runs ShowDestList).
bool AddDestination(ProgramState& state, const std::string& folder, UiServices& ui, const AddDestOptions& options);

// REMDEST: keeps, in their order, the destinations whose LDEST2 row is not
// among `selectedRows`.
void RemoveSelectedDests(ProgramState& state, const std::vector<int>& selectedRows);

// SpeedButton1 ("Pulisci lista" under "Destinazioni").
void ClearDests(ProgramState& state);

// True when the destination's free bytes are strictly more than the reserve
// (MINMB, in MB) plus the copy list's size.
bool HasEnoughSpace(const DestItem& dest, double minMB, std::int64_t totalBytes);

// "Spazio MB": free bytes in MB with no decimals and thousands separators,
// right-aligned in six characters ("117.738").
std::string FreeMBText(std::int64_t freeBytes, const FormatSettings& fs);

struct DestListView {
    std::vector<ListRow> ldest2; // caption Volume; Directory, "Spazio MB"; space mark
    std::vector<ListRow> ldest;  // caption Volume; Directory, "???", "???"; state image 0; space mark
};

// Rows of both destination views; the marks use TotalBytes as the last
// BuildFileListView left it.
DestListView BuildDestListView(const ProgramState& state, double minMB, const FormatSettings& fs);

} // namespace vt
