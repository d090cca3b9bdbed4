#pragma once
// What the main window's bottom bar says about the selection of the shell
// list SLV1: how many rows, their total size, the title key and frame size
// of a selected AVI file, and whether rename (SBREN) and preview (PREVIEW)
// are available.
//
// Window handler, a few lines:
//   SLV1SelectItem(row, selected):
//     SelectionInfo s = ComputeSelectionInfo(state, *SLV1, SLV1->Caption(row), selected, ItalianFormat());
//     write each field that is set into its control; if (!s.error.empty()) ui.ShowError(s.error);
#include <optional>
#include <string>

#include "app/ProgramState.h"
#include "platform/Regional.h"
#include "platform/ShellRows.h"

namespace vt {

// Label4 for a row that is no AVI file.
inline constexpr const char* kNotAviText = "n.a.";

// Only the fields that are set change their control; the others keep
// their text or state.
struct SelectionInfo {
    std::optional<std::string> label4;   // Label4
    std::optional<std::string> lbNumSel; // LBNUMSEL
    std::optional<std::string> lbDimSel; // LBDIMSEL
    std::optional<bool> sbRenEnabled;    // SBREN
    std::optional<bool> previewEnabled;  // PREVIEW
    // Set when a header read failed: the handling of the event ended there.
    // The window shows it in the standard error box; label4 holds what the
    // rows before the failing one wrote, the other fields are not set.
    std::string error;
};

// Label4's text for one file named `caption` in `folder`: the title key of
// the caption, " : W = ", the width, "  H = " and the height when the name
// ends in ".avi" in any letter case (its header is read into
// state.AviHeader), "n.a." otherwise. Throws PlatformError when the header
// cannot be read.
std::string AviInfoText(ProgramState& state, const std::string& folder, const std::string& caption);

// SLV1SelectItem: `itemCaption` is the caption of the row whose selection
// changed, `selected` its new state. When selected, walks every row of the
// list: counts the selected ones, adds up the sizes of those found on disk
// (a folder counts 0) and writes Label4 for each; then LBNUMSEL, LBDIMSEL,
// SBREN (exactly one row selected) and, when the changed row is a video
// (".avi", ".wmv", ".mpg" in any case), PREVIEW (exactly one row). When
// deselected, only SBREN and PREVIEW change, both disabled.
SelectionInfo ComputeSelectionInfo(ProgramState& state, const ShellRows& rows, const std::string& itemCaption,
                                   bool selected, const FormatSettings& fs);

} // namespace vt
