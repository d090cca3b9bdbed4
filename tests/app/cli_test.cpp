#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

#include "app/Version.h"
#include "support/TestSupport.h"

using vt::test::RunCli;

namespace {
} // namespace

TEST(Cli, VersionHelpAndUnknownSubcommand)
{
    auto r = RunCli("--version");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, vt::MainCaption() + "\n");

    r = RunCli("--help");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("Sottocomandi:"), std::string::npos);
    EXPECT_NE(r.out.find("list "), std::string::npos);

    r = RunCli("frobnicate");
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.out.empty()); // the usage goes to stderr
    EXPECT_NE(RunCli("frobnicate", true).out.find("uso: vantaro-cli"), std::string::npos);
    EXPECT_EQ(RunCli("").status, 2);
}

TEST(Cli, ListPrintsTheShellOrder)
{
    std::string dir = std::string(VT_TEST_DATA) + "/listing";
    auto r = RunCli("list '" + dir + "'");
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "Sub\tcartella\t0\nA.avi\tfile\t3\nb.txt\tfile\t0\n");
    EXPECT_EQ(RunCli("list /nonexistent-vt-folder").status, 1);
    EXPECT_EQ(RunCli("list").status, 2);
}
