#include <gtest/gtest.h>

#include <QTimer>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

#include "app/VT_U1.h"
#include "archive/VT_U_DETT_DB.h"
#include "archive/VT_U_LISTDB.h"
#include "platform/RecordingUi.h"
#include "platform/qt/QtUiServices.h"
#include "support/TestSupport.h"

using namespace vt;
namespace fs = std::filesystem;

namespace {

void FileOn(const std::string& p, std::int64_t bytes, int y, int m, int d)
{
    { std::ofstream(p, std::ios::binary); }
    fs::resize_file(p, static_cast<std::uintmax_t>(bytes));
    test::SetLocalDate(p, y, m, d);
}

class TitleCheckWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = (fs::temp_directory_path() / ("vt_checkwin_" + std::to_string(getpid()))).string();
        fs::remove_all(dir);
        for (const char* d : {"/prog", "/arch/copertine", "/films"})
            fs::create_directories(dir + d);
        std::ofstream(dir + "/arch/films.txt", std::ios::binary)
            << "Film.avi\tAzione\tA\tB\tRegista\tMARIO-A12\t120\t1999\t14/09/2009\t1,5\t1\tTrama uno\r\n"
               "Altro.avi\tDramma\tC\tD\tRegista\tA13\t90\t2001\t14/09/2009\t2\t2\tTrama due\r\n";
        std::ofstream(dir + "/prog/VT_CFG.cfg", std::ios::binary)
            << "xdg-open\r\nVerif_Files_Sel_ON\r\nVerif_Dest_Sel_ON\r\nSkipFileOnDest\r\n10\r\nFileByFile\r\n"
               "Vocal_ON\r\n" << dir << "/arch\r\n1\r\nTestDataFile_SI\r\nTestDimFile_SI\r\nTestRis_SI\r\n";
        FileOn(dir + "/films/Film.avi", 1500000, 2009, 9, 14);
        FileOn(dir + "/films/Altro.avi", 3000000, 2009, 9, 14);
        FileOn(dir + "/films/Nuovo.avi", 100, 2009, 9, 14); // a whole header: selecting it reads it
        form = CreateForms(ui, dir + "/prog");
        form->SLV1->SetFolder(dir + "/films");
    }
    void TearDown() override
    {
        form.reset();
        fs::remove_all(dir);
    }
    int Row(const char* name) const { return form->SLV1->model().RowOf(name); }

    std::string dir;
    RecordingUi ui;
    std::unique_ptr<TForm1> form;
};

} // namespace

TEST_F(TitleCheckWindowTest, ArchiveCheckMarksTheListAndFillsTheComparison)
{
    TForm1& f = *form;
    ASSERT_TRUE(f.SBDBSTAT->isEnabled()) << (ui.Messages().empty() ? "" : ui.Messages()[0]);
    f.SBDBSTAT->click();
    EXPECT_EQ(f.SLV1->StateImage(Row("Film.avi")), kOutcomeArchiveEqual);
    EXPECT_EQ(f.SLV1->StateImage(Row("Altro.avi")), kOutcomeArchiveDiffers);
    EXPECT_EQ(f.SLV1->StateImage(Row("Nuovo.avi")), -1);
    EXPECT_TRUE(f.SLV1->Selected(Row("Nuovo.avi")));
    EXPECT_FALSE(f.SLV1->Selected(Row("Film.avi")));

    TForm3& c = *f.Form3;
    ASSERT_EQ(c.LISTATITDB->topLevelItemCount(), 1);
    EXPECT_EQ(c.LISTATITDB->topLevelItem(0)->text(1), "Altro.avi");
    EXPECT_EQ(c.LISTATITDB->headerItem()->text(2), "Titolo DB");
    EXPECT_TRUE(c.SBHDPLAY->isHidden());
    EXPECT_EQ(f.state().ComparisonRows.size(), 1u);

    // One row selected: its buttons; "PLAY Sorgente" starts the player on it.
    std::vector<PlayerCommand> started;
    f.PlayerSpawner = [&](const PlayerCommand& cmd) { started.push_back(cmd); };
    c.LISTATITDB->topLevelItem(0)->setSelected(true);
    c.LISTATITDB->setCurrentItem(c.LISTATITDB->topLevelItem(0));
    EXPECT_TRUE(c.SBDETTTIT->isEnabled());
    c.SBSORGPLAY->click();
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].program, "xdg-open");
    EXPECT_EQ(started[0].args, std::vector<std::string>{dir + "/films/Altro.avi"});

    // "Add the selected titles" selects the file in the shell list.
    f.SLV1->clearSelection();
    c.SBADDSELOSEL->click();
    EXPECT_TRUE(f.SLV1->Selected(Row("Altro.avi")));

    // The details of a checked file, by a double click on its row.
    bool closedWith = false;
    QTimer::singleShot(0, [&] {
        closedWith = f.Form4->isVisible();
        EXPECT_EQ(f.Form4->DBEDtitolo->text(), "Film.avi");
        EXPECT_EQ(f.Form4->DBEDdimmb->text(), "1,50");
        EXPECT_EQ(f.Form4->DBEDdataa->text(), "14/09/2009");
        f.Form4->reject();
    });
    emit f.SLV1->doubleClicked(f.SLV1->model().index(Row("Film.avi"), 0));
    EXPECT_TRUE(closedWith);
    EXPECT_TRUE(ui.Messages().empty()) << ui.Messages()[0];
}

TEST_F(TitleCheckWindowTest, NessunoLeavesTheListAlone)
{
    TForm1& f = *form;
    f.CBXTIPOCONTR->setCurrentIndex(0);
    f.SBDBSTAT->click();
    EXPECT_EQ(f.SLV1->StateImage(Row("Film.avi")), -1);
    EXPECT_EQ(f.Form3->LISTATITDB->topLevelItemCount(), 0);
}
