// vantaro-cli info FILE...: for each file the text the main window's
// status label shows when that file alone is selected: its title key and
// frame size for an ".avi" name, "n.a." for any other.
#include <cstdio>

#include "app/ProgramState.h"
#include "cli/Cli.h"
#include "media/SelectionInfo.h"
#include "platform/Error.h"

namespace vt::cli {

namespace {

int RunInfo(const std::vector<std::string>& args)
{
    std::vector<std::string> files;
    if (int rc = ParsePathArgs("info", args, "manca il file", files); rc >= 0)
        return rc;

    ProgramState state;
    int status = kExitOk;
    for (const auto& file : files) {
        // Folder and name as the shell list gives them; a bare name is in
        // the working folder.
        const auto slash = file.rfind('/');
        const std::string folder = slash == std::string::npos ? "." : file.substr(0, slash);
        const std::string name = slash == std::string::npos ? file : file.substr(slash + 1);
        try {
            PrintRecord({AviInfoText(state, folder, name)});
        } catch (const PlatformError& e) {
            std::fflush(stdout);
            Failure(file + ": " + e.what());
            status = kExitFailed;
        }
    }
    std::fflush(stdout);
    return status;
}

const RegisterSubcommand reg({"info", "info FILE...",
                              "chiave titolo e risoluzione di un file .avi, come nella barra di stato",
                              RunInfo});

} // namespace

} // namespace vt::cli
