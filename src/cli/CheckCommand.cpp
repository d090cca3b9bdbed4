// vantaro-cli check FOLDER (--archive DIR | --medium DIR) [--no-date]
// [--no-size] [--no-res] [--details]: the title check of FOLDER as the
// program runs it with "Titolo Smart" chosen.
#include <cstdio>

#include "archive/TitleCheck.h"
#include "cli/MediaCli.h"

namespace vt::cli {

namespace {

const char* kUsage = "check CARTELLA (--archive DIR | --medium DIR) [--no-date] [--no-size] [--no-res] [--details]";

// What the check left on a row of the folder.
const char* ResultWord(const ShellRows& rows, int i)
{
    if (rows.Selected(i))
        return "missing";
    switch (rows.StateImage(i)) {
    case kOutcomeArchiveEqual:
    case kOutcomeMediaEqual: return "same";
    case kOutcomeArchiveDiffers:
    case kOutcomeMediaDiffers: return "differs";
    default: return "skipped";
    }
}

int RunCheck(const std::vector<std::string>& args)
{
    std::string folder, archive, medium;
    TitleCheckOptions opt{1, true, true, true};
    bool details = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if ((a == "--archive" || a == "--medium") && i + 1 < args.size())
            (a == "--archive" ? archive : medium) = args[++i];
        else if (a == "--no-date")
            opt.testDate = false;
        else if (a == "--no-size")
            opt.testSize = false;
        else if (a == "--no-res")
            opt.testResolution = false;
        else if (a == "--details")
            details = true;
        else if (!a.empty() && a[0] != '-' && folder.empty())
            folder = a;
        else
            return UsageError("check", "argomento non valido: " + a);
    }
    if (folder.empty() || archive.empty() == medium.empty())
        return UsageError("check", "servono la cartella e uno fra --archive e --medium");
    if (!DirectoryExists(folder))
        return UsageError("check", "cartella non trovata: " + folder);

    ProgramState state;
    const CheckMode mode = archive.empty() ? CheckMode::Media : CheckMode::Archive;
    if (mode == CheckMode::Archive) {
        SetArchivePaths(state, archive);
        if (!LoadFilmArchive(state))
            return Failure("archivio films non trovato: " + state.FilmsFile);
    } else {
        MediaArgs m;
        m.medium = medium;
        m.resolution = opt.testResolution;
        bool stopped = false;
        if (int rc = RunMediaScan(m, state, stopped); rc >= 0)
            return rc;
    }

    FolderRows rows(folder);
    std::vector<ComparisonRow> found;
    // The matched record number or media position of each examined row.
    std::vector<std::string> matched(static_cast<std::size_t>(rows.RowCount()));
    ConsoleUi ui;
    ComparisonSink sink{[&] { found.clear(); }, [&](const ComparisonRow& r) { found.push_back(r); },
                        [&](int row, const MatchResult& m) {
                            if (m.outcome != kOutcomeNotFound)
                                matched[static_cast<std::size_t>(row)] = std::to_string(m.index);
                        }};
    RunTitleCheck(mode, opt, rows, state.FilmArchive, state.MediaTitles, state.MediaPixels, ui, sink);

    if (details) {
        for (const auto& r : found) {
            std::vector<std::string> fields{r.caption};
            fields.insert(fields.end(), r.subItems.begin(), r.subItems.end());
            PrintRecord(fields);
        }
        return kExitOk;
    }
    for (int i = 0; i < rows.RowCount(); ++i)
        PrintRecord({ResultWord(rows, i), matched[static_cast<std::size_t>(i)], rows.Caption(i)});
    std::fflush(stdout);
    return kExitOk;
}

const RegisterSubcommand reg({"check", kUsage,
                              "controllo titoli della cartella sull'archivio o sul media (esito, numero, nome)",
                              RunCheck});

} // namespace

} // namespace vt::cli
