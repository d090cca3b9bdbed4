#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

#include "support/TestSupport.h"

namespace fs = std::filesystem;
using vt::test::RunCli;


TEST(CheckCli, ArchiveCheckPrintsEachRowAndTheDetails)
{
    std::string dir = (fs::temp_directory_path() / ("vt_checkcli_" + std::to_string(getpid()))).string();
    fs::remove_all(dir);
    fs::create_directories(dir + "/arch");
    fs::create_directories(dir + "/films/Sub");
    std::ofstream(dir + "/arch/films.txt", std::ios::binary)
        << "Film.avi\tg\ta\tb\tr\tMARIO-1\t90\t1999\t14/09/2009\t0,000003\t1\tt\r\n"
           "Altro.avi\tg\ta\tb\tr\tA2\t90\t1999\t14/09/2009\t9\t2\tt\r\n";
    std::ofstream(dir + "/films/Film - CD1.avi") << "abc";
    std::ofstream(dir + "/films/Film - CD2.avi") << "abc";
    std::ofstream(dir + "/films/Altro.avi") << "x";
    std::ofstream(dir + "/films/Nuovo.avi") << "x";

    auto r = RunCli("check '" + dir + "/films' --archive '" + dir + "/arch' --no-date");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "skipped\t\tSub\n"
                        "differs\t2\tAltro.avi\n"
                        "same\t1\tFilm - CD1.avi\n"
                        "same\t\tFilm - CD2.avi\n"
                        "missing\t\tNuovo.avi\n");
    r = RunCli("check '" + dir + "/films' --archive '" + dir + "/arch' --no-date --details");
    EXPECT_EQ(r.out.substr(0, r.out.find('\t', r.out.find('\t') + 1)), "1\tAltro.avi");
    EXPECT_EQ(RunCli("check '" + dir + "/films'").status, 2);
    EXPECT_EQ(RunCli("check '" + dir + "/films' --archive '" + dir + "/films'").status, 1);
    fs::remove_all(dir);
}
