#include <gtest/gtest.h>

#include "app/ProgramState.h"
#include "platform/Files.h"
#include "platform/RecordingUi.h"
#include "selection/CopyList.h"
#include "selection/DestList.h"
#include "TempTree.h"

using namespace vt;
using vt::test::TempTree;

namespace {

void SetDests(ProgramState& st, std::vector<DestItem> items)
{
    for (std::size_t i = 0; i < items.size(); ++i)
        st.DestItems[i] = items[i];
    st.DestCount = static_cast<int>(items.size());
}

// A mount at <tmp>/mnt whose device has the label "ARCHIVIO".
struct FakeVolume : TempTree {
    VolumeSource src;
    FakeVolume()
    {
        Dir("dev");
        File("dev/sdb1", 0);
        Dir("by-label");
        Link("../dev/sdb1", "by-label/ARCHIVIO");
        Dir("mnt/Film");
        Dir("mnt/Altro");
        WriteFileAtomic(Path("mountinfo"), "22 1 8:2 / / rw - ext4 /dev/sda2 rw\n"
                                           "41 22 8:17 / " + Path("mnt") + " rw - ext4 " + Path("dev/sdb1") + " rw\n");
        src = {Path("mountinfo"), Path("by-label")};
    }
};

} // namespace

TEST(DestList, FindDestItemMatchesLabelAndFolderExactly)
{
    ProgramState st;
    SetDests(st, {{"/mnt/a", 1, "DISCO"}, {"/mnt/Film", 1, "ARCHIVIO"}});
    struct Case { const char* path; const char* label; bool verify; int index; } cases[] = {
        {"/mnt/Film", "ARCHIVIO", true, 1},
        {"/mnt/Film", "ARCHIVIO", false, -1}, // the test is off: duplicates allowed
        {"/mnt/Film", "DISCO", true, -1},     // same folder, another volume
        {"/mnt/Altro", "ARCHIVIO", true, -1}, // another folder on the same volume
        {"/mnt/film", "ARCHIVIO", true, -1},  // case-sensitive
        {"/mnt/Film/", "ARCHIVIO", true, -1}, // whole text
    };
    for (const auto& c : cases) {
        RecordingUi ui;
        EXPECT_EQ(FindDestItem(st, c.path, c.label, c.verify, ui), c.index) << c.path << " " << c.label;
        EXPECT_EQ(ui.Count("beep"), c.index >= 0 ? 1 : 0) << c.path << " " << c.label;
    }
}

TEST(DestList, AddRecordsLabelAndFreeSpaceAndRefusesDuplicates)
{
    FakeVolume v;
    ProgramState st;
    RecordingUi ui;
    AddDestOptions opt{true, v.src};
    EXPECT_TRUE(AddDestination(st, v.Path("mnt/Film"), ui, opt));
    EXPECT_FALSE(AddDestination(st, v.Path("mnt/Film"), ui, opt));
    EXPECT_TRUE(AddDestination(st, v.Path("mnt/Altro"), ui, opt));
    ASSERT_EQ(st.DestCount, 2);
    EXPECT_EQ(ui.Count("beep"), 1);
    EXPECT_TRUE(ui.Messages().empty());
    EXPECT_EQ(st.DestItems[0].Directory, v.Path("mnt/Film"));
    EXPECT_EQ(st.DestItems[0].Volume, "ARCHIVIO");
    EXPECT_GE(st.DestItems[0].FreeBytes, 0);
    EXPECT_EQ(st.DestItems[1].Directory, v.Path("mnt/Altro"));

    opt.verifyInDest = false;
    EXPECT_TRUE(AddDestination(st, v.Path("mnt/Film"), ui, opt));
    EXPECT_EQ(st.DestCount, 3);
}

TEST(DestList, FullTableRefusesTheTwelfth)
{
    FakeVolume v;
    ProgramState st;
    for (int i = 0; i < kDestSlots; ++i)
        st.DestItems[static_cast<std::size_t>(i)] = {"/d" + std::to_string(i), 5, "L"};
    st.DestCount = kDestSlots;
    RecordingUi ui;
    EXPECT_FALSE(AddDestination(st, v.Path("mnt/Film"), ui, {true, v.src}));
    EXPECT_EQ(st.DestCount, kDestSlots);
    EXPECT_EQ(st.DestItems[10].Directory, "/d10");
    EXPECT_EQ(ui.Count("beep"), 1);
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_EQ(ui.events.back().icon, MsgIcon::Warning);
    EXPECT_NE(ui.Messages()[0].find("11"), std::string::npos);
}

