// vantaro-cli key NAME...: the smart title key of each name, one a line.
#include "archive/TitleKey.h"
#include "cli/Cli.h"

namespace vt::cli {

namespace {

int RunKey(const std::vector<std::string>& args)
{
    if (args.empty())
        return UsageError("key", "manca il nome");
    for (const auto& name : args)
        PrintRecord({SmartTitleKey(name)});
    return kExitOk;
}

const RegisterSubcommand reg({"key", "key NOME...", "chiave titolo smart di ogni nome", RunKey});

} // namespace

} // namespace vt::cli
