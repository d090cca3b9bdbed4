#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

#include "app/Settings.h"
#include "app/Version.h"
#include "app/WindowSize.h"
#include "platform/Error.h"
#include "platform/Files.h"

using namespace vt;
namespace fs = std::filesystem;

namespace {

std::string TempDir(const char* name)
{
    fs::path p = fs::temp_directory_path() / (std::string("vt_settings_") + name + "_" + std::to_string(getpid()));
    fs::remove_all(p);
    fs::create_directories(p);
    return p.string() + "/";
}

std::vector<std::string> Lines(std::initializer_list<const char*> l) { return {l.begin(), l.end()}; }

} // namespace

TEST(Settings, FirstStartDefaultsAreTheTwelveLines)
{
    SettingsValues v;
    v.archiveFolder = "/opt/vantaro/";
    EXPECT_EQ(FormatSettingsFile(v, ItalianFormat()),
              "xdg-open\r\nVerif_Files_Sel_ON\r\nVerif_Dest_Sel_ON\r\nSkipFileOnDest\r\n10\r\nFileByFile\r\n"
              "Vocal_ON\r\n/opt/vantaro/\r\n-1\r\nTestDataFile_SI\r\nTestDimFile_SI\r\nTestRis_SI\r\n");
}

TEST(Settings, EveryOptionRoundTripsThroughTheFile)
{
    std::string dir = TempDir("roundtrip");
    SettingsValues v;
    v.player = "/usr/bin/mpv";
    v.verifInFile = true;
    v.verifInDest = false;
    v.overwrite = false;
    v.minMb = 12.5;
    v.vocal = false;
    v.archiveFolder = "/media/film/Cinarca òà";
    v.checkType = 1;
    v.testDate = false;
    v.testSize = true;
    v.testResolution = false;
    WriteSettingsFile(dir + "VT_CFG.cfg", v, ItalianFormat());
    std::string text = ReadWholeFile(dir + "VT_CFG.cfg");
    EXPECT_NE(text.find("Verif_Files_Sel_ON\r\nVerif_Dest_Sel_OFF\r\nSkipFileOnDest\r\n12,5\r\n"), std::string::npos);
    EXPECT_NE(text.find("TestDimFile_SI\r\nTestRis_NO\r\n"), std::string::npos);

    auto r = ReadSettingsFile(dir + "VT_CFG.cfg", SettingsValues{}, ItalianFormat());
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(r.linesApplied, 12);
    EXPECT_EQ(r.values, v);

    v.overwrite = true;
    v.verifInFile = false;
    v.checkType = 0;
    WriteSettingsFile(dir + "VT_CFG.cfg", v, ItalianFormat());
    EXPECT_EQ(ReadSettingsFile(dir + "VT_CFG.cfg", SettingsValues{}, ItalianFormat()).values, v);
    fs::remove_all(dir);
}

TEST(Settings, WordsAreExactAndLetterCaseCounts)
{
    SettingsValues start;
    auto r = ParseSettingsLines(Lines({"p", "verif_files_sel_on", "Verif_Dest_Sel_ON ", "overwrite", "10", "AllList",
                                       "VOCAL_ON", "/x", "0", "TestDataFile_si", "TestDimFile_SI", "x"}),
                                start, ItalianFormat());
    ASSERT_TRUE(r.ok());
    EXPECT_FALSE(r.values.verifInFile);
    EXPECT_FALSE(r.values.verifInDest);
    EXPECT_FALSE(r.values.overwrite);
    EXPECT_TRUE(r.values.fileByFile); // every word keeps the file-by-file mode
    EXPECT_FALSE(r.values.vocal);
    EXPECT_FALSE(r.values.testDate);
    EXPECT_TRUE(r.values.testSize);
    EXPECT_FALSE(r.values.testResolution);
}

TEST(Settings, CheckTypeLine)
{
    struct Case { const char* line; int index; } cases[] = {{"1", 1}, {"0", 0}, {"-1", -1}, {"7", -1}};
    for (auto c : cases) {
        std::vector<std::string> lines(12, "");
        lines[4] = "10";
        lines[8] = c.line;
        auto r = ParseSettingsLines(lines, SettingsValues{}, ItalianFormat());
        ASSERT_TRUE(r.ok()) << c.line;
        EXPECT_EQ(r.values.checkType, c.index) << c.line;
    }
}

