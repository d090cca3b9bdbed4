#include <gtest/gtest.h>

#include "CopyTestUtil.h"
#include "FakeCopier.h"
#include "copy/CopyJob.h"
#include "platform/RecordingUi.h"

namespace {

using namespace vt::copytest;

// The screen of the copy job as the window has it after the calls.
class FakeView : public vt::CopyJobView {
public:
    std::vector<int> entryState, destState;
    std::vector<std::pair<std::string, std::string>> destTexts;
    std::int64_t barMax = -1, barPos = -1;
    std::vector<std::int64_t> positions; // every position set, in order
    std::vector<std::string> log;        // entry and destination states, in order
    std::vector<int> scrolled;
    std::string total = "0:00:00";
    bool startEnabled = true;
    int disabledCount = 0;

    template <class T>
    static T& At(std::vector<T>& v, int row, T blank = T())
    {
        if (v.size() <= static_cast<std::size_t>(row))
            v.resize(static_cast<std::size_t>(row) + 1, blank);
        return v[static_cast<std::size_t>(row)];
    }
    void SetEntryState(int row, int s) override
    {
        At(entryState, row, -1) = s;
        log.push_back("e" + std::to_string(row) + "=" + std::to_string(s));
    }
    void ScrollEntryIntoView(int row) override { scrolled.push_back(row); }
    void SetDestState(int row, int s) override
    {
        At(destState, row, -1) = s;
        log.push_back("d" + std::to_string(row) + "=" + std::to_string(s));
    }
    void SetDestTexts(int row, const std::string& t, const std::string& mbs) override
    {
        At(destTexts, row) = {t, mbs};
    }
    void SetProgressMax(std::int64_t m) override { barMax = m; }
    void SetProgressPosition(std::int64_t p) override
    {
        barPos = p;
        positions.push_back(p);
    }
    void SetTotalTime(const std::string& t) override { total = t; }
    void SetStartEnabled(bool e) override
    {
        startEnabled = e;
        disabledCount += !e;
    }
};

class CopyJobTest : public ::testing::Test {
protected:
    void AddEntry(const std::string& name, std::int64_t size, bool folder = false)
    {
        auto& e = state.FileItems[static_cast<std::size_t>(state.FileCount++)];
        e.Name = name;
        e.Folder = src.path();
        e.Size = size;
        e.IsFolder = folder ? vt::kFolderAttr : 0;
        state.TotalBytes += size;
    }
    std::string AddDest(const std::string& name)
    {
        const std::string dir = dst / name;
        std::filesystem::create_directories(dir);
        state.DestItems[static_cast<std::size_t>(state.DestCount++)].Directory = dir;
        return dir;
    }
    vt::CopyJobOptions Options()
    {
        vt::CopyJobOptions o;
        o.programFolder = program.path() + "/";
        o.ticks = [this] { return clock; };
        o.format = vt::PeriodFormat();
        return o;
    }
    std::vector<std::string> Sounds() const
    {
        std::vector<std::string> out;
        for (const auto& e : ui.events)
            if (e.kind == "sound")
                out.push_back(e.text.substr(e.text.rfind('/') + 1));
        return out;
    }

