// vantaro-cli rename-plan FOLDER [options]: the proposals of the assisted
// rename window for the AVI files of a folder, and with --apply the rename
// of every row whose new file name differs from the file's name.
#include <cstdio>

#include "cli/Cli.h"
#include "platform/ShellRows.h"
#include "rename/AutoRename.h"

namespace vt::cli {

namespace {

constexpr const char* kName = "rename-plan";

int Run(const std::vector<std::string>& args)
{
    AutoOptions options;
    bool apply = false;
    std::string folder;
    bool haveFolder = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--keep-dots") {
            options.dotsToBlanks = false;
        } else if (a == "--case") {
            if (i + 1 >= args.size())
                return UsageError(kName, "--case vuole asis, first, upper o lower");
            const std::string& v = args[++i];
            if (v == "asis")
                options.letterCase = TitleCase::AsIs;
            else if (v == "first")
                options.letterCase = TitleCase::FirstUpper;
            else if (v == "upper")
                options.letterCase = TitleCase::Upper;
            else if (v == "lower")
                options.letterCase = TitleCase::Lower;
            else
                return UsageError(kName, "--case vuole asis, first, upper o lower: " + v);
        } else if (a == "--no-dvd") {
            options.markDvd = false;
        } else if (a == "--dvd-upper") {
            options.dvdMarking = DvdMarking::Capitals;
        } else if (a == "--no-cd") {
            options.markCd = false;
        } else if (a == "--apply") {
            apply = true;
        } else if (a.size() > 1 && a[0] == '-') {
            return UsageError(kName, "opzione sconosciuta: " + a);
        } else if (haveFolder) {
            return UsageError(kName, "una cartella sola");
        } else {
            folder = a;
            haveFolder = true;
        }
    }
    if (!haveFolder)
        return UsageError(kName, "serve una cartella");

    FolderRows shell(folder); // an unreadable folder throws: exit 1 with its text
    std::vector<TRenameRow> rows = RenameRowsOf(shell);
    ApplyAutoFunctions(rows, options);
    for (const auto& r : rows)
        PrintRecord({r.OldTitle, r.NewTitle, r.CDMark, r.DVDMark});
    if (!apply)
        return kExitOk;

    for (auto& r : rows)
        r.Ticked = r.NewFileName() != r.FileName;
    RenamePassResult pass = RenameTickedRows(rows, shell.FolderPath());
    for (int i : pass.failedRows) {
        const TRenameRow& r = rows[static_cast<std::size_t>(i)];
        PrintRecord({"failed", r.FileName, r.NewFileName()});
    }
    std::fflush(stdout);
    if (pass.Failed() == 0)
        return kExitOk;
    // The window's text; a line feed after its carriage return, so that on a
    // terminal the second line does not overwrite the first.
    std::string text = RenameFailedMessage(pass.Failed());
    std::string shown;
    for (char c : text) {
        shown += c;
        if (c == '\r')
            shown += '\n';
    }
    std::fprintf(stderr, "%s\n", shown.c_str());
    return kExitFailed;
}

const RegisterSubcommand reg{
    {kName,
     "rename-plan CARTELLA [--keep-dots] [--case asis|first|upper|lower] [--no-dvd] [--dvd-upper] [--no-cd] [--apply]",
     "titoli proposti dalla rinomina assistita (titolo, nuovo titolo, CD, DVD); --apply rinomina", Run}};

} // namespace

} // namespace vt::cli
