#include "media/PlayerLaunch.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/Error.h"
#include "platform/Files.h"

extern char** environ;

namespace vt {

namespace {

// Players started and not yet reaped. Only these pids are ever waited
// for: a waitpid(-1) would take the exit status of children that other
// parts of the program (Qt) wait for themselves.
std::vector<pid_t>& StartedPlayers()
{
    static std::vector<pid_t> pids;
    return pids;
}

void ReapEndedPlayers()
{
    auto& pids = StartedPlayers();
    pids.erase(std::remove_if(pids.begin(), pids.end(),
                              [](pid_t p) {
                                  int status = 0;
                                  pid_t r = waitpid(p, &status, WNOHANG);
                                  return r == p || (r < 0 && errno == ECHILD);
                              }),
               pids.end());
}

} // namespace

PlayerCommand BuildPlayerCommand(const std::string& player, const std::string& first, const std::string& second,
                                 const std::string& sideBySide)
{
    if (second.empty())
        return {player, {first}};
    return {sideBySide, {first, second}};
}

std::string SideBySidePlayerIn(const std::string& programFolder)
{
    if (!programFolder.empty()) {
        const std::string beside = programFolder + kSideBySidePlayer;
        if (FileExists(beside) && access(beside.c_str(), X_OK) == 0)
            return beside;
    }
    return kSideBySidePlayer;
}

void SpawnDetached(const PlayerCommand& cmd)
{
    ReapEndedPlayers();
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(cmd.program.c_str()));
    for (const auto& a : cmd.args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);

    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    // A session of its own: a Ctrl-C in the terminal the program was
    // started from does not reach the player. Signals the program ignores
    // or blocks (the CLI catches SIGINT, a broken pipe may be ignored) go
    // back to their defaults in the player.
    sigset_t none, defaults;
    sigemptyset(&none);
    sigemptyset(&defaults);
    for (int sig : {SIGINT, SIGQUIT, SIGPIPE, SIGTERM, SIGHUP, SIGCHLD})
        sigaddset(&defaults, sig);
    posix_spawnattr_setsigmask(&attr, &none);
    posix_spawnattr_setsigdefault(&attr, &defaults);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    pid_t pid = 0;
    const int err = cmd.program.empty()
                        ? ENOENT
                        : posix_spawnp(&pid, cmd.program.c_str(), nullptr, &attr, argv.data(), environ);
    posix_spawnattr_destroy(&attr);
    if (err != 0)
        ThrowSystemError(err, cmd.program.empty() ? std::string("(nessun player)") : cmd.program);
    StartedPlayers().push_back(pid);
}

void PlayVideo(const std::string& player, const std::string& first, const std::string& second, const Spawner& spawn)
{
    const std::string sideBySide = second.empty() ? std::string() : SideBySidePlayerIn(ExtractFilePath(ExecutablePath()));
    const PlayerCommand cmd = BuildPlayerCommand(player, first, second, sideBySide);
    if (spawn)
        spawn(cmd);
    else
        SpawnDetached(cmd);
}

std::string PreviewFile(const ShellRows& rows)
{
    const int row = rows.FirstSelected();
    if (row < 0)
        return {};
    return rows.FolderPath() + PathDelim + rows.Caption(row);
}

} // namespace vt
