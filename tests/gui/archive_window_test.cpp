#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "app/VT_U1.h"
#include "platform/RecordingUi.h"
#include "platform/qt/QtUiServices.h"

using namespace vt;
namespace fs = std::filesystem;

namespace {
const std::string kData = VT_TEST_DATA;

class ArchiveWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = (fs::temp_directory_path() / ("vt_archwin_" + std::to_string(getpid()))).string() + "/";
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override
    {
        FolderBrowseDialog::testHook = nullptr;
        form.reset();
        fs::remove_all(dir);
    }
    TForm1& OpenWithArchive(const std::string& archive)
    {
        std::ofstream(dir + "VT_CFG.cfg", std::ios::binary)
            << "xdg-open\r\nVerif_Files_Sel_ON\r\nVerif_Dest_Sel_ON\r\nSkipFileOnDest\r\n10\r\nFileByFile\r\n"
               "Vocal_ON\r\n" << archive << "\r\n1\r\nTestDataFile_SI\r\nTestDimFile_SI\r\nTestRis_SI\r\n";
        form = CreateForms(ui, dir);
        return *form;
    }
    std::string dir;
    RecordingUi ui;
    std::unique_ptr<TForm1> form;
};
} // namespace

TEST_F(ArchiveWindowTest, StartLoadsTheArchiveOfTheSettings)
{
    TForm1& f = OpenWithArchive(kData + "/archive/cinarca");
    EXPECT_TRUE(ui.events.empty());
    EXPECT_TRUE(f.SBDBSTAT->isEnabled());
    EXPECT_TRUE(f.SBDBLIST->isEnabled());
    EXPECT_TRUE(f.SBDBSTAT->toolTip().startsWith("Data Archivio films: ")) << f.SBDBSTAT->toolTip().toStdString();
    EXPECT_GT(f.state().FilmArchive.Count(), 0);
    EXPECT_EQ(f.state().CoversFolder, kData + "/archive/cinarca/copertine/");
    EXPECT_TRUE(f.state().PostersFolder.empty());
}

TEST_F(ArchiveWindowTest, BrokenArchiveShowsTheErrorAndKeepsThePrevious)
{
    TForm1& f = OpenWithArchive(kData + "/archive/broken");
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_NE(ui.Messages()[0].find("riga 3"), std::string::npos) << ui.Messages()[0];
    EXPECT_EQ(f.state().FilmArchive.Count(), 0);

    // Choose the good folder: only the edit changes, until "Aggiorna".
    f.show();
    FolderBrowseDialog::testHook = [&](const std::string& start, std::string& chosen) {
        EXPECT_EQ(start, kData + "/archive/broken");
        chosen = kData + "/archive/cinarca/";
        return true;
    };
    f.SBDBPOS->click();
    EXPECT_EQ(f.EDDBPOS->Path(), kData + "/archive/cinarca");
    EXPECT_TRUE(f.SBSAVE->isEnabled());
    EXPECT_EQ(f.state().FilmArchive.Count(), 0);
    f.SBDBREFR->click();
    int count = f.state().FilmArchive.Count();
    EXPECT_GT(count, 0);
    QString hint = f.SBDBSTAT->toolTip();

    // A failed reload keeps the loaded archive and its hint.
    FolderBrowseDialog::testHook = [&](const std::string&, std::string& chosen) {
        chosen = kData + "/archive/broken";
        return true;
    };
    f.SBDBPOS->click();
    f.SBDBREFR->click();
    EXPECT_EQ(ui.Messages().size(), 2u);
    EXPECT_EQ(f.state().FilmArchive.Count(), count);
    EXPECT_EQ(f.SBDBSTAT->toolTip(), hint);

    // A folder without films.txt switches the title buttons off.
    FolderBrowseDialog::testHook = [&](const std::string&, std::string& chosen) {
        chosen = dir;
        return true;
    };
    f.SBDBPOS->click();
    f.SBDBREFR->click();
    EXPECT_FALSE(f.SBDBSTAT->isEnabled());
    EXPECT_FALSE(f.SBDBLIST->isEnabled());
    EXPECT_EQ(f.state().FilmArchive.Count(), count);
}
