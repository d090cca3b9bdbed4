// vantaro-cli: the program's logic from a terminal or a script.
#include <cstdio>
#include <string>
#include <vector>

#include "app/Version.h"
#include "cli/Cli.h"
#include "platform/Error.h"

namespace vt::cli {

namespace {
std::vector<Subcommand>& Registry()
{
    static std::vector<Subcommand> r;
    return r;
}

void PrintHelp(std::FILE* out)
{
    std::fprintf(out, "uso: vantaro-cli SOTTOCOMANDO [ARGOMENTI...]\n"
                      "     vantaro-cli --version | --help\n\nSottocomandi:\n");
    for (const auto& c : Subcommands())
        std::fprintf(out, "  %-34s %s\n", c.usage.c_str(), c.summary.c_str());
}
} // namespace

RegisterSubcommand::RegisterSubcommand(Subcommand cmd) { Registry().push_back(std::move(cmd)); }

const std::vector<Subcommand>& Subcommands() { return Registry(); }

int UsageError(const std::string& subcommand, const std::string& message)
{
    std::fprintf(stderr, "vantaro-cli: %s\n", message.c_str());
    for (const auto& c : Subcommands())
        if (c.name == subcommand) {
            std::fprintf(stderr, "uso: vantaro-cli %s\n", c.usage.c_str());
            return kExitUsage;
        }
    PrintHelp(stderr);
    return kExitUsage;
}

int Failure(const std::string& message)
{
    std::fprintf(stderr, "vantaro-cli: %s\n", message.c_str());
    return kExitFailed;
}

int ParsePathArgs(const std::string& subcommand, const std::vector<std::string>& args,
                  const std::string& missingText, std::vector<std::string>& paths)
{
    bool optionsEnd = false;
    for (const auto& a : args) {
        if (!optionsEnd && a == "--") {
            optionsEnd = true;
            continue;
        }
        if (!optionsEnd && a.size() > 1 && a[0] == '-')
            return UsageError(subcommand, "opzione sconosciuta: " + a);
        paths.push_back(a);
    }
    if (paths.empty())
        return UsageError(subcommand, missingText);
    return -1;
}

void PrintRecord(const std::vector<std::string>& fields)
{
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i)
            line += '\t';
        line += fields[i];
    }
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), stdout);
}

} // namespace vt::cli

int main(int argc, char** argv)
{
    using namespace vt::cli;
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        PrintHelp(stderr);
        return kExitUsage;
    }
    const std::string& first = args[0];
    if (first == "--version") {
        std::printf("%s\n", vt::MainCaption().c_str());
        return kExitOk;
    }
    if (first == "--help" || first == "-h") {
        PrintHelp(stdout);
        return kExitOk;
    }
    for (const auto& c : Subcommands()) {
        if (c.name == first) {
            try {
                return c.run(std::vector<std::string>(args.begin() + 1, args.end()));
            } catch (const std::exception& e) {
                return Failure(e.what());
            }
        }
    }
    return UsageError(first, "sottocomando sconosciuto: " + first);
}
