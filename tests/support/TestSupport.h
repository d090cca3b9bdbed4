#pragma once
// Helpers shared by the tests: running the built command-line companion,
// and giving a file the last-write time of a chosen day.
#include <array>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <iterator>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>

namespace vt::test {

#ifdef VT_CLI_PATH

struct CliRun {
    int status = -1;
    std::string out;
    std::string err; // only when stderr went to a file
};

namespace detail {
inline CliRun RunCliCommand(const std::string& args, const std::string& stderrTo)
{
    std::string cmd = std::string("'") + VT_CLI_PATH + "' " + args + " " + stderrTo;
    FILE* p = popen(cmd.c_str(), "r");
    CliRun r;
    std::array<char, 4096> buf;
    while (std::size_t n = fread(buf.data(), 1, buf.size(), p))
        r.out.append(buf.data(), n);
    int st = pclose(p);
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    return r;
}
} // namespace detail

// Runs vantaro-cli with `args` (already quoted for the shell); stdout is
// captured, stderr too when asked, else thrown away.
inline CliRun RunCli(const std::string& args, bool withStderr = false)
{
    return detail::RunCliCommand(args, withStderr ? "2>&1" : "2>/dev/null");
}

// The same with stderr written to `errFile` and read back into `err`.
inline CliRun RunCli(const std::string& args, const std::string& errFile)
{
    CliRun r = detail::RunCliCommand(args, "2>'" + errFile + "'");
    std::ifstream in(errFile, std::ios::binary);
    r.err.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return r;
}

#endif // VT_CLI_PATH

// A path quoted for the shell (paths of the tests hold no single quote).
inline std::string Q(const std::string& s) { return "'" + s + "'"; }

// Sets the last-write time to noon, local time, of the given day; the link
// itself when `path` is a symbolic link. False when it failed.
inline bool SetLocalDate(const std::string& path, int year, int month, int day)
{
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = 12;
    tm.tm_isdst = -1;
    timespec ts[2];
    ts[0].tv_sec = ts[1].tv_sec = std::mktime(&tm);
    ts[0].tv_nsec = ts[1].tv_nsec = 0;
    return utimensat(AT_FDCWD, path.c_str(), ts, AT_SYMLINK_NOFOLLOW) == 0;
}

} // namespace vt::test
