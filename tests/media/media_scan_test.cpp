#include <gtest/gtest.h>

#include <functional>

#include "MediaFixtures.h"
#include "media/MediaScan.h"
#include "platform/RecordingUi.h"
#include "selection/CopyList.h"

using namespace vt;
using namespace vt::test;

namespace {

// RecordingUi that runs a callback at each event turn, as a click during
// the walk would.
class TurnUi : public RecordingUi {
public:
    std::function<void(int turn)> onTurn;
    void ProcessEvents() override
    {
        RecordingUi::ProcessEvents();
        if (onTurn)
            onTurn(eventTurns);
    }
};

class MediaScanTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        medium = t.Dir("Films") + "/";
        CopyFixture("vga.avi", medium + "a.avi");
        t.File("Films/B.AVI", 60); // too short for a header
        t.File("Films/.hidden.avi", 0);
        t.File("Films/notes.txt", 3);
        t.File("Films/clip.avi.txt", 3);
        t.Dir("Films/.secret");
        CopyFixture("vga.avi", medium + ".secret/c.avi");
        t.Dir("Films/Extra.avi");
        SizedFile(medium + "Extra.avi/tiny.avi", 5);
        SizedFile(medium + "Extra.avi/ten.Avi", 10);
        t.Dir("Films/Old");
        SizedFile(medium + "Old/d.avi", 2500000);
        SizedFile(medium + "Old/e.avi", 100);
        t.Link(medium + "Old", "Films/link"); // a link to a folder is not entered
        SetLocalDate(medium + "a.avi", 2008, 12, 31);
        SetLocalDate(medium + "Old/d.avi", 2009, 1, 1);
    }

    std::vector<std::string> Column(std::string TMediaTitle::*field) const
    {
        std::vector<std::string> out;
        for (const auto& r : state.MediaTitles)
            out.push_back(r.*field);
        return out;
    }

    TempTree t;
    std::string medium;
    ProgramState state;
    TurnUi ui;
};

using Names = std::vector<std::string>;

} // namespace

TEST_F(MediaScanTest, WalksDepthFirstListingEveryAviNameInAnyCase)
{
    std::vector<std::string> shown;
    EXPECT_TRUE(ScanMedium(state, medium, ui, {false, [&](const std::string& p) { shown.push_back(p); }}));
    EXPECT_EQ(Column(&TMediaTitle::Titolo),
              (Names{".hidden.avi", "a.avi", "B.AVI", "Extra.avi", "ten.Avi", "tiny.avi", "d.avi", "e.avi"}));
    const std::string extra = medium + "Extra.avi/", old = medium + "Old/";
    EXPECT_EQ(Column(&TMediaTitle::Path), (Names{medium, medium, medium, medium, extra, extra, old, old}));
    EXPECT_EQ(Column(&TMediaTitle::DimMB), (Names{"0", "7,2E-5", "6E-5", "0", "1E-5", "5E-6", "2,5", "0,0001"}));
    EXPECT_EQ(state.MediaTitles[1].Data, "31-12-2008");
    EXPECT_EQ(state.MediaTitles[6].Data, "01-01-2009");
    // No archive and no resolution pass.
    for (const auto& r : state.MediaTitles) {
        EXPECT_EQ(r.DB, "-");
        EXPECT_FALSE(r.InArchive);
        EXPECT_EQ(r.Ris, "-");
        EXPECT_FALSE(r.DuplicateMark);
    }
    // One event turn per folder, each folder shown as it is entered, all
    // under the busy cursor.
    EXPECT_EQ(shown, (Names{medium, extra, old}));
    EXPECT_EQ(ui.eventTurns, 3);
    EXPECT_EQ(ui.events.front().kind, "busy");
    EXPECT_EQ(ui.events.back().kind, "idle");
    EXPECT_FALSE(state.FolderWalkRunning);
}

TEST_F(MediaScanTest, ResolutionPassAndRecordNumbers)
{
    dfilm b;
    b.titolo = "b.avi"; // the name index ignores letter case
    dfilm other;
    other.titolo = "Altro.avi";
    dfilm d;
    d.titolo = "d.avi";
    state.FilmArchive.Add(other);
    state.FilmArchive.Add(b);
    state.FilmArchive.Add(d);
    ASSERT_TRUE(ScanMedium(state, medium, ui, {true, {}}));
    EXPECT_EQ(Column(&TMediaTitle::Ris),
              (Names{" a.d.", "640 x 480", " a.d.", " a.d.", " a.d.", " a.d.", "0 x 0", "0 x 0"}));
    EXPECT_EQ(Column(&TMediaTitle::DB), (Names{"-", "-", "2", "-", "-", "-", "3", "-"}));
    EXPECT_TRUE(state.MediaTitles[2].InArchive);
    EXPECT_FALSE(state.MediaTitles[1].InArchive);
}

