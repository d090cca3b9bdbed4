#include <gtest/gtest.h>

#include <cstdio>
#include <sys/wait.h>

#include "MediaFixtures.h"

using namespace vt;
using namespace vt::test;


TEST(MediaCli, InfoPrintsTheStatusLabel)
{
    TempTree t;
    CliRun r = RunCli("info " + Q(MediaData("Il Gladiatore.AVI")) + " " + Q(MediaData("vga.avi")) + " " +
                          Q(MediaData("short.avi")) + " " + Q(t.Path("notes.txt")),
                      t.Path("err"));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "ILGLADIATORE.AVI : W = 720  H = 576\nVGA.AVI : W = 640  H = 480\nn.a.\n");
    EXPECT_EQ(r.err, "vantaro-cli: " + MediaData("short.avi") + ": Read beyond end of file\n");

    EXPECT_EQ(RunCli("info", t.Path("err")).status, 2);
}

TEST(MediaCli, ScanAndDupesPrintWhatTheListWindowShows)
{
    TempTree t;
    const std::string m = t.Dir("Media") + "/";
    CopyFixture("Il Gladiatore.AVI", m + "Il Gladiatore.AVI");
    t.Dir("Media/Vecchi");
    CopyFixture("vga.avi", m + "Vecchi/Il Gladiatore [DVD].avi");
    t.File("Media/Vecchi/Zorro.avi", 60);
    for (const char* f : {"Il Gladiatore.AVI", "Vecchi/Il Gladiatore [DVD].avi", "Vecchi/Zorro.avi"})
        SetLocalDate(m + f, 2009, 9, 14);
    const std::string archive = std::string(VT_TEST_DATA) + "/archive/cinarca";
    const std::string d = "\t14-09-2009\t";

    CliRun r = RunCli("scan " + Q(t.Path("Media")) + " --archive " + Q(archive), t.Path("err"));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Il Gladiatore.AVI\t7,2E-5" + d + m + "\t1\t720 x 576\n"
                     "Il Gladiatore [DVD].avi\t7,2E-5" + d + m + "Vecchi/\t3\t640 x 480\n"
                     "Zorro.avi\t6E-5" + d + m + "Vecchi/\t-\t a.d.\n"
                     "Numero titoli trovati : 3\n");

    r = RunCli("scan --no-res " + Q(t.Path("Media")), t.Path("err"));
    EXPECT_EQ(r.out, "Il Gladiatore.AVI\t7,2E-5" + d + m + "\t-\t-\n"
                     "Il Gladiatore [DVD].avi\t7,2E-5" + d + m + "Vecchi/\t-\t-\n"
                     "Zorro.avi\t6E-5" + d + m + "Vecchi/\t-\t-\n"
                     "Numero titoli trovati : 3\n");

    r = RunCli("dupes " + Q(t.Path("Media")) + " --size", t.Path("err"));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "*\tIl Gladiatore [DVD].avi\t7,2E-5" + d + m + "Vecchi/\t-\t640 x 480\n"
                     "*\tIl Gladiatore.AVI\t7,2E-5" + d + m + "\t-\t720 x 576\n"
                     "\tZorro.avi\t6E-5" + d + m + "Vecchi/\t-\t a.d.\n"
                     "Trovati 1 Titoli doppi\n");
    r = RunCli("dupes " + Q(t.Path("Media")) + " --res", t.Path("err"));
    EXPECT_NE(r.out.find("Trovati 0 Titoli doppi\n"), std::string::npos);

    EXPECT_EQ(RunCli("scan " + Q(t.Path("Nessuno")), t.Path("err")).status, 1);
    EXPECT_EQ(RunCli("scan", t.Path("err")).status, 2);
    EXPECT_EQ(RunCli("dupes " + Q(m) + " --nope", t.Path("err")).status, 2);
}
