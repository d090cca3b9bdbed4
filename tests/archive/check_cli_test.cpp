#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
std::pair<int, std::string> Cli(const std::string& args)
{
    std::string cmd = std::string("'") + VT_CLI_PATH + "' " + args + " 2>/dev/null";
    FILE* p = popen(cmd.c_str(), "r");
    std::string out;
    std::array<char, 4096> buf;
    while (std::size_t n = fread(buf.data(), 1, buf.size(), p))
        out.append(buf.data(), n);
    int st = pclose(p);
    return {WIFEXITED(st) ? WEXITSTATUS(st) : -1, out};
}
} // namespace

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

    auto r = Cli("check '" + dir + "/films' --archive '" + dir + "/arch' --no-date");
    EXPECT_EQ(r.first, 0);
    EXPECT_EQ(r.second, "skipped\t\tSub\n"
                        "differs\t2\tAltro.avi\n"
                        "same\t1\tFilm - CD1.avi\n"
                        "same\t\tFilm - CD2.avi\n"
                        "missing\t\tNuovo.avi\n");
    r = Cli("check '" + dir + "/films' --archive '" + dir + "/arch' --no-date --details");
    EXPECT_EQ(r.second.substr(0, r.second.find('\t', r.second.find('\t') + 1)), "1\tAltro.avi");
    EXPECT_EQ(Cli("check '" + dir + "/films'").first, 2);
    EXPECT_EQ(Cli("check '" + dir + "/films' --archive '" + dir + "/films'").first, 1);
    fs::remove_all(dir);
}