TEST(DestList, SpaceMarkNeedsStrictlyMoreThanReserveAndList)
{
    struct Case { std::int64_t free; double minMB; std::int64_t total; int mark; } cases[] = {
        {10485760, 10, 0, kMarkShortOfSpace}, // free equal to need is not enough
        {10485761, 10, 0, kMarkEnoughSpace},
        {10485760 + 5000, 10, 5000, kMarkShortOfSpace},
        {10485760 + 5001, 10, 5000, kMarkEnoughSpace},
        {2621441, 2.5, 0, kMarkEnoughSpace}, // fractions of a MB in the reserve
        {2621440, 2.5, 0, kMarkShortOfSpace},
        {1, 0, 0, kMarkEnoughSpace},
        {-1, 0, 0, kMarkShortOfSpace}, // free space unknown
    };
    for (const auto& c : cases) {
        ProgramState st;
        SetDests(st, {{"/mnt/Film", c.free, "V"}});
        st.TotalBytes = c.total;
        DestListView v = BuildDestListView(st, c.minMB, ItalianFormat());
        ASSERT_EQ(v.ldest2.size(), 1u);
        EXPECT_EQ(v.ldest2[0].imageIndex, c.mark) << c.free << " " << c.minMB << " " << c.total;
        EXPECT_EQ(v.ldest[0].imageIndex, c.mark) << c.free;
    }
}

TEST(DestList, MarksFollowTheCopyListTotal)
{
    // The marks use the TotalBytes that the copy list's redisplay computes.
    ProgramState st;
    SetDests(st, {{"/mnt/Film", 10485760 + 100, "V"}});
    st.FileItems[0] = {"a", 100, 0, "/x", "", 0};
    st.FileCount = 1;
    BuildFileListView(st, ItalianFormat());
    EXPECT_EQ(BuildDestListView(st, 10, ItalianFormat()).ldest2[0].imageIndex, kMarkShortOfSpace);
    ClearList(st);
    BuildFileListView(st, ItalianFormat());
    EXPECT_EQ(BuildDestListView(st, 10, ItalianFormat()).ldest2[0].imageIndex, kMarkEnoughSpace);
}

TEST(DestList, RowsOfBothViews)
{
    ProgramState st;
    SetDests(st, {{"/mnt/Film", 123456789012, "ARCHIVIO"}, {"/srv/x", -1, ""}});
    DestListView v = BuildDestListView(st, 10, ItalianFormat());
    ASSERT_EQ(v.ldest2.size(), 2u);
    EXPECT_EQ(v.ldest2[0].caption, "ARCHIVIO");
    EXPECT_EQ(v.ldest2[0].subItems, (std::vector<std::string>{"/mnt/Film", "117.738"}));
    EXPECT_EQ(v.ldest2[0].stateIndex, -1);
    EXPECT_EQ(v.ldest2[1].subItems[1], "     0"); // not "-0"
    EXPECT_EQ(v.ldest[0].caption, "ARCHIVIO");
    EXPECT_EQ(v.ldest[0].subItems, (std::vector<std::string>{"/mnt/Film", "???", "???"}));
    EXPECT_EQ(v.ldest[0].stateIndex, 0);

    struct Case { std::int64_t bytes; const char* it; const char* period; } cases[] = {
        {123456789012, "117.738", "117,738"},
        {10485760, "    10", "    10"},
        {1048576LL * 1000, " 1.000", " 1,000"},
        {1048576LL * 1000 + 600000, " 1.001", " 1,001"},
        {0, "     0", "     0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FreeMBText(c.bytes, ItalianFormat()), c.it) << c.bytes;
        EXPECT_EQ(FreeMBText(c.bytes, PeriodFormat()), c.period) << c.bytes;
    }

    ClearDests(st);
    EXPECT_EQ(st.DestCount, 0);
    v = BuildDestListView(st, 10, ItalianFormat());
    EXPECT_TRUE(v.ldest2.empty());
    EXPECT_TRUE(v.ldest.empty());
}

TEST(DestList, RemoveSelectedKeepsTheOthersInOrder)
{
    ProgramState st;
    SetDests(st, {{"/a", 1, "A"}, {"/b", 2, "B"}, {"/c", 3, "C"}});
    RemoveSelectedDests(st, {0, 2});
    ASSERT_EQ(st.DestCount, 1);
    EXPECT_EQ(st.DestItems[0].Directory, "/b");
    EXPECT_EQ(st.DestItems[0].FreeBytes, 2);
    SetDests(st, {{"/a", 1, "A"}, {"/b", 2, "B"}, {"/c", 3, "C"}, {"/d", 4, "D"}});
    RemoveSelectedDests(st, {1});
    ASSERT_EQ(st.DestCount, 3);
    EXPECT_EQ(st.DestItems[1].Directory, "/c");
    EXPECT_EQ(st.DestItems[2].Directory, "/d");
}