TEST(Settings, ConversionErrorsStopTheRead)
{
    SettingsValues start;
    start.vocal = true;
    start.checkType = -1;
    // A non-numeric line 5: lines 1 to 4 applied, nothing after.
    auto r = ParseSettingsLines(Lines({"/bin/mplayer", "Verif_Files_Sel_OFF", "Verif_Dest_Sel_OFF", "OverWrite",
                                       "dieci", "FileByFile", "Vocal_OFF", "/arch", "1"}),
                                start, ItalianFormat());
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.error, "'dieci' is not a valid floating point value");
    EXPECT_EQ(r.linesApplied, 4);
    EXPECT_EQ(r.values.player, "/bin/mplayer");
    EXPECT_TRUE(r.values.overwrite);
    EXPECT_TRUE(r.values.vocal);
    EXPECT_EQ(r.values.archiveFolder, "");

    // A short file: missing lines read as empty; the read stops at line 9.
    r = ParseSettingsLines(Lines({"p", "Verif_Files_Sel_ON", "Verif_Dest_Sel_ON", "OverWrite", "20", "FileByFile",
                                  "Vocal_ON"}),
                           start, ItalianFormat());
    EXPECT_EQ(r.linesApplied, 8);
    EXPECT_EQ(r.error, "'' is not a valid integer value");
    EXPECT_EQ(r.values.minMb, 20);
    EXPECT_EQ(r.values.archiveFolder, "");

    // Ending before line 5.
    r = ParseSettingsLines(Lines({"p", "Verif_Files_Sel_ON"}), start, ItalianFormat());
    EXPECT_EQ(r.linesApplied, 4);
    EXPECT_FALSE(r.values.verifInDest);
    EXPECT_FALSE(r.ok());
}

TEST(Settings, LineEndingsAndLegacyEncoding)
{
    std::string dir = TempDir("legacy");
    {
        // LF line ends and a Windows-1252 archive folder "C:\Film\Città".
        std::ofstream f(dir + "VT_CFG.cfg", std::ios::binary);
        f << "p\nVerif_Files_Sel_ON\r\nVerif_Dest_Sel_OFF\nOverWrite\n5\nFileByFile\nVocal_OFF\n/Citt\xE0\n1\n"
             "TestDataFile_NO\nTestDimFile_NO\nTestRis_SI\n";
    }
    auto r = ReadSettingsFile(dir + "VT_CFG.cfg", SettingsValues{}, ItalianFormat());
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(r.values.archiveFolder, "/Citt\xC3\xA0");
    EXPECT_FALSE(r.values.verifInDest);
    EXPECT_TRUE(r.values.testResolution);
    fs::remove_all(dir);
}

TEST(Settings, FailedWriteKeepsTheOldFile)
{
    std::string dir = TempDir("full");
    SettingsValues v;
    WriteSettingsFile(dir + "VT_CFG.cfg", v, ItalianFormat());
    std::string before = ReadWholeFile(dir + "VT_CFG.cfg");

    // A file-size limit makes the write fail half-way, as a full disk does
    // (and it works for root too, unlike a read-only folder).
    struct rlimit old {};
    getrlimit(RLIMIT_FSIZE, &old);
    auto oldHandler = signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 64;
    setrlimit(RLIMIT_FSIZE, &small);
    v.player = std::string(200, 'x');
    EXPECT_THROW(WriteSettingsFile(dir + "VT_CFG.cfg", v, ItalianFormat()), PlatformError);
    setrlimit(RLIMIT_FSIZE, &old);
    signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(ReadWholeFile(dir + "VT_CFG.cfg"), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator{}), 1) << "temporary file left";
    fs::remove_all(dir);
}

TEST(Settings, MissingFolderFailsWithTheSystemText)
{
    try {
        WriteSettingsFile("/nonexistent-vt/VT_CFG.cfg", SettingsValues{}, ItalianFormat());
        FAIL();
    } catch (const PlatformError& e) {
        EXPECT_NE(std::string(e.what()).find("/nonexistent-vt/VT_CFG.cfg"), std::string::npos);
    }
    EXPECT_THROW(ReadSettingsFile("/nonexistent-vt/VT_CFG.cfg", {}, ItalianFormat()), PlatformError);
}

TEST(Version, TextAndCaption)
{
    EXPECT_EQ(FormatVersionText(5, 0, 3), " 5. 0. 3");
    EXPECT_EQ(FormatVersionText(12, 3, 45), "12. 3.45");
    EXPECT_EQ(std::string(kCaptionPrefix) + " 5. 0. 3", "Vantaro - Quadrel (2006-09) - Ver.  5. 0. 3");
    EXPECT_EQ(MainCaption(), kCaptionPrefix + GetVersionText());
}

TEST(WindowSize, Placements)
{
    struct Case { WindowPlacement p; int w, h; WindowRect r; } cases[] = {
        {WindowPlacement::TopHalf, 1920, 1040, {0, 0, 1920, 520}},
        {WindowPlacement::BottomHalf, 1920, 1040, {0, 520, 1920, 520}},
        {WindowPlacement::Full, 1920, 1040, {0, 0, 1920, 1040}},
        {WindowPlacement::BottomHalf, 1024, 600, {0, 345, 1024, 345}},
        {WindowPlacement::TopHalf, 1024, 600, {0, 0, 1024, 345}},
        {WindowPlacement::Full, 640, 300, {0, 0, 800, 345}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PlaceWindow(c.p, c.w, c.h), c.r) << c.w << "x" << c.h;
}
