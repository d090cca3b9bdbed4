// vantaro-cli archive DIR: loads DIR/films.txt as the program does and
// prints the status hint, then NUMBER, TITOLO and title key of each title.
#include <string>

#include "app/ProgramState.h"
#include "archive/FilmArchive.h"
#include "cli/Cli.h"

namespace vt::cli {

namespace {

int RunArchive(const std::vector<std::string>& args)
{
    if (args.size() != 1)
        return UsageError("archive", args.empty() ? "manca la cartella dell'archivio"
                                                  : "una sola cartella, per favore");
    ProgramState state;
    SetArchivePaths(state, args[0]);
    // The program switches the title check off without a word; here there
    // is nothing to print, so it is a failure with a reason.
    if (!LoadFilmArchive(state))
        return Failure("archivio films non trovato: " + state.FilmsFile);
    // The load either read the whole file or threw: nothing reaches stdout
    // from a file that failed.
    const FilmArchive& archive = state.FilmArchive;
    PrintRecord({ArchiveStatusHint(state)});
    for (std::int32_t i = 1; i <= archive.Count(); ++i)
        PrintRecord({std::to_string(i), archive[i].titolo, archive.TitleKey(i)});
    return kExitOk;
}

const RegisterSubcommand reg({"archive", "archive CARTELLA",
                              "carica films.txt della cartella: stato, poi numero, titolo e chiave",
                              RunArchive});

} // namespace

} // namespace vt::cli
