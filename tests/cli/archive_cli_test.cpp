#include <gtest/gtest.h>

#include "support/TestSupport.h"

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/time.h>
#include <sys/wait.h>

namespace fs = std::filesystem;

namespace {

struct CliRun {
    int status = -1;
    std::string out, err;
};

std::string Slurp(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

class ArchiveCli : public ::testing::Test {
protected:
    fs::path dir;
    void SetUp() override
    {
        std::string tmpl = (fs::temp_directory_path() / "vt-cli-XXXXXX").string();
        dir = mkdtemp(tmpl.data());
    }
    void TearDown() override { fs::remove_all(dir); }

    // Runs vantaro-cli with arguments already quoted for the shell.
    CliRun Cli(const std::string& args)
    {
        std::string cmd = std::string("'") + VT_CLI_PATH + "' " + args + " >'" + (dir / "out").string() +
                          "' 2>'" + (dir / "err").string() + "'";
        CliRun r;
        int raw = std::system(cmd.c_str());
        r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        r.out = Slurp(dir / "out");
        r.err = Slurp(dir / "err");
        return r;
    }

    // A copy of a fixture archive folder's films.txt, dated at noon of a day.
    fs::path Archive(const std::string& fixture, int y, int m, int d)
    {
        fs::path a = dir / fixture;
        fs::create_directory(a);
        fs::copy_file(fs::path(VT_TEST_DATA) / "archive" / fixture / "films.txt", a / "films.txt");
        vt::test::SetLocalDate((a / "films.txt").string(), y, m, d);
        return a;
    }
};

} // namespace

TEST_F(ArchiveCli, ArchivePrintsHintThenNumberTitleKey)
{
    fs::path a = Archive("cinarca", 2009, 9, 14);
    CliRun r = Cli("archive '" + a.string() + "'");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Data Archivio films: 14-set-2009 - Records # : 4 - User = MARIO\n"
                     "1\tIl Gladiatore.avi\tILGLADIATORE.AVI\n"
                     "2\tLa vita \xC3\xA8 bella.avi\tLAVITABELLA.AVI\n"
                     "3\tIl Gladiatore [DVD].avi\tILGLADIATORE.AVI\n"
                     "4\tIL GLADIATORE.AVI\tILGLADIATORE.AVI\n");
    EXPECT_EQ(r.err, "");
}

TEST_F(ArchiveCli, ArchiveErrorsGoToStderrOnly)
{
    fs::path a = Archive("broken", 2010, 10, 12);
    CliRun r = Cli("archive '" + a.string() + "'");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find((a / "films.txt").string() + "\", riga 3:"), std::string::npos) << r.err;

    r = Cli("archive '" + (dir / "nessuna").string() + "'");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("films.txt"), std::string::npos) << r.err;

    EXPECT_EQ(Cli("archive").status, 2);
    EXPECT_EQ(Cli("archive a b").status, 2);
}

TEST_F(ArchiveCli, KeyPrintsOneKeyPerNameInOrder)
{
    CliRun r = Cli("key 'Il Gladiatore [DVD] - CD1.avi' 'Mr. Smith' '' 'Matrix CD12.avi'");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "ILGLADIATORE.AVI\nMR. SMITH\n\nMATRIX2.AVI\n");
    EXPECT_EQ(Cli("key").status, 2);
}
