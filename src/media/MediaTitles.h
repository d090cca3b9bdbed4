#pragma once
// The media titles: one row per AVI title found by the media scan, kept as
// the texts the list window shows, in the table's current order (the list
// window LVSUC shows row i as table entry i). Sorting, the duplicate search
// and the deletion of a title's file work on this table.
//
// Handlers of the list window TForm5, each a few lines:
//   LVSUCColumnClick(c): SortMediaTitlesByColumn(state, c, fs); reload the model
//   SBSEARCHClick:       n = FindDuplicateTitles(state, {CBSDDATAF, CBSDDIMF, CBSDRIS}, fs);
//                        reload the model; panel 1 := DuplicatesFoundText(n)
//   SBHDDELClick:        DeleteMediaTitle(state, selectedRow, ui) == Deleted: remove the row,
//                        panel 1 := kTitleDeletedText
//   SBHDPLAYClick:       PlayVideo(player, MediaTitleFile(state.MediaTitles[row]))
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Regional.h"
#include "platform/UiServices.h"

namespace vt {

struct ProgramState;

struct TMediaTitle {
    std::string Titolo; // the file name, as the file system gives it
    std::string DimMB;  // bytes / 1,000,000 in the general floating format
    std::string Data;   // "dd-mm-yyyy" of the last write, local time
    std::string Path;   // the folder walked, ending with "/"
    std::string DB;     // archive record number, or "-"
    std::string Ris;    // "-", "640 x 480" or " a.d."
    bool InArchive = false;     // small image 0
    bool DuplicateMark = false; // state image 1
    bool operator==(const TMediaTitle&) const = default;
};

// Columns of the list, in their order.
enum MediaColumn { kColTitolo = 0, kColDimMB, kColData, kColPath, kColDB, kColRis, kMediaColumnCount };

// The sort state of the list, kept for the whole run: the column sorted by
// and one direction per column (true: ascending), all descending at start
// so that the first click on a column sorts it ascending.
struct MediaSortState {
    int column = kColTitolo;
    std::array<bool, kMediaColumnCount> ascending{};
};

// Texts of the list window.
inline constexpr const char* kTitleDeletedText = "Titolo cancellato";
inline constexpr const char* kDeleteFailedText = "Errore nella cancellazione del titolo";

// "Numero titoli trovati : N" for the first status panel.
std::string MediaCountText(const ProgramState& state);
// "Trovati N Titoli doppi".
std::string DuplicatesFoundText(int found);

// The full path of a title as the list window plays and deletes it:
// Path + "/" + Titolo (Path already ends in "/": the doubled separator is
// harmless).
std::string MediaTitleFile(const TMediaTitle& t);

// Compares rows A and B by one column: negative, 0 or positive, negated
// when `ascending` is false. Titolo, Path and Ris as texts with a-z taken
// as A-Z (a prefix comes first); DimMB as numbers in the format's
// notation; Data as the date dd-mm-yyyy; DB as an integer with "-" as 0.
int CompareMediaTitles(const TMediaTitle& a, const TMediaTitle& b, int column, bool ascending,
                       const FormatSettings& fs);

// Sorts the table by state.MediaSort.column in that column's direction.
// Rows with equal keys keep their order.
void SortMediaTitles(ProgramState& state, const FormatSettings& fs);

// LVSUCColumnClick: makes `column` the sort column, inverts its direction
// and sorts.
void SortMediaTitlesByColumn(ProgramState& state, int column, const FormatSettings& fs);

// The criteria of the duplicate search beside the title key.
struct DuplicateCriteria {
    bool date = false;       // CBSDDATAF
    bool size = false;       // CBSDDIMF
    bool resolution = false; // CBSDRIS
};

// CERCA: sorts by Titolo ascending (column 0 becomes the sort column and
// ascending), clears every DuplicateMark, then marks rows whose title keys
// are equal and whose chosen texts are equal. A row not yet marked is
// compared with the rows after it for as long as their keys begin with the
// same character as its own (so only neighbours in Titolo order are
// found). Returns the number of pairs found: three copies of one title
// give 2. Each row's key is computed once.
int FindDuplicateTitles(ProgramState& state, const DuplicateCriteria& criteria, const FormatSettings& fs);

enum class DeleteOutcome { NoRow, Declined, Deleted, Failed };

// SBHDDEL: asks "Cancello il Titolo selezionato: " + line break + the
// upper-cased Titolo; on Yes unlinks the file at once. Deleted: the row is
// gone from the table. Failed: the plain box "Errore nella cancellazione
// del titolo" was shown and the row stays. A row outside the table does
// nothing. The film archive is not touched.
DeleteOutcome DeleteMediaTitle(ProgramState& state, int row, UiServices& ui);

} // namespace vt
