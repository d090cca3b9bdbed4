#pragma once
// What the title-details window shows of one archive title, and which
// files of the shell list the comparison window selects.
#include <string>
#include <utility>
#include <vector>

#include "app/ProgramState.h"
#include "platform/ShellRows.h"

namespace vt {

struct FilmDetails {
    std::string titolo, genere, durata, datau, dataa, attore1, attore2, regia, posizione, dimmb, trama;
    // The picture to show: the cover, else the poster; empty to clear the
    // view (also when the archive has no user: no picture is looked up).
    std::string picture;
};

// Record n (1 to the count) of the archive, as the window shows it:
// "dd/mm/yyyy" arrival date, "%4.2n" size ("1.234,57"). Throws
// std::out_of_range for a number outside the archive.
FilmDetails DetailsOf(const ProgramState& state, std::int32_t n);

// The comparison window's "add the selected titles": selects the shell list
// row of each given position and, for a source name holding "- CD1", the
// first unselected row named like it with "CD2". Positions past the end of
// the list are passed over.
void SelectComparedFiles(ShellRows& rows, const std::vector<std::pair<int, std::string>>& selected);

} // namespace vt
