#include <gtest/gtest.h>

#include "CopyTestUtil.h"
#include "FakeCopier.h"
#include "copy/ShellCopy.h"
#include "platform/RecordingUi.h"

namespace {

using vt::copytest::FakeCopier;

TEST(ShellCopy, SourceOf8100BytesIsRefusedWithTheMessage)
{
    vt::ProgramState state;
    state.CopyRunning = true;
    vt::RecordingUi ui;
    FakeCopier copier;

    EXPECT_EQ(vt::ShellCopy(state, "/" + std::string(8098, 'a'), "/d", false, false, ui, copier), 0u);
    EXPECT_EQ(copier.calls.size(), 1u);
    EXPECT_TRUE(ui.events.empty());

    EXPECT_EQ(vt::ShellCopy(state, "/" + std::string(8099, 'a'), "/d", false, true, ui, copier), vt::kCopyAborted);
    EXPECT_EQ(copier.calls.size(), 1u); // nothing copied
    ASSERT_EQ(ui.events.size(), 1u);
    EXPECT_EQ(ui.events[0].icon, vt::MsgIcon::Error);
    EXPECT_EQ(ui.events[0].text,
              "Problema !\nLunghezza buffer nomifile (8192 bytes) insufficiente\nSelezionare meno file per volta");
    EXPECT_TRUE(state.CopyRunning); // a refusal is no user abort
}

TEST(ShellCopy, ListModeSplitsOnSemicolons)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(vt::SplitSources("/a;/b c;/d", true), (V{"/a", "/b c", "/d"}));
    EXPECT_EQ(vt::SplitSources("/a;/b;", true), (V{"/a", "/b"}));
    EXPECT_EQ(vt::SplitSources("/a;;/b", true), (V{"/a"})); // an empty path ends the list
    EXPECT_EQ(vt::SplitSources("/a;b", false), (V{"/a;b"}));

    vt::ProgramState state;
    vt::RecordingUi ui;
    FakeCopier copier;
    vt::ShellCopy(state, "/x/a;/y/b", "/d", true, false, ui, copier);
    ASSERT_EQ(copier.calls.size(), 1u);
    EXPECT_EQ(copier.calls[0].sources, (V{"/x/a", "/y/b"}));
    EXPECT_EQ(copier.calls[0].destFolder, "/d");
}

TEST(ShellCopy, ResultBitsMessagesAndTheAbort)
{
    struct Case {
        bool failed, aborted, hideApi;
        std::uint32_t result;
        bool runningAfter, messageShown;
    } cases[] = {
        {false, false, false, 0, true, false},
        {true, false, false, 1, true, true},
        {true, false, true, 1, true, false}, // CBHIDEAPI: no box
        {false, true, false, 2, false, false},
        {true, true, false, 3, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "failed " << c.failed << " aborted " << c.aborted << " hide " << c.hideApi);
        vt::ProgramState state;
        state.CopyRunning = true;
        vt::RecordingUi ui;
        FakeCopier copier;
        copier.outcomes.push_back({c.failed, c.aborted, c.failed ? "Impossibile copiare /s/f in /d: Disco pieno" : ""});
        EXPECT_EQ(vt::ShellCopy(state, "/s/f", "/d", false, c.hideApi, ui, copier), c.result);
        EXPECT_EQ(state.CopyRunning, c.runningAfter);
        EXPECT_EQ(copier.calls.at(0).showProgress, !c.hideApi);
        if (c.messageShown)
            EXPECT_EQ(ui.Messages(), std::vector<std::string>{"Impossibile copiare /s/f in /d: Disco pieno"});
        else
            EXPECT_TRUE(ui.Messages().empty());
    }
}

// The real copier behind the request, end to end.
TEST(ShellCopy, DiskCopierCopiesIntoTheFolder)
{
    vt::copytest::ScratchDir scratch;
    const std::string dir = scratch.path();
    vt::copytest::WriteFile(dir + "/f", "abc");
    vt::copytest::WriteFile(dir + "/d/altro", "");
    vt::ProgramState state;
    vt::RecordingUi ui;
    vt::DiskCopier copier;
    EXPECT_EQ(vt::ShellCopy(state, dir + "/f", dir + "/d", false, false, ui, copier), 0u);
    EXPECT_EQ(vt::ShellCopy(state, dir + "/manca", dir + "/d", false, false, ui, copier), vt::kCopyFailed);
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_NE(ui.Messages()[0].find(dir + "/manca"), std::string::npos);
    EXPECT_EQ(vt::copytest::ReadFile(dir + "/d/f"), "abc");
}

} // namespace
