#include "copy/ShellCopy.h"

namespace vt {

CopyOutcome DiskCopier::Copy(const std::vector<std::string>& sources, const std::string& destFolder, bool)
{
    CopyMonitor none;
    CopyResult r = CopyPaths(sources, destFolder, monitor_ ? *monitor_ : none, tuning_);
    return {r.failed, r.aborted, r.error};
}

std::vector<std::string> SplitSources(const std::string& source, bool list)
{
    if (!list)
        return {source};
    // The request's buffer holds NUL-separated paths and ends at the first
    // empty one, so "a;;b" copies only "a".
    std::vector<std::string> out;
    std::size_t start = 0;
    for (;;) {
        std::size_t end = source.find(';', start);
        std::string part = source.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (part.empty())
            break;
        out.push_back(std::move(part));
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return out;
}

std::uint32_t ShellCopy(ProgramState& state, const std::string& source, const std::string& destFolder, bool list,
                        bool hideApi, UiServices& ui, FileCopier& copier)
{
    if (source.size() >= kSourceLimit) {
        ui.ShowError(kSourceTooLongText);
        return kCopyAborted;
    }
    const std::vector<std::string> sources = SplitSources(source, list);
    std::uint32_t result = 0;
    if (sources.empty())
        return result;
    CopyOutcome o = copier.Copy(sources, destFolder, !hideApi);
    if (o.failed) {
        result |= kCopyFailed;
        if (!hideApi)
            ui.ShowError(o.error);
    }
    if (o.aborted) {
        state.CopyRunning = false;
        result |= kCopyAborted;
    }
    return result;
}

} // namespace vt
