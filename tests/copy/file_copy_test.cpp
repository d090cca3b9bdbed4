#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <unistd.h>

#include "CopyTestUtil.h"
#include "copy/FileCopy.h"
#include "platform/Error.h"
#include "platform/TextCodec.h"

namespace {

using namespace vt::copytest;

// Cancels once `afterBytes` were copied; optionally runs something when a
// file starts.
class TestMonitor : public vt::CopyMonitor {
public:
    std::int64_t total = -1, done = 0, cancelAfter = -1;
    std::vector<std::string> started;
    std::function<void(const std::string&)> onFile;

    void Started(std::int64_t t, int) override { total = t; }
    void FileStarted(const std::string& s, const std::string&) override
    {
        started.push_back(s);
        if (onFile)
            onFile(s);
    }
    void Advanced(std::int64_t n) override { done += n; }
    bool CancelRequested() override { return cancelAfter >= 0 && done >= cancelAfter; }
};

struct TuningCase {
    const char* name;
    vt::CopyTuning tuning;
};

vt::CopyTuning ReadWriteEachFileFlushed()
{
    vt::CopyTuning t;
    t.useCopyFileRange = false;
    t.reserveSpace = false;
    t.bufferBytes = 4096 * 3; // several buffers per file
    t.batchFileBytes = -1;    // every file flushed and renamed on its own
    return t;
}

class CopyPathsTest : public ::testing::TestWithParam<TuningCase> {};

// A file and a folder into a destination that already holds older copies:
// files are replaced without a question, the folders merge, dates and
// permission bits come from the sources, and no temporary file is left.
TEST_P(CopyPathsTest, ReplacesFilesMergesFoldersKeepsDates)
{
    ScratchDir src, dst;
    const std::string film = Pattern(300000, 1);
    WriteFile(src / "film.avi", film);
    WriteFile(src / "Serie/ep1.avi", Pattern(70000, 2));
    WriteFile(src / "Serie/Extra/making.avi", Pattern(5000, 3));
    WriteFile(src / "Serie/.nascosto", "h");
    WriteFile(src / "Serie/vuoto.txt", "");
    chmod((src / "film.avi").c_str(), 0640);
    SetMtime(src / "film.avi", 1000000000);
    SetMtime(src / "Serie/ep1.avi", 1100000000);
    SetMtime(src / "Serie/Extra/making.avi", 1200000000);
    SetMtime(src / "Serie/Extra", 1300000000);
    SetMtime(src / "Serie", 1400000000);

    WriteFile(dst / "film.avi", "vecchio");
    WriteFile(dst / "Serie/ep1.avi", "vecchio");
    WriteFile(dst / "Serie/mio.txt", "resta");

    TestMonitor m;
    vt::CopyResult r = vt::CopyPaths({src / "film.avi", src / "Serie"}, dst.path(), m, GetParam().tuning);
    ASSERT_FALSE(r.failed) << r.error;
    EXPECT_FALSE(r.aborted);
    EXPECT_EQ(m.total, 300000 + 70000 + 5000 + 1);
    EXPECT_EQ(m.done, m.total);

    EXPECT_EQ(ReadFile(dst / "film.avi"), film);
    EXPECT_EQ(ReadFile(dst / "Serie/ep1.avi"), Pattern(70000, 2));
    EXPECT_EQ(ReadFile(dst / "Serie/Extra/making.avi"), Pattern(5000, 3));
    EXPECT_EQ(ReadFile(dst / "Serie/.nascosto"), "h");
    EXPECT_TRUE(std::filesystem::exists(dst / "Serie/vuoto.txt"));
    EXPECT_EQ(ReadFile(dst / "Serie/mio.txt"), "resta");

    EXPECT_EQ(Mtime(dst / "film.avi"), 1000000000);
    EXPECT_EQ(Mtime(dst / "Serie/ep1.avi"), 1100000000);
    EXPECT_EQ(Mtime(dst / "Serie/Extra/making.avi"), 1200000000);
    EXPECT_EQ(Mtime(dst / "Serie/Extra"), 1300000000); // created by the copy
    EXPECT_NE(Mtime(dst / "Serie"), 1400000000);       // was there: merged, not dated
    struct stat st {};
    ASSERT_EQ(stat((dst / "film.avi").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_TRUE(TempFilesBelow(dst.path()).empty());
}

INSTANTIATE_TEST_SUITE_P(Tunings, CopyPathsTest,
                         ::testing::Values(TuningCase{"Default", {}}, TuningCase{"ReadWrite", ReadWriteEachFileFlushed()}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FileCopy, LinksToFilesAreCopiedAsFilesOtherLinksAsLinks)
{
    ScratchDir src, dst;
    WriteFile(src / "T/real.avi", "dati");
    WriteFile(src / "Altrove/x", "x");
    ASSERT_EQ(symlink("real.avi", (src / "T/alias.avi").c_str()), 0);
    ASSERT_EQ(symlink((src / "Altrove").c_str(), (src / "T/cartella").c_str()), 0);
    ASSERT_EQ(symlink("manca", (src / "T/rotto").c_str()), 0);
    TestMonitor m;
    vt::CopyResult r = vt::CopyPaths({src / "T"}, dst.path(), m);
    ASSERT_FALSE(r.failed) << r.error;
    struct stat st {};
    ASSERT_EQ(lstat((dst / "T/alias.avi").c_str(), &st), 0);
    EXPECT_TRUE(S_ISREG(st.st_mode));
    EXPECT_EQ(ReadFile(dst / "T/alias.avi"), "dati");
    ASSERT_EQ(lstat((dst / "T/cartella").c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    ASSERT_EQ(lstat((dst / "T/rotto").c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
}

// A cancel in the middle of a large file: the old file under the final
// name stays as it was, the temporary file is gone, and the file completed
// before the cancel is in place.
TEST(FileCopy, CancelInTheMiddleOfALargeFileKeepsTheOldTarget)
{
    ScratchDir src, dst;
    WriteFile(src / "piccolo.txt", "completo");
    WriteFile(src / "grande.avi", Pattern(24 << 20, 4));
    WriteFile(dst / "grande.avi", "versione precedente");
    TestMonitor m;
    m.cancelAfter = 5 << 20;
    vt::CopyTuning t;
    t.chunkBytes = 1 << 20;
    t.bufferBytes = 1 << 20;
    t.batchFileBytes = 1 << 20; // the large file goes alone, the small one waits in a batch
    vt::CopyResult r = vt::CopyPaths({src / "piccolo.txt", src / "grande.avi"}, dst.path(), m, t);
    EXPECT_TRUE(r.aborted);
    EXPECT_FALSE(r.failed);
    EXPECT_LT(m.done, 24 << 20);
    EXPECT_EQ(ReadFile(dst / "grande.avi"), "versione precedente");
    EXPECT_EQ(ReadFile(dst / "piccolo.txt"), "completo");
    EXPECT_TRUE(TempFilesBelow(dst.path()).empty());
}

// A write that the system refuses (here the file-size limit stands for a
// full disk): the request fails naming the file and the reason, the old
// target is intact, no temporary file is left. Once through the space
// reservation, once through a failing write.
TEST(FileCopy, FailedWriteLeavesTheOldTarget)
{
    for (bool reserve : {true, false}) {
        SCOPED_TRACE(reserve ? "fallocate" : "write");
        ScratchDir src, dst;
        WriteFile(src / "film.avi", Pattern(3 << 20, 5));
        WriteFile(dst / "film.avi", "vecchio");

        struct rlimit old {};
        getrlimit(RLIMIT_FSIZE, &old);
        auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit lim = old;
        lim.rlim_cur = 1 << 20;
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &lim), 0);
        TestMonitor m;
        vt::CopyTuning t;
        t.reserveSpace = reserve;
        t.useCopyFileRange = reserve; // the write path through read/write too
        vt::CopyResult r = vt::CopyPaths({src / "film.avi"}, dst.path(), m, t);
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);

        EXPECT_TRUE(r.failed);
        EXPECT_FALSE(r.aborted);
        EXPECT_NE(r.error.find(src / "film.avi"), std::string::npos) << r.error;
        EXPECT_NE(r.error.find(vt::SystemErrorText(EFBIG)), std::string::npos) << r.error;
        EXPECT_EQ(ReadFile(dst / "film.avi"), "vecchio");
        EXPECT_TRUE(TempFilesBelow(dst.path()).empty());
    }
}

TEST(FileCopy, VanishedSourceFailsNamingIt)
{
    ScratchDir src, dst;
    TestMonitor m;
    vt::CopyResult r = vt::CopyPaths({src / "sparito.avi"}, dst.path(), m);
    EXPECT_TRUE(r.failed);
    EXPECT_NE(r.error.find("sparito.avi"), std::string::npos);
    EXPECT_NE(r.error.find(vt::SystemErrorText(ENOENT)), std::string::npos) << r.error;

    // Gone while the copy runs: the files before it are whole, the rest of
    // the request is not attempted.
    WriteFile(src / "D/a.avi", "a");
    WriteFile(src / "D/b.avi", "b");
    WriteFile(src / "D/c.avi", "c");
    m.onFile = [&](const std::string& s) {
        if (s == src / "D/a.avi")
            unlink((src / "D/b.avi").c_str());
    };
    r = vt::CopyPaths({src / "D"}, dst.path(), m);
    EXPECT_TRUE(r.failed);
    EXPECT_NE(r.error.find("b.avi"), std::string::npos) << r.error;
    EXPECT_EQ(ReadFile(dst / "D/a.avi"), "a");
    EXPECT_FALSE(std::filesystem::exists(dst / "D/c.avi"));
    EXPECT_TRUE(TempFilesBelow(dst.path()).empty());
}

TEST(FileCopy, TargetsThatCannotBeReplaced)
{
    ScratchDir src, dst;
    WriteFile(src / "nome", "file");
    WriteFile(dst / "nome/dentro", "x"); // a folder where the file should go
    TestMonitor m;
    vt::CopyResult r = vt::CopyPaths({src / "nome"}, dst.path(), m);
    EXPECT_TRUE(r.failed);
    EXPECT_NE(r.error.find(vt::SystemErrorText(EISDIR)), std::string::npos) << r.error;
    EXPECT_EQ(ReadFile(dst / "nome/dentro"), "x");

    // A file copied onto itself would be lost if it were truncated first.
    r = vt::CopyPaths({src / "nome"}, src.path(), m);
    EXPECT_TRUE(r.failed);
    EXPECT_EQ(ReadFile(src / "nome"), "file");
    EXPECT_TRUE(TempFilesBelow(src.path()).empty());
}

// The leftover of a crash under the temporary name is reused and removed.
TEST(FileCopy, LeftoverTemporaryFileIsReused)
{
    ScratchDir src, dst;
    WriteFile(src / "film.avi", "nuovo");
    WriteFile(dst / vt::TempNameFor("film.avi"), Pattern(100000, 6));
    TestMonitor m;
    vt::CopyResult r = vt::CopyPaths({src / "film.avi"}, dst.path(), m);
    ASSERT_FALSE(r.failed) << r.error;
    EXPECT_EQ(ReadFile(dst / "film.avi"), "nuovo");
    EXPECT_TRUE(TempFilesBelow(dst.path()).empty());
}

TEST(FileCopy, TempNamesFitTheFileSystem)
{
    EXPECT_EQ(vt::TempNameFor("film.avi"), ".film.avi.vtpart");
    const std::string longA = std::string(240, 'a') + "1.avi";
    const std::string longB = std::string(240, 'a') + "2.avi";
    std::string accented;
    for (int i = 0; i < 127; ++i)
        accented += "è"; // two bytes each
    for (const auto& n : {longA, longB, accented}) {
        const std::string t = vt::TempNameFor(n);
        EXPECT_LE(t.size(), 255u);
        EXPECT_EQ(t.front(), '.');
        EXPECT_TRUE(t.ends_with(".vtpart"));
        EXPECT_TRUE(vt::IsValidUtf8(t)) << "cut inside a character";
    }
    EXPECT_NE(vt::TempNameFor(longA), vt::TempNameFor(longB));

    // And a real copy under such a name works.
    ScratchDir src, dst;
    WriteFile(src / accented, "x");
    TestMonitor m;
    vt::CopyResult r = vt::CopyPaths({src / accented}, dst.path(), m);
    ASSERT_FALSE(r.failed) << r.error;
    EXPECT_EQ(ReadFile(dst / accented), "x");
}

} // namespace
