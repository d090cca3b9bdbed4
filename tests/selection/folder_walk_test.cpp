#include <gtest/gtest.h>

#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "app/ProgramState.h"
#include "platform/RecordingUi.h"
#include "selection/CopyList.h"
#include "TempTree.h"
#include "support/HookUi.h"

using namespace vt;
using vt::test::HookUi;
using vt::test::TempTree;

namespace {


struct WalkOutcome {
    std::int64_t bytes = 0;
    bool completed = false;
    int eventTurns = 0;
    std::vector<std::string> shown; // Label4, in order
};

WalkOutcome RunWalk(const std::string& path)
{
    ProgramState st;
    RecordingUi ui;
    WalkOutcome w;
    w.completed = GetFolderSize(st, path, ui, [&](const std::string& p) { w.shown.push_back(p); });
    w.bytes = st.FolderBytes;
    w.eventTurns = ui.eventTurns;
    return w;
}

// A folder with mode 0 cannot be read by its owner, except by root. Under
// root the walk runs in a child that has given up its privileges, so the
// unreadable folder is really unreadable. `unprivileged` tells the caller
// whether the permissions were in force.
WalkOutcome RunWalkUnprivileged(const std::string& path, bool& unprivileged)
{
    if (geteuid() != 0) {
        unprivileged = true;
        return RunWalk(path);
    }
    int fds[2];
    if (pipe(fds) != 0) {
        unprivileged = false;
        return RunWalk(path);
    }
    pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        std::string out;
        if (setgid(65534) == 0 && setuid(65534) == 0) {
            WalkOutcome w = RunWalk(path);
            std::ostringstream os;
            os << w.bytes << '\n' << w.completed << '\n' << w.eventTurns << '\n';
            for (const auto& s : w.shown)
                os << s << '\n';
            out = os.str();
        }
        ssize_t n = write(fds[1], out.data(), out.size());
        (void)n;
        _exit(0);
    }
    close(fds[1]);
    std::string text;
    char buf[4096];
    ssize_t n;
    while ((n = read(fds[0], buf, sizeof buf)) > 0)
        text.append(buf, static_cast<std::size_t>(n));
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (text.empty()) { // could not drop privileges
        unprivileged = false;
        return RunWalk(path);
    }
    unprivileged = true;
    WalkOutcome w;
    std::istringstream is(text);
    std::string line;
    std::getline(is, line), w.bytes = std::stoll(line);
    std::getline(is, line), w.completed = line == "1";
    std::getline(is, line), w.eventTurns = std::stoi(line);
    while (std::getline(is, line))
        w.shown.push_back(line);
    return w;
}

// top/          a.bin 100, .hidden_file 10, linkfile -> outside/f.bin (300),
//               linkdir -> outside, broken -> nowhere
// top/sub/      b.bin 1000
// top/sub/deeper/ c.bin 20000
// top/.hid/     x.bin 5000         (hidden folder: not entered)
// top/locked/   y.bin 7            (mode 0: cannot be read)
// outside/      f.bin 300, big.bin 400000
struct WalkTree : TempTree {
    std::string top;
    WalkTree()
    {
        top = Dir("top");
        File("top/a.bin", 100);
        File("top/.hidden_file", 10);
        Dir("top/sub/deeper");
        File("top/sub/b.bin", 1000);
        File("top/sub/deeper/c.bin", 20000);
        Dir("top/.hid");
        File("top/.hid/x.bin", 5000);
        Dir("top/locked");
        File("top/locked/y.bin", 7);
        Dir("outside");
        File("outside/f.bin", 300);
        File("outside/big.bin", 400000);
        Link(Path("outside/f.bin"), "top/linkfile");
        Link(Path("outside"), "top/linkdir");
        Link(Path("nowhere"), "top/broken");
        chmod(Path("top/locked").c_str(), 0);
    }
};

} // namespace

TEST(FolderWalk, CountsFilesButNotHiddenFoldersLinksOrUnreadableOnes)
{
    WalkTree t;
    bool unprivileged = false;
    WalkOutcome w = RunWalkUnprivileged(t.top + "/", unprivileged);
    // Files at every level and the hidden file count; the hidden folder,
    // the link to a folder and the locked folder add nothing; the link to a
    // file counts as that file.
    const std::int64_t expected = 100 + 10 + 300 + 1000 + 20000;
    EXPECT_EQ(w.bytes, unprivileged ? expected : expected + 7);
    EXPECT_TRUE(w.completed);
    // One event turn per folder entered, the locked one included; Label4
    // follows the walk and ends on "Path...".
    EXPECT_EQ(w.eventTurns, 4);
    std::vector<std::string> shown{t.top + "/", t.top + "/locked/", t.top + "/sub/", t.top + "/sub/deeper/",
                                   "Path..."};
    EXPECT_EQ(w.shown, shown);
    if (!unprivileged)
        GTEST_SKIP() << "could not give up root, the locked folder was readable";
}

TEST(FolderWalk, BusyCursorAndStartFlag)
{
    WalkTree t;
    ProgramState st;
    st.StopRequested = true; // left over from a media scan: each walk clears it
    st.FolderBytes = 12345;
    RecordingUi ui;
    EXPECT_TRUE(GetFolderSize(st, t.Path("top/sub/"), ui));
    EXPECT_EQ(st.FolderBytes, 21000);
    std::vector<RecordingUi::Event> expected{{"busy", MsgIcon::None, {}}, {"idle", MsgIcon::None, {}}};
    EXPECT_EQ(ui.events, expected);
    // The folder picked by the user may be a link to a folder: the shell
    // list shows it as one, and its files are counted.
    EXPECT_TRUE(GetFolderSize(st, t.Path("top/linkdir/"), ui));
    EXPECT_EQ(st.FolderBytes, 400300);
}

TEST(FolderWalk, StopBetweenFoldersKeepsWhatWasCounted)
{
    WalkTree t;
    ProgramState st;
    HookUi ui;
    ui.onEvents = [&] { st.StopRequested = true; };
    std::vector<std::string> shown;
    EXPECT_FALSE(GetFolderSize(st, t.top + "/", ui, [&](const std::string& p) { shown.push_back(p); }));
    EXPECT_EQ(st.FolderBytes, 100 + 10 + 300); // the files of the first folder only
    EXPECT_EQ(ui.eventTurns, 1);
    EXPECT_EQ(shown.back(), "Path...");

    // AddSelectedFiles stores the partial size of a stopped walk.
    VectorRows rows(t.root(), {{"top", true}});
    st.StopRequested = false;
    EXPECT_TRUE(AddSelectedFiles(st, rows, ui, {}));
    ASSERT_EQ(st.FileCount, 1);
    EXPECT_EQ(st.FileItems[0].Size, 410);
}
