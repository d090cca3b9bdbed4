// vantaro-cli scan MEDIUM [--archive DIR] [--no-res]: the media scan of
// MEDIUM, one line per title in the order found, then the title count as
// the list window's status bar shows it.
#include <cstdio>

#include "cli/MediaCli.h"

namespace vt::cli {

namespace {

int RunScan(const std::vector<std::string>& args)
{
    MediaArgs a;
    if (int rc = ParseMediaArgs("scan", args, {"--archive", "--no-res"}, a); rc >= 0)
        return rc;
    ProgramState state;
    bool stopped = false;
    if (int rc = RunMediaScan(a, state, stopped); rc >= 0)
        return rc;
    for (const auto& t : state.MediaTitles)
        PrintRecord(MediaColumns(t));
    PrintRecord({MediaCountText(state)});
    std::fflush(stdout);
    return kExitOk;
}

const RegisterSubcommand reg({"scan", "scan MEDIA [--archive DIR] [--no-res]",
                              "scansione titoli .avi del media: titolo, MB, data, cartella, DB, risoluzione",
                              RunScan});

} // namespace

} // namespace vt::cli
