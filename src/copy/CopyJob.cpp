#include "copy/CopyJob.h"

#include "copy/Stopwatch.h"
#include "platform/Files.h"

namespace vt {

std::string ThroughputText(std::int64_t bytes, std::int32_t secs, const FormatSettings& fs)
{
    if (secs < 1)
        return kNoThroughputText;
    return FormatFixed(static_cast<double>(bytes) / secs / 1048576, 2, 3, fs);
}

void PlayVoice(UiServices& ui, bool vocal, const std::string& programFolder, const std::string& name)
{
    if (!vocal)
        return;
    const std::string path = programFolder + name;
    if (FileExists(path))
        ui.PlaySound(path);
}

namespace {

// Ends the job in a usable state also when something throws: the button is
// enabled again and the job no longer counts as running.
class RunningJob {
public:
    RunningJob(ProgramState& state, CopyJobView& view) : state_(state), view_(view) {}
    ~RunningJob()
    {
        state_.CopyRunning = false;
        view_.SetStartEnabled(true);
    }
    RunningJob(const RunningJob&) = delete;
    RunningJob& operator=(const RunningJob&) = delete;

private:
    ProgramState& state_;
    CopyJobView& view_;
};

} // namespace

CopyJobResult RunCopyJob(ProgramState& state, const CopyJobOptions& options, CopyJobView& view, UiServices& ui,
                         FileCopier& copier)
{
    CopyJobResult result;
    if (state.CopyRunning) {
        ui.Beep();
        return result;
    }
    auto ticks = options.ticks ? options.ticks : std::function<std::uint32_t()>(CurrentTicks);
    auto elapsedSecs = [&] { return SecsFromTicks(ElapsedTicks(state.CopyTimer, ticks())); };

    for (int d = 0; d < state.DestCount; ++d) {
        view.SetDestState(d, kDestWaiting);
        view.SetDestTexts(d, kUnknownColumnText, kUnknownColumnText);
    }
    view.SetTotalTime(kUnknownTotalText);
    view.SetProgressMax(state.TotalBytes * state.DestCount / 1000);
    view.SetProgressPosition(0);
    view.SetStartEnabled(false);

    state.CopiedBytes = 0;
    state.CopyRunning = true;
    RunningJob running(state, view);
    state.CopyTimer = ticks();

    for (int d = 0; d < state.DestCount; ++d) {
        const std::string dir = state.DestItems[static_cast<std::size_t>(d)].Directory;
        view.SetDestState(d, kDestCopying);
        const std::int32_t startSecs = elapsedSecs();
        for (int e = 0; e < state.FileCount; ++e)
            view.SetEntryState(e, kEntryWaiting);

        // The bytes of the entries that reached this destination: its
        // throughput is that of the copy that happened, not of the list.
        std::int64_t destBytes = 0;
        for (int e = 0; e < state.FileCount; ++e) {
            const FileItem item = state.FileItems[static_cast<std::size_t>(e)];
            view.ScrollEntryIntoView(e);
            view.SetEntryState(e, kEntryCopying);
            const std::string source = item.Folder + PathDelim + item.Name;
            const std::string target = dir + PathDelim + item.Name;
            if (options.skipExisting && FileExists(target)) { // a file, not a folder
                view.SetEntryState(e, kEntrySkipped);
                ++result.skipped;
                continue;
            }
            const std::uint32_t r = ShellCopy(state, source, dir, false, options.hideApi, ui, copier);
            if (r == 0) {
                view.SetEntryState(e, kEntryCopied);
                ++result.copied;
                state.CopiedBytes += item.Size;
                destBytes += item.Size;
                view.SetProgressPosition(state.CopiedBytes / 1000);
                continue;
            }
            if (r & kCopyFailed) {
                view.SetEntryState(e, kEntryFailed);
                ++result.failed;
            }
            if (!state.CopyRunning) {
                result.aborted = true;
                return result;
            }
        }
        const std::int32_t secs = elapsedSecs() - startSecs;
        view.SetDestState(d, kDestDone);
        view.SetDestTexts(d, FormatHMS(static_cast<std::uint32_t>(secs)), ThroughputText(destBytes, secs, options.format));
        PlayVoice(ui, options.vocal, options.programFolder, kDestVoice);
    }
    view.SetTotalTime(FormatHMS(static_cast<std::uint32_t>(elapsedSecs())));
    view.SetProgressPosition(state.TotalBytes * state.DestCount / 1000);
    state.CopyRunning = false;
    view.SetStartEnabled(true);
    PlayVoice(ui, options.vocal, options.programFolder, kJobVoice);
    return result;
}

} // namespace vt
