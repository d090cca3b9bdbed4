#include "media/MediaScan.h"

#include "platform/FolderWalk.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "archive/TitleKey.h"
#include "media/AviHeader.h"
#include "media/HeaderBatch.h"
#include "platform/DateTime.h"
#include "platform/Files.h"

namespace vt {

namespace {

bool HasAviName(const char* name, std::size_t len)
{
    if (len < 4)
        return false;
    const char* e = name + len - 4;
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return e[0] == '.' && lower(e[1]) == 'a' && lower(e[2]) == 'v' && lower(e[3]) == 'i';
}

constexpr std::string_view kNotInArchive = "-";
constexpr std::string_view kNoResolution = "-";

bool NameLess(const std::string& a, const std::string& b) { return CompareNamesCaseBlind(a, b) < 0; }

// Flag set for the lifetime of the object, also when the work throws.
struct FlagOn {
    explicit FlagOn(bool& f) : flag(f) { flag = true; }
    ~FlagOn() { flag = false; }
    bool& flag;
};

class MediaWalker {
public:
    MediaWalker(ProgramState& state, UiServices& ui, const MediaScanOptions& options)
        : state_(state), ui_(ui), options_(options)
    {
    }

    bool Walk(const std::string& path)
    {
        FolderWalkSteps steps{options_.showPath, [this](const std::string& p, bool isTop, std::vector<std::string>& sub) {
                                  ReadFolder(p, isTop, sub);
                              }};
        return WalkFolders(path, ui_, state_.StopRequested, steps);
    }

private:
    struct Found {
        std::string name;
        std::int64_t size = 0;
        std::time_t mtime = 0;
    };

    // Appends the titles of one folder, in name order, and collects its
    // subfolders to enter. One folder is open at a time, so the depth of a
    // tree is not limited by the number of open files.
    void ReadFolder(const std::string& path, bool isTop, std::vector<std::string>& subfolders)
    {
        std::vector<Found> titles;
        ForEachFolderEntry(path, isTop, [&](int dfd, const char* n, unsigned char type) {
            const bool hidden = n[0] == '.';
            const std::size_t len = std::char_traits<char>::length(n);
            const bool title = HasAviName(n, len);
            bool isDir = type == DT_DIR;
            if (type == DT_UNKNOWN && !hidden && !title) {
                struct stat st {};
                isDir = fstatat(dfd, n, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(st.st_mode);
            }
            if (title) {
                // The entry as it is seen: a link by what it shows, a
                // broken link as itself; a folder has no size.
                struct stat st {};
                if (fstatat(dfd, n, &st, 0) != 0 && fstatat(dfd, n, &st, AT_SYMLINK_NOFOLLOW) != 0)
                    return;
                if (type == DT_UNKNOWN) {
                    struct stat own {};
                    isDir = fstatat(dfd, n, &own, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(own.st_mode);
                }
                titles.push_back({std::string(n, len), S_ISREG(st.st_mode) ? static_cast<std::int64_t>(st.st_size) : 0,
                                  st.st_mtime});
            }
            if (isDir && !hidden)
                subfolders.emplace_back(n, len);
        });

        std::sort(titles.begin(), titles.end(), [](const Found& a, const Found& b) { return NameLess(a.name, b.name); });
        std::sort(subfolders.begin(), subfolders.end(), NameLess);
        const FormatSettings& fs = ItalianFormat();
        for (auto& f : titles) {
            const std::int32_t record = FindFilmByName(state_.FilmArchive, f.name);
            const bool inArchive = record >= 1;
            TMediaTitle t{std::move(f.name),
                          MediaSizeText(f.size, fs),
                          FormatDateTime("dd-mm-yyyy", FromTimeT(f.mtime), fs),
                          path,
                          inArchive ? std::to_string(record) : std::string(kNotInArchive),
                          std::string(kNoResolution),
                          inArchive,
                          false};
            state_.MediaTitles.push_back(std::move(t));
        }
    }

    ProgramState& state_;
    UiServices& ui_;
    const MediaScanOptions& options_;
};

} // namespace

std::string MediaPathFor(const std::string& selectedFolder) { return selectedFolder + PathDelim; }

std::string MediaSizeText(std::int64_t bytes, const FormatSettings& fs)
{
    return FloatToStr(static_cast<double>(bytes) / 1000000.0, fs);
}

bool ScanFolder(ProgramState& state, const std::string& path, UiServices& ui, const MediaScanOptions& options)
{
    MediaWalker walker(state, ui, options);
    return walker.Walk(path);
}

bool ScanMedium(ProgramState& state, const std::string& path, UiServices& ui, const MediaScanOptions& options)
{
    state.StopRequested = false;
    // The busy cursor stays on through the resolution pass, which can
    // take a while on a large medium and serves no events.
    BusyCursor busy(ui);
    bool done = false;
    {
        FlagOn walking(state.FolderWalkRunning);
        done = ScanFolder(state, path, ui, options);
    }
    if (options.readResolution && !state.MediaTitles.empty()) {
        std::vector<std::string> files;
        files.reserve(state.MediaTitles.size());
        for (const auto& t : state.MediaTitles)
            files.push_back(t.Path + t.Titolo);
        const std::vector<HeaderResult> headers = ReadAviHeaders(files);
        for (std::size_t i = 0; i < headers.size(); ++i)
            state.MediaTitles[i].Ris = headers[i].ok ? ResolutionText(headers[i].header) : " a.d.";
    }
    return done;
}

bool StartMediaScan(ProgramState& state, UiServices& ui, const MediaScanOptions& options)
{
    if (state.MediaPath.empty()) {
        ui.ShowError(kNoMediumText);
        return false;
    }
    // A second walk started from an event turn of a running one would
    // empty the table the first is still filling.
    if (state.MediaScanRunning || state.FolderWalkRunning) {
        ui.Beep();
        return false;
    }
    state.MediaTitles.clear();
    state.MediaScanRunning = true;
    try {
        ScanMedium(state, state.MediaPath, ui, options);
    } catch (...) {
        state.MediaScanRunning = false;
        throw;
    }
    return true;
}

void FinishMediaScan(ProgramState& state) { state.MediaScanRunning = false; }

void RequestMediaScanStop(ProgramState& state)
{
    if (state.MediaScanRunning)
        state.StopRequested = true;
}

} // namespace vt
