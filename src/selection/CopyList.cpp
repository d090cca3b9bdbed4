#include "selection/CopyList.h"

#include "platform/FolderWalk.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/DateTime.h"
#include "platform/Files.h"
#include "selection/Volumes.h"

namespace vt {

namespace {

// Calls the sink with "Path..." when it goes out of scope, so Label4 is
// reset also when the walk ends by an exception.
class IdlePathOnExit {
public:
    explicit IdlePathOnExit(const WalkPathSink& sink) : sink_(sink) {}
    ~IdlePathOnExit()
    {
        if (sink_)
            sink_(kIdlePathText);
    }
    IdlePathOnExit(const IdlePathOnExit&) = delete;
    IdlePathOnExit& operator=(const IdlePathOnExit&) = delete;

private:
    const WalkPathSink& sink_;
};

class FolderWalker {
public:
    FolderWalker(ProgramState& state, UiServices& ui, const WalkPathSink& show) : state_(state), ui_(ui), show_(show) {}

    // `path` ends in "/". The folder the user picked may be reached through
    // a link (the shell list shows a link to a folder as a folder); below
    // it, links to folders are never entered.
    bool Walk(const std::string& path)
    {
        FolderWalkSteps steps{show_, [this](const std::string& p, bool isTop, std::vector<std::string>& sub) {
                                  ReadFolder(p, isTop, sub);
                              }};
        return WalkFolders(path, ui_, state_.StopRequested, steps);
    }

    std::int64_t bytes = 0;

private:
    // Adds the bytes of the files of one folder and collects the subfolders
    // to enter. A folder that cannot be opened adds nothing.
    void ReadFolder(const std::string& path, bool isTop, std::vector<std::string>& subfolders)
    {
        ForEachFolderEntry(path, isTop, [&](int dfd, const char* n, unsigned char type) {
            const bool hidden = n[0] == '.';
            if (type == DT_DIR) {
                if (!hidden)
                    subfolders.emplace_back(n);
                return;
            }
            struct stat st {};
            if (fstatat(dfd, n, &st, AT_SYMLINK_NOFOLLOW) != 0)
                return;
            if (S_ISDIR(st.st_mode)) {
                if (!hidden)
                    subfolders.emplace_back(n);
            } else if (S_ISREG(st.st_mode)) {
                bytes += static_cast<std::int64_t>(st.st_size);
            } else if (S_ISLNK(st.st_mode)) {
                // A link to a file counts as the file it shows; a link to a
                // folder counts 0 and is not entered; a broken link is 0.
                struct stat target {};
                if (fstatat(dfd, n, &target, 0) == 0 && S_ISREG(target.st_mode))
                    bytes += static_cast<std::int64_t>(target.st_size);
            }
        });
        std::sort(subfolders.begin(), subfolders.end(),
                  [](const std::string& a, const std::string& b) { return CompareNamesCaseBlind(a, b) < 0; });
    }