    ScratchDir src, dst, program;
    vt::ProgramState state;
    vt::RecordingUi ui;
    FakeCopier copier;
    FakeView view_;
    std::uint32_t clock = 5000;
};

// One destination; 50,000,000 and 30,000,000 bytes, the second already
// there and RBSKIPFILE checked.
TEST_F(CopyJobTest, SkipsAnExistingFileAndMeasuresWhatWasCopied)
{
    AddEntry("uno.avi", 50000000);
    AddEntry("due.avi", 30000000);
    const std::string d = AddDest("D");
    WriteFile(d + "/due.avi", "");
    WriteFile(program / "FineDest.wav", "RIFF");
    WriteFile(program / "FineJob.wav", "RIFF");
    copier.onCopy = [this] { clock += 19; }; // one second: (19 + 9) * 92 div 1675 = 1

    vt::CopyJobResult r = vt::RunCopyJob(state, Options(), view_, ui, copier);

    EXPECT_FALSE(r.aborted);
    EXPECT_EQ(r.copied, 1);
    EXPECT_EQ(r.skipped, 1);
    ASSERT_EQ(copier.calls.size(), 1u);
    EXPECT_EQ(copier.calls[0].sources, std::vector<std::string>{src / "uno.avi"});
    EXPECT_EQ(copier.calls[0].destFolder, d);
    EXPECT_TRUE(copier.calls[0].showProgress);

    EXPECT_EQ(view_.barMax, 80000);
    EXPECT_EQ(view_.positions, (std::vector<std::int64_t>{0, 50000, 80000}));
    EXPECT_EQ(view_.log, (std::vector<std::string>{"d0=0", "d0=1", "e0=0", "e1=0", "e0=1", "e0=2", "e1=1", "e1=4",
                                                  "d0=2"}));
    EXPECT_EQ(view_.scrolled, (std::vector<int>{0, 1}));
    // 50,000,000 bytes in one second: the skipped file is not counted.
    EXPECT_EQ(view_.destTexts[0], (std::pair<std::string, std::string>{"00:00:01", "47.68"}));
    EXPECT_EQ(view_.total, "00:00:01");
    EXPECT_EQ(state.CopiedBytes, 50000000);
    EXPECT_FALSE(state.CopyRunning);
    EXPECT_TRUE(view_.startEnabled);
    EXPECT_EQ(view_.disabledCount, 1);
    EXPECT_EQ(Sounds(), (std::vector<std::string>{"FineDest.wav", "FineJob.wav"}));
}

// RBOVERWRITE: nothing is tested, a failed entry is marked and the job goes
// on; a folder is never skipped, since the skip test looks for files only.
TEST_F(CopyJobTest, OverwriteFailuresAndFolders)
{
    AddEntry("uno.avi", 1000);
    AddEntry("due.avi", 2000);
    const std::string d = AddDest("D");
    WriteFile(d + "/uno.avi", "");
    copier.outcomes = {{true, false, "errore"}, {}};
    vt::CopyJobOptions o = Options();
    o.skipExisting = false;
    vt::CopyJobResult r = vt::RunCopyJob(state, o, view_, ui, copier);
    EXPECT_EQ(copier.calls.size(), 2u);
    EXPECT_EQ(r.failed, 1);
    EXPECT_EQ(view_.entryState, (std::vector<int>{3, 2}));
    EXPECT_EQ(state.CopiedBytes, 2000);
    EXPECT_EQ(ui.Messages(), std::vector<std::string>{"errore"}); // shown by the request
    EXPECT_EQ(view_.destState[0], 2);

    vt::ProgramState folders;
    state = folders;
    AddEntry("Serie", 10, true);
    const std::string d2 = AddDest("E");
    std::filesystem::create_directories(d2 + "/Serie");
    copier.calls.clear();
    vt::RunCopyJob(state, Options(), view_, ui, copier);
    EXPECT_EQ(copier.calls.size(), 1u);
}

// Three destinations, the user cancels during the second.
TEST_F(CopyJobTest, AbortDuringTheSecondDestination)
{
    AddEntry("uno.avi", 4000);
    AddEntry("due.avi", 6000);
    AddDest("A");
    AddDest("B");
    AddDest("C");
    WriteFile(program / "FineDest.wav", "RIFF");
    WriteFile(program / "FineJob.wav", "RIFF");
    copier.outcomes = {{}, {}, {false, true, ""}};
    copier.onCopy = [this] { clock += 40; };
    vt::CopyJobResult r = vt::RunCopyJob(state, Options(), view_, ui, copier);

    EXPECT_TRUE(r.aborted);
    EXPECT_EQ(copier.calls.size(), 3u); // nothing after the cancel
    EXPECT_EQ(view_.destState, (std::vector<int>{2, 1, 0}));
    EXPECT_EQ(view_.destTexts[0].first, "00:00:04");
    EXPECT_EQ(view_.destTexts[1], (std::pair<std::string, std::string>{"???", "???"}));
    EXPECT_EQ(view_.destTexts[2], (std::pair<std::string, std::string>{"???", "???"}));
    EXPECT_EQ(view_.entryState, (std::vector<int>{1, 0})); // the cancelled row stays "being copied"
    EXPECT_EQ(view_.total, "?:??:??");
    EXPECT_EQ(view_.barMax, 30);
    EXPECT_EQ(view_.barPos, 10); // where the bar was, not full
    EXPECT_EQ(Sounds(), std::vector<std::string>{"FineDest.wav"});
    EXPECT_FALSE(state.CopyRunning);
    EXPECT_TRUE(view_.startEnabled);

    // A new job starts at once and resets the screen.
    copier.calls.clear();
    r = vt::RunCopyJob(state, Options(), view_, ui, copier);
    EXPECT_FALSE(r.aborted);
    EXPECT_EQ(copier.calls.size(), 6u);
    EXPECT_EQ(view_.destState, (std::vector<int>{2, 2, 2}));
}

// An empty copy list gives each destination its time, "na" and its voice;
// an empty destination list gives only the total time and the final voice.
// Without the sound files the job is silent.
TEST_F(CopyJobTest, EmptyListsAndMissingVoices)
{
    WriteFile(program / "FineDest.wav", "RIFF");
    WriteFile(program / "FineJob.wav", "RIFF");
    AddDest("A");
    vt::RunCopyJob(state, Options(), view_, ui, copier);
    EXPECT_EQ(view_.destTexts[0], (std::pair<std::string, std::string>{"00:00:00", "na"}));
    EXPECT_EQ(view_.total, "00:00:00");
    EXPECT_EQ(view_.barMax, 0);
    EXPECT_EQ(Sounds(), (std::vector<std::string>{"FineDest.wav", "FineJob.wav"}));

    ui.events.clear();
    state.DestCount = 0;
    FakeView none;
    vt::RunCopyJob(state, Options(), none, ui, copier);
    EXPECT_EQ(none.total, "00:00:00");
    EXPECT_EQ(Sounds(), std::vector<std::string>{"FineJob.wav"});

    ui.events.clear();
    vt::CopyJobOptions quiet = Options();
    quiet.vocal = false;
    vt::RunCopyJob(state, quiet, none, ui, copier);
    std::filesystem::remove(program / "FineJob.wav");
    vt::RunCopyJob(state, Options(), none, ui, copier);
    EXPECT_TRUE(Sounds().empty());
    EXPECT_TRUE(copier.calls.empty());
}

TEST(CopyJob, ThroughputText)
{
    EXPECT_EQ(vt::ThroughputText(80000000, 1, vt::ItalianFormat()), "76,29");
    EXPECT_EQ(vt::ThroughputText(1048576, 100, vt::ItalianFormat()), "0,01");
    EXPECT_EQ(vt::ThroughputText(80000000, 0, vt::ItalianFormat()), "na");
}

} // namespace
