#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include "app/ProgramState.h"
#include "platform/DateTime.h"
#include "platform/RecordingUi.h"
#include "selection/CopyList.h"
#include "TempTree.h"
#include "support/HookUi.h"

using namespace vt;
using vt::test::HookUi;
using vt::test::TempTree;

namespace {

std::vector<std::string> Names(const ProgramState& st)
{
    std::vector<std::string> out;
    for (int i = 0; i < st.FileCount; ++i)
        out.push_back(st.FileItems[static_cast<std::size_t>(i)].Name + "@" +
                      st.FileItems[static_cast<std::size_t>(i)].Folder);
    return out;
}

void SetMTime(const std::string& path, int y, int m, int d)
{
    std::tm tm{};
    tm.tm_year = y - 1900, tm.tm_mon = m - 1, tm.tm_mday = d, tm.tm_hour = 12, tm.tm_isdst = -1;
    struct timespec ts[2] = {{mktime(&tm), 0}, {mktime(&tm), 0}};
    utimensat(AT_FDCWD, path.c_str(), ts, AT_SYMLINK_NOFOLLOW);
}

// A/film.avi (5), A/Serie/ (ep1.avi 7, ep2.avi 11), B/film.avi (9), B/Serie (file, 3)
struct TwoFolders : TempTree {
    std::string a, b;
    TwoFolders()
    {
        a = Dir("A");
        b = Dir("B");
        File("A/film.avi", 5);
        Dir("A/Serie");
        File("A/Serie/ep1.avi", 7);
        File("A/Serie/ep2.avi", 11);
        File("B/film.avi", 9);
        File("B/Serie", 3);
    }
};

} // namespace

