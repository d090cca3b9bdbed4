#include "archive/TitleCheck.h"

#include <cstdio>
#include <sys/stat.h>

#include "archive/TitleKey.h"
#include "media/AviHeader.h"
#include "platform/Error.h"
#include "platform/Regional.h"
#include "rename/NameTransforms.h"

namespace vt {

namespace {

bool Contains(const std::string& s, std::string_view part) { return s.find(part) != std::string::npos; }

int Compare3(double a, double b) { return a < b ? kImgLess : (a == b ? kImgEqual : kImgGreater); }

// The expected and the found details, as the flags of a set.
struct Details {
    bool found = false, date = false, size = false, resolution = false;
    bool operator==(const Details&) const = default;
};

Details Expected(CheckMode mode, const TitleCheckOptions& opt)
{
    return {true, opt.testDate, opt.testSize, mode == CheckMode::Media && opt.testResolution};
}

// "dd-mm-yyyy" of a media title as a whole day: day from the first two
// characters, month from the fourth and fifth, year from the last four.
long long MediaDay(const std::string& data)
{
    if (data.size() < 5)
        throw PlatformError("'" + data + "' is not a valid date");
    int d = StrToInt(data.substr(0, 2));
    int m = StrToInt(data.substr(3, 2));
    int y = StrToInt(data.size() >= 4 ? data.substr(data.size() - 4) : data);
    if (!IsValidDate(y, m, d))
        throw PlatformError("'" + data + "' is not a valid date");
    return WholeDay(EncodeDate(y, m, d));
}

// W x H of a resolution text "640 x 480"; -1 when it has no " x ".
std::int32_t MediaPixelsOf(const std::string& ris)
{
    auto p = ris.find(" x ");
    if (p == std::string::npos)
        return -1;
    long long px = static_cast<long long>(StrToInt(ris.substr(0, p))) * StrToInt(ris.substr(p + 3));
    return static_cast<std::int32_t>(px);
}

std::string DayText(long long day) { return FormatDateTime("dd-mm-yyyy", static_cast<DateTime>(day), ItalianFormat()); }

std::string KPixText(std::int32_t src, std::int32_t media)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%3.1d - %3.1d", src / 1000, media / 1000);
    return buf;
}

// The title cells' CD image: none when the key is the matched title itself.
int TitleImage(const std::string& key, const std::string& matchedTitle, const std::string& name)
{
    if (key == UpperAscii(matchedTitle))
        return -1;
    return Contains(UpperAscii(name), "- CD") ? kImgCD : -1;
}

} // namespace

MatchResult MatchInArchive(const FilmArchive& archive, const CheckedFile& file, const TitleCheckOptions& opt)
{
    std::int32_t i = archive.FirstWithKey(file.key);
    if (i < 1)
        return {};
    const dfilm& f = archive[i];
    Details got{true, opt.testDate && WholeDay(f.dataa) == file.day, opt.testSize && f.dimmb == file.sizeMB, false};
    return {got == Expected(CheckMode::Archive, opt) ? kOutcomeArchiveEqual : kOutcomeArchiveDiffers, i};
}

MediaKeyIndex::MediaKeyIndex(const std::vector<TMediaTitle>& titles)
{
    for (std::size_t j = 0; j < titles.size(); ++j)
        first_.emplace(SmartTitleKey(titles[j].Titolo), static_cast<int>(j));
}

int MediaKeyIndex::First(const std::string& key) const
{
    auto it = first_.find(key);
    return it == first_.end() ? -1 : it->second;
}

MatchResult MatchInMedia(const std::vector<TMediaTitle>& titles, const MediaKeyIndex& index, const CheckedFile& file,
                         const TitleCheckOptions& opt, std::int32_t& mediaPixels)
{
    int j = index.First(file.key);
    if (j < 0)
        return {};
    const TMediaTitle& t = titles[static_cast<std::size_t>(j)];
    Details got{true};
    if (opt.testDate)
        got.date = MediaDay(t.Data) == file.day;
    if (opt.testSize)
        got.size = StrToFloat(t.DimMB, ItalianFormat()) == file.sizeMB;
    mediaPixels = -1;
    if (opt.testResolution) {
        mediaPixels = MediaPixelsOf(t.Ris);
        got.resolution = file.pixels == mediaPixels;
    }
    return {got == Expected(CheckMode::Media, opt) ? kOutcomeMediaEqual : kOutcomeMediaDiffers, j};
}

std::array<std::string, 4> ComparisonCaptions(CheckMode mode)
{
    if (mode == CheckMode::Archive)
        return {"Titolo DB", "Dim DB", "Data DB", "DB"};
    return {"Titolo Media", "Dim Media", "Data Media", "Media"};
}

