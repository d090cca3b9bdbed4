// vantaro-cli size PATH...: the size the copy list stores for each path (a
// file's size, or the folder-size walk's total), with FormatSize beside it.
#include <cerrno>
#include <cstdio>
#include <sys/stat.h>

#include "app/ProgramState.h"
#include "cli/Cli.h"
#include "platform/ConsoleUi.h"
#include "platform/Error.h"
#include "platform/Regional.h"
#include "selection/CopyList.h"

namespace vt::cli {

namespace {


std::string NotFoundText(const std::string& path)
{
    struct stat st {};
    if (lstat(path.c_str(), &st) == 0 || errno == ENOENT || errno == ENOTDIR)
        return "File not found: " + path;
    return SystemErrorText(errno) + ": " + path;
}

int RunSize(const std::vector<std::string>& args)
{
    std::vector<std::string> paths;
    if (int rc = ParsePathArgs("size", args, "manca il percorso", paths); rc >= 0)
        return rc;

    ConsoleUi::CatchInterrupt();
    ProgramState state;
    ConsoleUi ui;
    ui.StopOnInterrupt(state.StopRequested);
    int status = kExitOk;
    for (const auto& path : paths) {
        MeasuredEntry m = MeasureEntry(state, path, ui);
        if (ConsoleUi::Interrupted())
            return kExitInterrupted;
        if (!m.found) {
            Failure(NotFoundText(path));
            status = kExitFailed;
            continue;
        }
        PrintRecord({std::to_string(m.size), FormatSize(m.size, ItalianFormat()), path});
    }
    std::fflush(stdout);
    return status;
}

const RegisterSubcommand kSize({"size", "size PATH...",
                                "dimensione di file e cartelle come nella lista da copiare", RunSize});

} // namespace

} // namespace vt::cli
