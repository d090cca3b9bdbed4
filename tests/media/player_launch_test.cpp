#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <sys/wait.h>
#include <thread>

#include "MediaFixtures.h"
#include "media/PlayerLaunch.h"
#include "platform/Error.h"

using namespace vt;
using namespace vt::test;

namespace {

std::vector<std::string> SplitNul(const std::string& s)
{
    std::vector<std::string> out;
    std::size_t from = 0;
    for (std::size_t i = 0; i < s.size(); ++i)
        if (s[i] == '\0') {
            out.push_back(s.substr(from, i - from));
            from = i + 1;
        }
    return out;
}

// Waits for a file the detached player writes.
std::string WaitForFile(const std::string& path)
{
    for (int i = 0; i < 200 && !FileExists(path + ".done"); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return FileExists(path) ? ReadWholeFile(path) : std::string();
}

void WriteScript(const std::string& path, const std::string& body)
{
    std::ofstream(path, std::ios::binary) << "#!/bin/sh\n" << body;
    chmod(path.c_str(), 0755);
}

} // namespace

TEST(PlayerLaunch, ProgramAndArguments)
{
    std::vector<PlayerCommand> spawned;
    const Spawner record = [&](const PlayerCommand& c) { spawned.push_back(c); };
    const std::string quoted = "/srv/Films/L'\"uomo\" $HOME.avi";
    PlayVideo("xdg-open", quoted, {}, record);
    PlayVideo("/usr/bin/mpv", "/srv/a.avi", "//b c.avi", record);
    ASSERT_EQ(spawned.size(), 2u);
    EXPECT_EQ(spawned[0], (PlayerCommand{"xdg-open", {quoted}}));
    EXPECT_EQ(spawned[1], (PlayerCommand{SideBySidePlayerIn(ExtractFilePath(ExecutablePath())), {"/srv/a.avi", "//b c.avi"}}));
    EXPECT_EQ(ExtractFileName(spawned[1].program), "Bivisore");

    // The shell list's folder at the root doubles the separator.
    VectorRows root("/", {{"boot", false}, {"Matrix.avi", true}, {"x.avi", true}});
    EXPECT_EQ(PreviewFile(root), "//Matrix.avi");
    EXPECT_EQ(PreviewFile(VectorRows("/srv", {{"a.avi", false}})), "");
}

TEST(PlayerLaunch, SideBySideLauncherBesideTheExecutableFirst)
{
    TempTree t;
    const std::string folder = t.root() + "/";
    EXPECT_EQ(SideBySidePlayerIn(folder), "Bivisore");
    t.File("Bivisore", 3); // not executable: the search path's one
    EXPECT_EQ(SideBySidePlayerIn(folder), "Bivisore");
    chmod(t.Path("Bivisore").c_str(), 0755);
    EXPECT_EQ(SideBySidePlayerIn(folder), folder + "Bivisore");
}

TEST(PlayerLaunch, NamesReachThePlayerUnchanged)
{
    TempTree t;
    const std::string player = t.Path("player");
    WriteScript(player, "printf '%s\\0' \"$@\" > \"$(dirname \"$0\")/args\"; : > \"$(dirname \"$0\")/args.done\"\n");
    const std::string name = t.root() + "/Il \"Gladiatore\" l'uomo $PATH `id`\nseconda riga.avi";
    PlayVideo(player, name);
    EXPECT_EQ(SplitNul(WaitForFile(t.Path("args"))), (std::vector<std::string>{name}));

    try {
        SpawnDetached({t.Path("no-player"), {name}});
        FAIL() << "a missing player must be reported";
    } catch (const PlatformError& e) {
        EXPECT_EQ(std::string(e.what()), "File not found: " + t.Path("no-player"));
    }
}

TEST(PlayerLaunch, BivisoreShowsBothFilesInOneMpvWindow)
{
    const std::string script = std::string(VT_TEST_DATA) + "/../../scripts/Bivisore";
    ASSERT_TRUE(FileExists(script));
    TempTree t;
    const std::string bin = t.Dir("bin");
    auto run = [&](const std::string& a, const std::string& b, const std::string& err) {
        const std::string cmd = "env PATH='" + bin + "' /bin/sh '" + script + "' '" + a + "' '" + b + "' 2>'" + err + "'";
        const int st = std::system(cmd.c_str());
        return WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    };
    // No mpv on the path: a clear message, no silent failure.
    EXPECT_EQ(run("/m/a.avi", "/m/b.avi", t.Path("err")), 127);
    EXPECT_NE(ReadWholeFile(t.Path("err")).find("mpv non è installato"), std::string::npos);

    WriteScript(bin + "/mpv", "printf '%s\\0' \"$@\" > '" + t.Path("args") + "'\n");
    EXPECT_EQ(run("/m/a b.avi", "/m/c.avi", t.Path("err")), 0);
    const auto args = SplitNul(ReadWholeFile(t.Path("args")));
    EXPECT_EQ(args, (std::vector<std::string>{
                        "--force-window=yes", "--external-file=/m/c.avi",
                        "--lavfi-complex=[vid1]scale=-2:360[l];[vid2]scale=-2:360[r];[l][r]hstack[vo]", "--",
                        "/m/a b.avi"}));
}
