#include <gtest/gtest.h>

#include <cstdio>
#include <sys/wait.h>

#include "app/ProgramState.h"
#include "platform/Files.h"
#include "platform/RecordingUi.h"
#include "selection/CopyList.h"
#include "TempTree.h"
#include "support/TestSupport.h"

using namespace vt;
using vt::test::TempTree;
using vt::test::CliRun;
using vt::test::RunCli;


TEST(SizeCli, PrintsWhatTheCopyListStores)
{
    TempTree t;
    t.Dir("Serie/.hid");
    t.File("Serie/ep1.avi", 1536);
    t.File("Serie/.nascosto", 4);
    t.File("Serie/.hid/x", 5000);
    t.File("film.avi", 999);
    t.File("vuoto", 0);

    ProgramState st;
    RecordingUi ui;
    VectorRows rows(t.root(), {{"Serie", true}});
    ASSERT_TRUE(AddSelectedFiles(st, rows, ui, {}));
    const std::int64_t serie = st.FileItems[0].Size;
    EXPECT_EQ(serie, 1540);

    CliRun r = RunCli("size '" + t.Path("film.avi") + "' '" + t.Path("Gone") + "' '" + t.Path("Serie") + "' '" +
                          t.Path("vuoto") + "'",
                      t.Path("err.txt"));
    EXPECT_EQ(r.status, 1); // one path is missing; the others are still printed, in order
    EXPECT_EQ(r.out, "999\t999  B\t" + t.Path("film.avi") + "\n" + std::to_string(serie) + "\t1,5 KB\t" +
                         t.Path("Serie") + "\n" + "0\t\t" + t.Path("vuoto") + "\n");
    EXPECT_NE(r.err.find(t.Path("Gone")), std::string::npos) << r.err;

    r = RunCli("size '" + t.Path("Serie/") + "'", t.Path("err.txt"));
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "1540\t1,5 KB\t" + t.Path("Serie/") + "\n");

    r = RunCli("size", t.Path("err.txt"));
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("uso: vantaro-cli size"), std::string::npos) << r.err;
}
