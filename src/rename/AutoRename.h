#pragma once
// The assisted rename of all AVI files of a folder: the rows of the list,
// the automatic pass that proposes a title for each, the mark buttons, the
// title built from a piece of the in-place editor and the rename of the
// ticked rows. The window shows the rows and calls these functions.
#include <string>
#include <string_view>
#include <vector>

#include "platform/ShellRows.h"

namespace vt {

// One row of the assisted rename list. Titles carry no extension.
struct TRenameRow {
    bool Ticked = false;  // confirmed: renamed by the rename pass, left alone by the automatic pass
    std::string NewTitle; // the title the file will get
    std::string OldTitle; // the title the file has on disk; never changes while the window is open
    std::string Ext = ".avi";
    std::string CDMark;  // "", " - CD1"/" - CD2" from the automatic pass, "CD1"/"CD2" from the buttons
    std::string DVDMark; // "" or "DVD"
    // The file's real name on disk (the shell list's caption). The file
    // system tells letter case apart, so the rename starts from this name:
    // "TITOLO.AVI" is renamed from "TITOLO.AVI", not from "TITOLO.avi".
    std::string FileName;

    std::string NewFileName() const { return NewTitle + Ext; }
};

enum class TitleCase { AsIs, FirstUpper, Upper, Lower };
enum class DvdMarking { Marker, Capitals }; // " [DVD]" appended, or the whole title in capitals

// The options of the automatic pass; the defaults are the window's start state.
struct AutoOptions {
    bool dotsToBlanks = true; // "." and "_" become blanks
    TitleCase letterCase = TitleCase::AsIs;
    bool markDvd = true;
    DvdMarking dvdMarking = DvdMarking::Marker;
    bool markCd = true;
};

// A row for every item of the shell list whose extension is ".avi" in any
// letter case, in the list's order; other items are left out.
std::vector<TRenameRow> RenameRowsOf(const ShellRows& shell);

// The automatic pass: every unticked row gets its proposal from OldTitle;
// ticked rows are left whole. Ticks never change.
void ApplyAutoFunctions(std::vector<TRenameRow>& rows, const AutoOptions& options);

// The title from the editor's selected text (the caller passes the whole
// text when nothing is selected), with the row's DVD marking and its CD
// mark as the options say. The row gets it as NewTitle and is ticked.
void ComposeFromSelection(TRenameRow& row, const std::string& selected, const AutoOptions& options);

// The five mark buttons. They never change the tick.
enum class MarkButton { CD1Add, CD2Add, CDCut, DVDAdd, DVDCut };
inline constexpr std::string_view kCDMarkPresentText = "Marca CD già presente";
inline constexpr std::string_view kCDMarkAbsentText = "Marca CD già Assente";
inline constexpr std::string_view kDVDMarkPresentText = "Marca DVD già presente";
inline constexpr std::string_view kDVDMarkAbsentText = "Marca DVD già assente";
// Applies the button to the row; returns the text of the error box to show
// instead when the button has nothing to do, else an empty string.
std::string ApplyMarkButton(TRenameRow& row, MarkButton button, DvdMarking dvdMarking);

// The tick menu.
enum class TickChange { All, None, Invert };
void ChangeTicks(std::vector<TRenameRow>& rows, TickChange change);

struct RenamePassResult {
    int attempts = 0;
    int succeeded = 0;
    std::vector<int> failedRows; // in list order
    int Failed() const { return attempts - succeeded; }
};

// Renames the file of every ticked row, first to last, from FileName to
// NewTitle + Ext in `folder`, never replacing another file. A success
// unticks the row; a failure leaves it ticked. Nothing else of the rows
// changes.
RenamePassResult RenameTickedRows(std::vector<TRenameRow>& rows, const std::string& folder);

// "ERRORE ! : N files NON rinominati !", a carriage return, and
// "   (rimasti spuntati nella lista".
std::string RenameFailedMessage(int failed);

} // namespace vt
