#pragma once
// The title check: which AVI files of the folder shown are already in the
// film archive (or on the medium scanned last), and are they the same copy.
// It marks the rows of the shell list with a state image, selects the files
// that are missing, and lists the found files whose details differ.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "archive/FilmArchive.h"
#include "media/MediaTitles.h"
#include "platform/DateTime.h"
#include "platform/ShellRows.h"
#include "platform/UiServices.h"

namespace vt {

enum class CheckMode { Archive, Media };

// State images of the shell list rows (ImageList3).
constexpr int kOutcomeNotFound = -1;
constexpr int kOutcomeArchiveEqual = 2;
constexpr int kOutcomeArchiveDiffers = 3;
constexpr int kOutcomeMediaEqual = 4;
constexpr int kOutcomeMediaDiffers = 5;

// Images of the comparison list (its own image list).
constexpr int kImgCD = 0, kImgLess = 1, kImgEqual = 2, kImgGreater = 3, kImgDatabase = 4, kImgUnknown = 5;

// The options of the "Setting" tab the check reads.
struct TitleCheckOptions {
    int checkType = -1;         // CBXTIPOCONTR: 0 "Nessuno", 1 "Titolo Smart"
    bool testDate = true;       // CBDBDATAF
    bool testSize = true;       // CBDBDIMF
    bool testResolution = true; // CBDBRIS (media check only)
};

struct MatchResult {
    int outcome = kOutcomeNotFound;
    int index = 0; // record number, or media position; 0 when not found
    bool operator==(const MatchResult&) const = default;
};

// The file's side of a comparison.
struct CheckedFile {
    std::string name;
    std::string key;      // SmartTitleKey(name)
    long long day = 0;    // whole local day of the last write
    double sizeMB = 0;    // bytes / 1,000,000
    std::int32_t pixels = 0; // width x height; -1 unread; 0 in an archive check
};

// The first title with the key decides (the archive's key index keeps the
// first record of each key).
MatchResult MatchInArchive(const FilmArchive& archive, const CheckedFile& file, const TitleCheckOptions& opt);

// Key index over the media titles in their current order, built once per
// check: key -> first position.
class MediaKeyIndex {
public:
    explicit MediaKeyIndex(const std::vector<TMediaTitle>& titles);
    int First(const std::string& key) const;

private:
    std::unordered_map<std::string, int> first_;
};

// Sets mediaPixels to the matched title's W x H (-1 when it has none or the
// resolution is not tested); leaves it alone when nothing matches. Throws
// PlatformError when the title's date, size or resolution text does not
// convert.
MatchResult MatchInMedia(const std::vector<TMediaTitle>& titles, const MediaKeyIndex& index, const CheckedFile& file,
                         const TitleCheckOptions& opt, std::int32_t& mediaPixels);

// One row of the comparison list: the caption ("Pos") and eight sub-items,
// the row image (always the database) and one image per column (-1 none).
struct ComparisonRow {
    std::string caption;
    std::array<std::string, 8> subItems;
    int rowImage = kImgDatabase;
    std::array<int, 9> cellImages{-1, -1, -1, -1, -1, -1, -1, -1, -1};
    bool operator==(const ComparisonRow&) const = default;
};

// Captions of columns 3, 5, 7 and 8 (counted from 1) for the mode.
std::array<std::string, 4> ComparisonCaptions(CheckMode mode);

// What the window provides: the comparison list, filled row by row.
struct ComparisonSink {
    std::function<void()> clear;
    std::function<void(const ComparisonRow&)> addRow;
    // Optional: each examined row with what it matched.
    std::function<void(int row, const MatchResult&)> examined = {};
};

// Runs the check over the rows of the shell list. Returns false, having
// changed nothing, when the check type is "Nessuno" or none. A file whose
// header cannot be read (media check with the resolution test) stops the
// check with PlatformError; what was set before it stays.
bool RunTitleCheck(CheckMode mode, const TitleCheckOptions& opt, ShellRows& rows, const FilmArchive& archive,
                   const std::vector<TMediaTitle>& media, std::int32_t& mediaPixels, UiServices& ui,
                   const ComparisonSink& sink);

// Gives each "CD2" file the result of its "CD1" file: selected when the
// first is, else the first's state image.
void RelateCD2(ShellRows& rows);

} // namespace vt