TEST_F(MediaScanTest, StopEndsTheWalkAtTheNextFolderButNotTheResolutionPass)
{
    struct Case {
        int stopAtTurn;
        Names titles;
    };
    const Case cases[] = {
        {1, {".hidden.avi", "a.avi", "B.AVI", "Extra.avi"}},
        {2, {".hidden.avi", "a.avi", "B.AVI", "Extra.avi", "ten.Avi", "tiny.avi"}},
    };
    for (const auto& c : cases) {
        state = ProgramState{};
        state.MediaPath = MediaPathFor(medium.substr(0, medium.size() - 1));
        ui.onTurn = [&](int turn) {
            if (turn == c.stopAtTurn)
                RequestMediaScanStop(state);
        };
        ui.eventTurns = 0;
        ASSERT_TRUE(StartMediaScan(state, ui, {true, {}}));
        EXPECT_EQ(Column(&TMediaTitle::Titolo), c.titles) << c.stopAtTurn;
        EXPECT_EQ(state.MediaTitles[1].Ris, "640 x 480");
        EXPECT_EQ(ui.eventTurns, c.stopAtTurn);
        EXPECT_TRUE(state.MediaScanRunning); // until the list window closes
        FinishMediaScan(state);
        EXPECT_FALSE(state.MediaScanRunning);
    }
    // Without a running scan the stop button does nothing.
    state.StopRequested = false;
    RequestMediaScanStop(state);
    EXPECT_FALSE(state.StopRequested);
}

TEST_F(MediaScanTest, RefusesAnotherWalkWhileOneRuns)
{
    RecordingUi plain;
    EXPECT_FALSE(StartMediaScan(state, plain, {}));
    EXPECT_EQ(plain.Messages(), (Names{"Selezionare un Media"}));
    EXPECT_EQ(plain.events[0].icon, MsgIcon::Error);

    state.MediaPath = medium;
    VectorRows rows(medium, {{"a.avi", true}});
    bool secondScan = true, addNames = true;
    std::size_t rowsAtTurn = 0;
    ui.onTurn = [&](int turn) {
        if (turn != 1)
            return;
        rowsAtTurn = state.MediaTitles.size();
        secondScan = StartMediaScan(state, ui, {});
        addNames = AddSelectedFiles(state, rows, ui, {});
    };
    ASSERT_TRUE(StartMediaScan(state, ui, {}));
    EXPECT_FALSE(secondScan);
    EXPECT_FALSE(addNames);
    EXPECT_EQ(ui.Count("beep"), 2);
    EXPECT_EQ(state.FileCount, 0);
    EXPECT_EQ(rowsAtTurn, 4u);
    EXPECT_EQ(state.MediaTitles.size(), 8u); // the first scan's table was not emptied

    // The list window is open: still no second scan; after it, a new scan
    // replaces the rows.
    EXPECT_FALSE(StartMediaScan(state, plain, {}));
    FinishMediaScan(state);
    state.MediaTitles.push_back({});
    ui.onTurn = {};
    ASSERT_TRUE(StartMediaScan(state, ui, {}));
    EXPECT_EQ(state.MediaTitles.size(), 8u);
}

TEST(MediaScan, MediaPathAndSizeTexts)
{
    EXPECT_EQ(MediaPathFor("/srv/Films"), "/srv/Films/");
    EXPECT_EQ(MediaPathFor("/"), "//");
    const struct {
        long long bytes;
        const char* text;
    } sizes[] = {{0, "0"}, {5, "5E-6"}, {10, "1E-5"}, {100, "0,0001"}, {2500000, "2,5"},
                 {700123456, "700,123456"}, {4700000000LL, "4700"}};
    for (const auto& s : sizes)
        EXPECT_EQ(MediaSizeText(s.bytes, ItalianFormat()), s.text) << s.bytes;
    EXPECT_EQ(MediaSizeText(2500000, PeriodFormat()), "2.5");
}
