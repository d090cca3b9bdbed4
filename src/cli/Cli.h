#pragma once
// The command-line companion's subcommands. Each lives in a file of its own
// under src/cli/ and registers itself with a static VT_SUBCOMMAND object.
//
// Conventions: data on stdout, one record a line, fields separated by TAB,
// texts as the windows show them; messages on stderr. Exit status 0 done,
// 1 failed (a message says why), 2 bad arguments (with the usage), 130
// interrupted. No settings file is read: options have the first-start
// defaults and a flag each.
#include <string>
#include <vector>

namespace vt::cli {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;
constexpr int kExitInterrupted = 130;

struct Subcommand {
    std::string name;
    std::string usage;   // "NAME ARGS..." as shown by --help
    std::string summary; // one line
    int (*run)(const std::vector<std::string>& args);
};

struct RegisterSubcommand {
    explicit RegisterSubcommand(Subcommand cmd);
};

const std::vector<Subcommand>& Subcommands();

// Prints "vantaro-cli: <message>" and the subcommand's usage on stderr; 2.
int UsageError(const std::string& subcommand, const std::string& message);
// Prints the message on stderr; 1.
int Failure(const std::string& message);

// Takes the arguments of a subcommand that wants only paths: "--" ends the
// options, any other option is a usage error. Returns -1 when all is well,
// else the exit status of the usage error (also when no path is given,
// with `missingText`).
int ParsePathArgs(const std::string& subcommand, const std::vector<std::string>& args,
                  const std::string& missingText, std::vector<std::string>& paths);

// Writes a line of TAB-separated fields to stdout, the bytes as they are.
void PrintRecord(const std::vector<std::string>& fields);

} // namespace vt::cli