    ProgramState& state_;
    UiServices& ui_;
    const WalkPathSink& show_;
};

// The entry as the shell list shows it: a link by what it points to, a
// broken link as itself. False when there is nothing of that name.
bool StatEntry(const std::string& path, struct stat& st)
{
    return stat(path.c_str(), &st) == 0 || lstat(path.c_str(), &st) == 0;
}

std::string FolderPathOf(const std::string& path)
{
    return !path.empty() && path.back() == PathDelim ? path : path + PathDelim;
}

} // namespace

std::string FormatSize(std::int64_t bytes, const FormatSettings& fs)
{
    if (bytes <= 0)
        return {};
    // The unit goes by the count of decimal digits (counted exactly, not
    // through a floating logarithm that can land on the wrong side of a
    // power of ten), the divisor by powers of 1024.
    const double n = static_cast<double>(bytes);
    if (bytes < 1000)
        return FormatFixed(n, 0, 3, fs) + "  B";
    if (bytes < 1000000)
        return FormatFixed(n / 1024, 1, 3, fs) + " KB";
    if (bytes < 1000000000)
        return FormatFixed(n / 1048576, 1, 3, fs) + " MB";
    return FormatFixed(n / 1048576 / 1024, 1, 3, fs) + " GB";
}

std::string FileExtOf(const std::string& name)
{
    auto dot = name.rfind('.');
    auto delim = name.rfind(PathDelim);
    if (dot == std::string::npos || (delim != std::string::npos && dot < delim))
        return {};
    return name.substr(dot);
}

int FindFileItem(const ProgramState& state, const std::string& name, int kind, bool verifyInFile)
{
    if (!verifyInFile)
        return -1;
    for (int i = 0; i < state.FileCount; ++i) {
        const auto& e = state.FileItems[static_cast<std::size_t>(i)];
        int k = e.IsFolder != 0 ? 1 : 0;
        if (e.Name == name && k == kind)
            return i;
    }
    return -1;
}

bool GetFolderSize(ProgramState& state, const std::string& path, UiServices& ui, const WalkPathSink& showPath)
{
    state.StopRequested = false;
    state.FolderBytes = 0;
    BusyCursor busy(ui);
    IdlePathOnExit idle(showPath);
    FolderWalker walker(state, ui, showPath);
    bool done = walker.Walk(FolderPathOf(path));
    state.FolderBytes = walker.bytes;
    return done;
}

MeasuredEntry MeasureEntry(ProgramState& state, const std::string& path, UiServices& ui, const WalkPathSink& showPath)
{
    MeasuredEntry m;
    struct stat st {};
    if (!StatEntry(path, st))
        return m;
    m.found = true;
    m.isFolder = S_ISDIR(st.st_mode);
    m.date = FromTimeT(st.st_mtime);
    if (m.isFolder) {
        m.walkCompleted = GetFolderSize(state, FolderPathOf(path), ui, showPath);
        m.size = state.FolderBytes;
    } else {
        m.size = S_ISREG(st.st_mode) ? static_cast<std::int64_t>(st.st_size) : 0;
    }
    return m;
}

bool AddSelectedFiles(ProgramState& state, const ShellRows& rows, UiServices& ui, const AddFilesOptions& options)
{
    // The walk hands the event loop a turn per folder; a second press of
    // the button in one of those turns would add to the table while the
    // first one is still filling it.
    if (state.FolderWalkRunning) {
        ui.Beep();
        return false;
    }
    state.FolderWalkRunning = true;
    struct Running {
        bool& flag;
        ~Running() { flag = false; }
    } running{state.FolderWalkRunning};

    // Read the rows once: during a walk the user may browse to another
    // folder, and the later rows must still come from this one.
    const std::string folder = rows.FolderPath();
    std::vector<std::string> captions;
    for (int i = 0; i < rows.RowCount(); ++i)
        if (rows.Selected(i))
            captions.push_back(rows.Caption(i));

    bool refusedFull = false;
    for (const auto& caption : captions) {
        const std::string path = folder + PathDelim + caption;
        struct stat st {};
        if (!StatEntry(path, st))
            continue;
        const bool isFolder = S_ISDIR(st.st_mode);
        if (FindFileItem(state, caption, isFolder ? 1 : 0, options.verifyInFile) >= 0) {
            ui.Beep();
            continue;
        }
        if (state.FileCount >= kFileSlots) {
            ui.Beep();
            refusedFull = true;
            continue;
        }
        FileItem item;
        item.Name = caption;
        item.Folder = folder;
        item.Ext = FileExtOf(caption);
        item.IsFolder = isFolder ? kFolderAttr : 0;
        MeasuredEntry m = MeasureEntry(state, path, ui, options.showPath);
        if (!m.found) // gone between the two looks
            continue;
        item.Date = m.date;
        item.Size = m.size;
        // The entry goes after whatever the table holds now: a removal or a
        // clear in one of the walk's event turns has changed FileCount.
        if (state.FileCount >= kFileSlots) {
            ui.Beep();
            refusedFull = true;
            continue;
        }
        state.FileItems[static_cast<std::size_t>(state.FileCount)] = std::move(item);
        ++state.FileCount;
    }
    if (refusedFull)
        ui.ShowWarning("La lista dei files da copiare è piena (" + std::to_string(kFileSlots) +
                       " elementi): i files in più non sono stati aggiunti.");
    if (state.FileCount == 0) {
        ui.Beep();
        return false;
    }
    return true;
}

void RemoveSelected(ProgramState& state, const std::vector<int>& selectedRows)
{
    RemoveTableRows(state.FileItems, state.FileCount, selectedRows);
}

void ClearList(ProgramState& state)
{
    ClearTable(state.FileItems, state.FileCount);
    state.TotalBytes = 0;
}

FileListView BuildFileListView(ProgramState& state, const FormatSettings& fs)
{
    FileListView v;
    state.TotalBytes = 0;
    for (int i = 0; i < state.FileCount; ++i) {
        const auto& e = state.FileItems[static_cast<std::size_t>(i)];
        const int image = e.IsFolder != 0 ? kImageFolder : kImageFile;
        v.listaNomi.push_back({e.Name, {}, image, -1});
        v.listaSorg.push_back({e.Name, {FormatSize(e.Size, fs), DateToStr(e.Date, fs)}, image, kStateWaiting});
        state.TotalBytes += e.Size;
    }
    v.selectFirstRow = state.FileCount > 0;
    v.lbNum = v.nfdc = std::to_string(state.FileCount);
    v.lbDim = v.mbdc = FormatSize(state.TotalBytes, fs);
    return v;
}

std::string FreeSpaceText(const std::string& folder, const FormatSettings& fs)
{
    return FormatSize(FreeBytesOf(folder), fs);
}

} // namespace vt
