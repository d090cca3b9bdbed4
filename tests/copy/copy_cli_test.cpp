#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <regex>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "CopyTestUtil.h"
#include "support/TestSupport.h"
#include "copy/FileCopy.h"

extern char** environ;

namespace {

using namespace vt::copytest;
using vt::test::CliRun;
using vt::test::Q;
using vt::test::RunCli;

// Starts vantaro-cli copy in the background, output thrown away.
pid_t SpawnCopy(const std::vector<std::string>& args)
{
    std::vector<std::string> all{VT_CLI_PATH, "copy"};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : all)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_addopen(&fa, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&fa, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    posix_spawn(&pid, VT_CLI_PATH, &fa, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&fa);
    return pid;
}

// Waits until `path` exists (the copy is inside the file), up to 10 s.
bool WaitFor(const std::string& path, pid_t pid)
{
    auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < until) {
        if (access(path.c_str(), F_OK) == 0)
            return true;
        int st;
        if (waitpid(pid, &st, WNOHANG) == pid)
            return false;
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    }
    return false;
}

TEST(CopyCli, CopiesToEveryDestinationThenSkips)
{
    ScratchDir s, d;
    WriteFile(s / "film.avi", Pattern(100000));
    WriteFile(s / "Serie/ep1.avi", "ep1");
    std::filesystem::create_directories(d / "A");
    std::filesystem::create_directories(d / "B");
    const std::string args = "--to " + Q(d / "A") + " --to " + Q(d / "B") + " " + Q(s / "film.avi") + " " + Q(s / "Serie/");
    CliRun r = RunCli("copy " + args);
    ASSERT_EQ(r.status, 0) << r.out;
    std::regex expected("copied\t" + d / "A/film.avi\n" + "copied\t" + d / "A/Serie\n" + d / "A" +
                        "\t00:00:0\\d\t(na|\\d+,\\d\\d)\n" + "copied\t" + d / "B/film.avi\n" + "copied\t" + d / "B/Serie\n" +
                        d / "B" + "\t00:00:0\\d\t(na|\\d+,\\d\\d)\n" + "Tempo totale : 00:00:0\\d\n");
    EXPECT_TRUE(std::regex_match(r.out, expected)) << r.out;
    EXPECT_EQ(ReadFile(d / "B/film.avi"), Pattern(100000));
    EXPECT_EQ(ReadFile(d / "B/Serie/ep1.avi"), "ep1");

    // Skip is the default: the file is there, the folder is copied again.
    r = RunCli("copy --to " + Q(d / "A") + " " + Q(s / "film.avi") + " " + Q(s / "Serie"));
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "skipped\t" + d / "A/film.avi");
    r = RunCli("copy --overwrite --to " + Q(d / "A") + " " + Q(s / "film.avi"));
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "copied\t" + d / "A/film.avi");
}

TEST(CopyCli, FailuresAndBadArguments)
{
    ScratchDir s, d;
    WriteFile(s / "Serie/ep1.avi", "ep1");
    WriteFile(s / "film.avi", "f");
    WriteFile(d / "Serie", "un file dove andrebbe la cartella");
    CliRun r = RunCli("copy --overwrite --to " + Q(d.path()) + " " + Q(s / "Serie") + " " + Q(s / "film.avi"));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("failed\t" + d / "Serie\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("copied\t" + d / "film.avi\n"), std::string::npos) << r.out; // the job goes on

    EXPECT_EQ(RunCli("copy --to " + Q(d / "Serie") + " " + Q(s / "film.avi")).status, 2); // not a folder
    EXPECT_EQ(RunCli("copy --to " + Q(d.path()) + " " + Q(s / "manca.avi")).status, 2);
    EXPECT_EQ(RunCli("copy " + Q(s / "film.avi")).status, 2);
    EXPECT_EQ(RunCli("copy --to " + Q(d.path())).status, 2);
    EXPECT_EQ(RunCli("copy --bogus --to " + Q(d.path()) + " " + Q(s / "film.avi")).status, 2);
}

// Killed in the middle of a large file: the final name never holds a part
// of it, and a rerun with the default skip completes the copy and removes
// what the killed one left.
TEST(CopyCli, KillInTheMiddleThenRerun)
{
    ScratchDir s, d;
    const std::string data = Pattern(40 << 20, 7);
    WriteFile(s / "grande.avi", data);
    const std::string tmp = d / vt::TempNameFor("grande.avi");
    pid_t pid = SpawnCopy({"--to", d.path(), s / "grande.avi"});
    ASSERT_GT(pid, 0);
    const bool inside = WaitFor(tmp, pid);
    kill(pid, SIGKILL);
    int st = 0;
    waitpid(pid, &st, 0);
    EXPECT_TRUE(inside) << "the copy ended before it could be killed inside the file";
    if (std::filesystem::exists(d / "grande.avi")) {
        EXPECT_TRUE(ReadFile(d / "grande.avi") == data) << "final name holds a partial copy";
    }

    CliRun r = RunCli("copy --to " + Q(d.path()) + " " + Q(s / "grande.avi"));
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(ReadFile(d / "grande.avi") == data);
    EXPECT_TRUE(TempFilesBelow(d.path()).empty());
}

// Ctrl-C cancels like "Annulla": exit 130, no temporary file, the old
// target as it was.
TEST(CopyCli, InterruptCancels)
{
    ScratchDir s, d;
    const std::string data = Pattern(40 << 20, 8);
    WriteFile(s / "grande.avi", data);
    WriteFile(d / "grande.avi", "vecchio");
    pid_t pid = SpawnCopy({"--overwrite", "--to", d.path(), s / "grande.avi"});
    ASSERT_GT(pid, 0);
    const bool inside = WaitFor(d / vt::TempNameFor("grande.avi"), pid);
    kill(pid, SIGINT);
    int st = 0;
    waitpid(pid, &st, 0);
    ASSERT_TRUE(WIFEXITED(st));
    EXPECT_EQ(WEXITSTATUS(st), 130);
    const std::string now = ReadFile(d / "grande.avi");
    EXPECT_TRUE(now == "vecchio" || (!inside && now == data)); // a cancel that came too late keeps the whole copy
    EXPECT_TRUE(inside);
    EXPECT_TRUE(TempFilesBelow(d.path()).empty());
}

} // namespace