TEST(CopyListFormat, FormatSizeTable)
{
    struct Case { std::int64_t n; const char* period; const char* comma; } cases[] = {
        {1, "  1  B", "  1  B"},
        {999, "999  B", "999  B"},
        {1000, "1.0 KB", "1,0 KB"}, // decimal digit count picks the unit, 1024 divides
        {1023, "1.0 KB", "1,0 KB"},
        {1536, "1.5 KB", "1,5 KB"},
        {999999, "976.6 KB", "976,6 KB"},
        {1000000, "1.0 MB", "1,0 MB"},
        {1048576, "1.0 MB", "1,0 MB"},
        {999999999, "953.7 MB", "953,7 MB"},
        {1000000000, "0.9 GB", "0,9 GB"},
        {1073741824, "1.0 GB", "1,0 GB"},
        {5497558138880, "5120.0 GB", "5120,0 GB"},
        {0, "", ""},
        {-1, "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatSize(c.n, PeriodFormat()), c.period) << c.n;
        EXPECT_EQ(FormatSize(c.n, ItalianFormat()), c.comma) << c.n;
    }
}

TEST(CopyListFormat, ExtensionOfName)
{
    struct Case { const char* name; const char* ext; } cases[] = {
        {"film.avi", ".avi"}, {"a.b.MKV", ".MKV"}, {"Serie", ""}, {".bashrc", ".bashrc"}, {"dir.x/file", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FileExtOf(c.name), c.ext) << c.name;
}

TEST(CopyList, AddFillsEntriesAndViews)
{
    TwoFolders t;
    SetMTime(t.Path("A/film.avi"), 2009, 9, 14);
    SetMTime(t.Path("A/Serie"), 2008, 1, 2);
    ProgramState st;
    RecordingUi ui;
    std::vector<std::string> label4;
    VectorRows rows(t.a, {{"Serie", true}, {"film.avi", true}, {"ghost.avi", true}, {"other", false}});
    EXPECT_TRUE(AddSelectedFiles(st, rows, ui, {true, [&](const std::string& p) { label4.push_back(p); }}));
    EXPECT_EQ(ui.Count("beep"), 0); // the missing row is skipped silently
    ASSERT_EQ(st.FileCount, 2);
    const auto& serie = st.FileItems[0];
    EXPECT_EQ(serie.Name, "Serie");
    EXPECT_EQ(serie.Folder, t.a);
    EXPECT_EQ(serie.Size, 18);
    EXPECT_EQ(serie.IsFolder, 16);
    EXPECT_EQ(serie.Ext, "");
    const auto& film = st.FileItems[1];
    EXPECT_EQ(film.Size, 5);
    EXPECT_EQ(film.IsFolder, 0);
    EXPECT_EQ(film.Ext, ".avi");
    EXPECT_EQ(label4, (std::vector<std::string>{t.a + "/Serie/", "Path..."}));

    FileListView v = BuildFileListView(st, ItalianFormat());
    EXPECT_EQ(st.TotalBytes, 23);
    ASSERT_EQ(v.listaNomi.size(), 2u);
    EXPECT_EQ(v.listaNomi[0].caption, "Serie");
    EXPECT_EQ(v.listaNomi[0].imageIndex, kImageFolder);
    EXPECT_EQ(v.listaNomi[1].imageIndex, kImageFile);
    EXPECT_TRUE(v.listaNomi[0].subItems.empty());
    EXPECT_EQ(v.listaSorg[0].subItems, (std::vector<std::string>{" 18  B", "02/01/2008"}));
    EXPECT_EQ(v.listaSorg[1].subItems, (std::vector<std::string>{"  5  B", "14/09/2009"}));
    EXPECT_EQ(v.listaSorg[1].stateIndex, kStateWaiting);
    EXPECT_EQ(v.listaSorg[1].imageIndex, kImageFile);
    EXPECT_TRUE(v.selectFirstRow);
    EXPECT_EQ(v.lbNum, "2");
    EXPECT_EQ(v.nfdc, "2");
    EXPECT_EQ(v.lbDim, " 23  B");
    EXPECT_EQ(v.mbdc, " 23  B");
}

TEST(CopyList, DuplicateRulesByNameAndKind)
{
    // A/film.avi then B/film.avi: same name and kind, a duplicate whatever
    // the folder. A/Serie (folder) and B/Serie (file): never duplicates.
    struct Case { bool verify; int entries; int beeps; } cases[] = {{true, 3, 1}, {false, 4, 0}};
    for (const auto& c : cases) {
        TwoFolders t;
        ProgramState st;
        RecordingUi ui;
        VectorRows rowsA(t.a, {{"Serie", true}, {"film.avi", true}});
        VectorRows rowsB(t.b, {{"Serie", true}, {"film.avi", true}});
        EXPECT_TRUE(AddSelectedFiles(st, rowsA, ui, {c.verify, {}}));
        EXPECT_TRUE(AddSelectedFiles(st, rowsB, ui, {c.verify, {}}));
        EXPECT_EQ(st.FileCount, c.entries) << c.verify;
        EXPECT_EQ(ui.Count("beep"), c.beeps) << c.verify;
        EXPECT_EQ(FindFileItem(st, "film.avi", 0, c.verify), c.verify ? 1 : -1);
        EXPECT_EQ(FindFileItem(st, "Serie", 1, c.verify), c.verify ? 0 : -1);
        EXPECT_EQ(FindFileItem(st, "FILM.AVI", 0, c.verify), -1); // exact, case-sensitive
    }
}

TEST(CopyList, EmptyResultBeepsOnceNonEmptyRedisplays)
{
    TwoFolders t;
    ProgramState st;
    RecordingUi ui;
    VectorRows nothing(t.a, {{"ghost", true}, {"film.avi", false}});
    EXPECT_FALSE(AddSelectedFiles(st, nothing, ui, {}));
    EXPECT_EQ(ui.Count("beep"), 1);

    VectorRows film(t.a, {{"film.avi", true}});
    EXPECT_TRUE(AddSelectedFiles(st, film, ui, {}));
    // Adding nothing to a list with entries redisplays it without a beep.
    EXPECT_TRUE(AddSelectedFiles(st, nothing, ui, {}));
    EXPECT_EQ(ui.Count("beep"), 1);
}

TEST(CopyList, FullTableRefusesEachRowAndWarnsOnce)
{
    TwoFolders t;
    ProgramState st;
    for (int i = 0; i < kFileSlots; ++i)
        st.FileItems[static_cast<std::size_t>(i)] = {"f" + std::to_string(i), i, 0, "/x", "", 0};
    st.FileCount = kFileSlots;
    RecordingUi ui;
    VectorRows rows(t.a, {{"Serie", true}, {"film.avi", true}});
    EXPECT_TRUE(AddSelectedFiles(st, rows, ui, {}));
    EXPECT_EQ(st.FileCount, kFileSlots);
    EXPECT_EQ(st.FileItems[0].Name, "f0");
    EXPECT_EQ(st.FileItems[kFileSlots - 1].Name, "f1000");
    EXPECT_EQ(ui.Count("beep"), 2);
    EXPECT_EQ(ui.eventTurns, 0); // the folder of a refused row is not walked
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_EQ(ui.events.back().icon, MsgIcon::Warning);
    EXPECT_NE(ui.Messages()[0].find("1001"), std::string::npos);

    // One slot free: the first row fits, the second is refused.
    st.FileCount = kFileSlots - 1;
    RecordingUi ui2;
    EXPECT_TRUE(AddSelectedFiles(st, rows, ui2, {}));
    EXPECT_EQ(st.FileCount, kFileSlots);
    EXPECT_EQ(st.FileItems[kFileSlots - 1].Name, "Serie");
    EXPECT_EQ(ui2.Count("beep"), 1);
    EXPECT_EQ(ui2.Messages().size(), 1u);
}

TEST(CopyList, WhatTheUserDoesDuringAWalk)
{
    // During the walk's event turn the user presses ADDNAMES again, removes
    // an entry and browses elsewhere; the running add goes on unharmed.
    TwoFolders t;
    ProgramState st;
    st.FileItems[0] = {"p", 1, 0, "/x", "", 0};
    st.FileItems[1] = {"q", 2, 0, "/x", "", 0};
    st.FileCount = 2;
    HookUi ui;
    VectorRows rows(t.a, {{"Serie", true}, {"film.avi", true}});
    bool nestedResult = true;
    bool acted = false;
    ui.onEvents = [&] {
        if (acted)
            return;
        acted = true;
        VectorRows again(t.b, {{"film.avi", true}});
        nestedResult = AddSelectedFiles(st, again, ui, {});
        RemoveSelected(st, {0});
        rows.rows()[1].caption = "something else";
    };
    EXPECT_TRUE(AddSelectedFiles(st, rows, ui, {}));
    EXPECT_FALSE(nestedResult);
    EXPECT_EQ(ui.Count("beep"), 1);
    EXPECT_EQ(Names(st), (std::vector<std::string>{"q@/x", "Serie@" + t.a, "film.avi@" + t.a}));
    EXPECT_EQ(st.FileItems[1].Size, 18);
    EXPECT_FALSE(st.FolderWalkRunning);
}

TEST(CopyList, RemoveKeepsOrderAndClearEmptiesLabels)
{
    ProgramState st;
    for (int i = 0; i < 4; ++i)
        st.FileItems[static_cast<std::size_t>(i)] = {"r" + std::to_string(i), 1000 * (i + 1), 0, "/x", "", 0};
    st.FileCount = 4;
    RemoveSelected(st, {2, 0, 7});
    EXPECT_EQ(Names(st), (std::vector<std::string>{"r1@/x", "r3@/x"}));
    FileListView v = BuildFileListView(st, PeriodFormat());
    EXPECT_EQ(st.TotalBytes, 6000);
    EXPECT_TRUE(v.selectFirstRow);
    EXPECT_EQ(v.listaNomi[0].caption, "r1");
    EXPECT_EQ(v.lbDim, "5.9 KB");

    ClearList(st);
    v = BuildFileListView(st, PeriodFormat());
    EXPECT_EQ(st.FileCount, 0);
    EXPECT_EQ(st.TotalBytes, 0);
    EXPECT_TRUE(v.listaNomi.empty());
    EXPECT_TRUE(v.listaSorg.empty());
    EXPECT_FALSE(v.selectFirstRow);
    EXPECT_EQ(v.lbNum, "0");
    EXPECT_EQ(v.nfdc, "0");
    EXPECT_EQ(v.lbDim, "");
    EXPECT_EQ(v.mbdc, "");
}

TEST(CopyList, FreeSpaceLabel)
{
    EXPECT_NE(FreeSpaceText("/tmp", ItalianFormat()), "");
    EXPECT_EQ(FreeSpaceText("/no/such/folder", ItalianFormat()), "");
}
