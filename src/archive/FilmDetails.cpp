#include "archive/FilmDetails.h"

#include "archive/FilmArchive.h"
#include "platform/Files.h"
#include "platform/Regional.h"
#include "rename/NameTransforms.h"

namespace vt {

FilmDetails DetailsOf(const ProgramState& state, std::int32_t n)
{
    if (n < 1 || n > state.FilmArchive.Count())
        throw std::out_of_range("record " + std::to_string(n));
    const dfilm& f = state.FilmArchive[n];
    const FormatSettings& fs = ItalianFormat();
    FilmDetails d{f.titolo, f.genere, f.durata, f.datau, DateToStr(f.dataa, fs), f.attore1, f.attore2,
                  f.regia,  f.posizione, FormatNumber(f.dimmb, 2, 4, fs), f.trama, {}};
    if (state.ArchiveUser.empty())
        return d;
    // The cover comes first.
    std::string cover = state.CoversFolder + CoverPictureName(f.titolo);
    std::string poster = state.PostersFolder + PosterPictureName(f.titolo);
    if (!state.CoversFolder.empty() && FileExists(cover))
        d.picture = cover;
    else if (!state.PostersFolder.empty() && FileExists(poster))
        d.picture = poster;
    return d;
}

void SelectComparedFiles(ShellRows& rows, const std::vector<std::pair<int, std::string>>& selected)
{
    for (const auto& [pos, source] : selected) {
        if (pos >= 0 && pos < rows.RowCount())
            rows.SetSelected(pos, true);
        auto p = source.find("- CD1");
        if (p == std::string::npos)
            continue;
        std::string t = UpperAscii(source);
        t[p + 4] = '2';
        for (int j = 0; j < rows.RowCount(); ++j)
            if (!rows.Selected(j) && UpperAscii(rows.Caption(j)) == t) {
                rows.SetSelected(j, true);
                break;
            }
    }
}

} // namespace vt