namespace {

ComparisonRow BuildRow(int position, const CheckedFile& file, const std::string& title, double otherSize,
                       const std::string& otherSizeText, long long otherDay, const std::string& otherDateText,
                       int matchedIndex, std::int32_t mediaPixels)
{
    const FormatSettings& fs = ItalianFormat();
    ComparisonRow r;
    r.caption = std::to_string(position);
    r.subItems = {file.name,          title, FloatToStr(file.sizeMB, fs), otherSizeText, DayText(file.day),
                  otherDateText,      std::to_string(matchedIndex),       KPixText(file.pixels, mediaPixels)};
    r.cellImages[1] = TitleImage(file.key, title, file.name);
    r.cellImages[2] = TitleImage(file.key, title, title);
    r.cellImages[3] = Compare3(file.sizeMB, otherSize);
    r.cellImages[5] = Compare3(static_cast<double>(file.day), static_cast<double>(otherDay));
    r.cellImages[8] = (file.pixels < 1 || mediaPixels < 1) ? kImgUnknown
                                                           : Compare3(file.pixels, mediaPixels);
    return r;
}

} // namespace

bool RunTitleCheck(CheckMode mode, const TitleCheckOptions& opt, ShellRows& rows, const FilmArchive& archive,
                   const std::vector<TMediaTitle>& media, std::int32_t& mediaPixels, UiServices& ui,
                   const ComparisonSink& sink)
{
    if (opt.checkType <= 0)
        return false;
    std::string folder = rows.FolderPath();
    if (folder.empty() || folder.back() != PathDelim)
        folder += PathDelim;
    if (sink.clear)
        sink.clear();
    const MediaKeyIndex mediaIndex(mode == CheckMode::Media ? media : std::vector<TMediaTitle>{});

    for (int i = 0; i < rows.RowCount(); ++i) {
        CheckedFile file;
        file.name = rows.Caption(i);
        if (Contains(UpperAscii(file.name), "CD2"))
            continue; // follows its first part, in RelateCD2
        file.key = SmartTitleKey(file.name);
        if (LowerAscii(SplitNameExt(file.key).ext) != ".avi")
            continue;
        const std::string path = folder + file.name;
        struct stat st {};
        // A file gone since the list was filled is not examined: it keeps
        // its row as it was.
        if (stat(path.c_str(), &st) != 0)
            continue;
        file.day = WholeDay(FromTimeT(st.st_mtime));
        file.sizeMB = S_ISDIR(st.st_mode) ? 0.0 : static_cast<double>(st.st_size) / 1000000.0;

        MatchResult m;
        if (mode == CheckMode::Archive) {
            file.pixels = 0;
            m = MatchInArchive(archive, file, opt);
        } else {
            file.pixels = -1;
            if (opt.testResolution) {
                TAviHeader header;
                ReadAviHeader(path, header);
                file.pixels = static_cast<std::int32_t>(static_cast<long long>(header.Width()) * header.Height());
            }
            m = MatchInMedia(media, mediaIndex, file, opt, mediaPixels);
        }
        rows.SetStateImage(i, m.outcome);
        rows.SetSelected(i, m.outcome < 0);
        if (sink.examined)
            sink.examined(i, m);
        if (m.outcome != kOutcomeArchiveDiffers && m.outcome != kOutcomeMediaDiffers)
            continue;
        ui.ProcessEvents();
        ComparisonRow row;
        if (mode == CheckMode::Archive) {
            const dfilm& f = archive[m.index];
            // The archive check reads no resolution: both numbers are 0.
            row = BuildRow(i, file, f.titolo, f.dimmb, FloatToStr(f.dimmb, ItalianFormat()), WholeDay(f.dataa),
                           DayText(WholeDay(f.dataa)), m.index, 0);
        } else {
            const TMediaTitle& t = media[static_cast<std::size_t>(m.index)];
            row = BuildRow(i, file, t.Titolo, StrToFloat(t.DimMB, ItalianFormat()), t.DimMB, MediaDay(t.Data), t.Data,
                           m.index, mediaPixels);
        }
        if (sink.addRow)
            sink.addRow(row);
    }
    RelateCD2(rows);
    return true;
}

void RelateCD2(ShellRows& rows)
{
    const int n = rows.RowCount();
    for (int i = 0; i < n; ++i) {
        std::string u = UpperAscii(rows.Caption(i));
        auto p = u.find("CD1");
        if (p == std::string::npos)
            continue;
        std::string t = u;
        t[p + 2] = '2';
        for (int j = 0; j < n; ++j) {
            if (rows.Selected(j) || rows.StateImage(j) != -1 || UpperAscii(rows.Caption(j)) != t)
                continue;
            if (rows.Selected(i))
                rows.SetSelected(j, true);
            else if (rows.StateImage(i) >= 0)
                rows.SetStateImage(j, rows.StateImage(i));
            break;
        }
    }
}

} // namespace vt
