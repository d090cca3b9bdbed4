#pragma once
// What the media subcommands (scan, dupes) share: their options, the scan
// of the medium as the window runs it, and the six columns of a title.
#include <string>
#include <vector>

#include "app/ProgramState.h"
#include "archive/FilmArchive.h"
#include "cli/Cli.h"
#include "media/MediaScan.h"
#include "platform/ConsoleUi.h"
#include "platform/Files.h"
#include "platform/ShellRows.h"

namespace vt::cli {


struct MediaArgs {
    std::string medium;
    std::string archive; // empty: no archive, every DB is "-"
    bool resolution = true;
    bool date = false, size = false, res = false; // dupes criteria
    bool timing = false;                          // dupes: time of the search on stderr
};

// Parses MEDIUM and the options `allowed` of the subcommand; returns -1 when
// all is well, else the exit status of the usage error.
inline int ParseMediaArgs(const std::string& cmd, const std::vector<std::string>& args,
                          const std::vector<std::string>& allowed, MediaArgs& out)
{
    auto isAllowed = [&](const std::string& a) {
        for (const auto& o : allowed)
            if (o == a)
                return true;
        return false;
    };
    bool optionsEnd = false;
    std::vector<std::string> plain;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (!optionsEnd && a == "--") {
            optionsEnd = true;
            continue;
        }
        if (optionsEnd || a.size() < 2 || a[0] != '-') {
            plain.push_back(a);
            continue;
        }
        if (!isAllowed(a))
            return UsageError(cmd, "opzione sconosciuta: " + a);
        if (a == "--archive") {
            if (i + 1 >= args.size())
                return UsageError(cmd, "--archive vuole una cartella");
            out.archive = args[++i];
        } else if (a == "--no-res") {
            out.resolution = false;
        } else if (a == "--date") {
            out.date = true;
        } else if (a == "--size") {
            out.size = true;
        } else if (a == "--res") {
            out.res = true;
        } else if (a == "--timing") {
            out.timing = true;
        }
    }
    if (plain.empty())
        return UsageError(cmd, "manca il media da scandire");
    if (plain.size() > 1)
        return UsageError(cmd, "un solo media, per favore");
    out.medium = plain[0];
    return -1;
}

// Loads the archive when one was given, then scans the medium as
// PUMHDEXEC does. Returns -1 when the titles are in state.MediaTitles,
// else the exit status.
inline int RunMediaScan(const MediaArgs& a, ProgramState& state, bool& stopped)
{
    if (!a.archive.empty()) {
        SetArchivePaths(state, a.archive);
        if (!LoadFilmArchive(state))
            return Failure("archivio films non trovato: " + state.FilmsFile);
    }
    if (!DirectoryExists(a.medium))
        return Failure("cartella non trovata: " + a.medium);
    state.MediaPath = MediaPathFor(NormalizeFolderPath(a.medium));
    ConsoleUi::CatchInterrupt();
    ConsoleUi ui;
    ui.StopOnInterrupt(state.StopRequested);
    stopped = !ScanMedium(state, state.MediaPath, ui, {a.resolution, {}});
    if (ConsoleUi::Interrupted())
        return kExitInterrupted;
    return -1;
}

inline std::vector<std::string> MediaColumns(const TMediaTitle& t)
{
    return {t.Titolo, t.DimMB, t.Data, t.Path, t.DB, t.Ris};
}

} // namespace vt::cli
