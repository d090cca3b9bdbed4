// vantaro-cli list FOLDER: the rows the shell list shows for a folder, in its
// order (folders first, then files, names compared case-blind).
#include "cli/Cli.h"
#include "platform/ShellRows.h"

namespace vt::cli {

namespace {
int Run(const std::vector<std::string>& args)
{
    if (args.size() != 1)
        return UsageError("list", "serve una cartella");
    FolderRows rows(args[0]); // an unreadable folder throws: exit 1 with its text
    for (const auto& e : rows.entries())
        PrintRecord({e.name, e.isFolder ? "cartella" : "file", std::to_string(e.size)});
    return kExitOk;
}

const RegisterSubcommand reg{{"list", "list CARTELLA", "righe della cartella nell'ordine della lista file (nome, tipo, byte)", Run}};
} // namespace

} // namespace vt::cli
