#include <gtest/gtest.h>

#include <QApplication>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "app/VT_U1.h"
#include "platform/DateTime.h"
#include "platform/RecordingUi.h"
#include "platform/qt/QtUiServices.h"
#include "selection/FolderCreation.h"

using namespace vt;
namespace fs = std::filesystem;

namespace {
class SelectionWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = (fs::temp_directory_path() / ("vt_selwin_" + std::to_string(getpid()))).string();
        fs::remove_all(dir);
        fs::create_directories(dir + "/prog");
        fs::create_directories(dir + "/films/Saga");
        std::ofstream(dir + "/films/Saga/uno.avi") << std::string(1500, 'x');
        std::ofstream(dir + "/films/Saga/due.avi") << std::string(500, 'x');
        std::ofstream(dir + "/films/Alien.avi") << std::string(2048, 'x');
        std::ofstream(dir + "/films/Blade.avi") << std::string(100, 'x');
        form = CreateForms(ui, dir + "/prog");
        form->SLV1->SetFolder(dir + "/films");
    }
    void TearDown() override
    {
        form.reset();
        fs::remove_all(dir);
    }
    int Row(const std::string& name) const { return form->SLV1->model().RowOf(name); }

    std::string dir;
    RecordingUi ui;
    std::unique_ptr<TForm1> form;
};
} // namespace

TEST_F(SelectionWindowTest, AddRemoveAndClearTheCopyList)
{
    TForm1& f = *form;
    EXPECT_FALSE(f.LBDFREE->text().isEmpty());
    f.SLV1->SetSelected(Row("Saga"), true);
    f.SLV1->SetSelected(Row("Alien.avi"), true);
    f.SLV1->SetSelected(Row("Blade.avi"), true);
    f.ADDNAMES->click();
    ASSERT_EQ(f.LISTANOMI->topLevelItemCount(), 3);
    EXPECT_EQ(f.LISTANOMI->topLevelItem(0)->text(0), "Saga");
    EXPECT_EQ(f.LBNUM->text(), "3");
    EXPECT_EQ(f.NFDC->text(), "3");
    EXPECT_EQ(f.LBDIM->text(), "4,1 KB"); // 4148 bytes
    EXPECT_EQ(f.MBDC->text(), f.LBDIM->text());
    ASSERT_EQ(f.LISTASORG->topLevelItemCount(), 3);
    EXPECT_EQ(f.LISTASORG->topLevelItem(0)->text(1), "2,0 KB"); // the folder's files
    EXPECT_EQ(f.LISTASORG->topLevelItem(1)->text(1), "2,0 KB");
    EXPECT_EQ(f.LISTASORG->topLevelItem(1)->text(2).size(), 10); // dd/mm/yyyy
    EXPECT_EQ(f.Label4->text(), "Path...");

    // The same rows again: refused with a beep each, the list unchanged.
    f.ADDNAMES->click();
    EXPECT_EQ(ui.Count("beep"), 3);
    EXPECT_EQ(f.LISTANOMI->topLevelItemCount(), 3);

    f.LISTANOMI->clearSelection();
    f.LISTANOMI->topLevelItem(0)->setSelected(true);
    f.SBREMOVE->click();
    ASSERT_EQ(f.LISTANOMI->topLevelItemCount(), 2);
    EXPECT_EQ(f.LISTANOMI->topLevelItem(0)->text(0), "Alien.avi");
    EXPECT_TRUE(f.LISTANOMI->topLevelItem(0)->isSelected());
    EXPECT_EQ(f.LBNUM->text(), "2");
    f.CLEARNAMES->click();
    EXPECT_EQ(f.LISTANOMI->topLevelItemCount(), 0);
    EXPECT_EQ(f.LBNUM->text(), "0");
}

TEST_F(SelectionWindowTest, DestinationsAndFolderCreation)
{
    TForm1& f = *form;
    f.ADDDEST->click();
    ASSERT_EQ(f.LDEST2->topLevelItemCount(), 1);
    EXPECT_EQ(f.LDEST2->topLevelItem(0)->text(1).toStdString(), dir + "/films");
    EXPECT_FALSE(f.LDEST2->topLevelItem(0)->text(2).isEmpty());
    ASSERT_EQ(f.LDEST->topLevelItemCount(), 1);
    EXPECT_EQ(f.LDEST->topLevelItem(0)->text(2), "???");
    f.ADDDEST->click(); // the same destination again
    EXPECT_EQ(f.LDEST2->topLevelItemCount(), 1);
    f.SpeedButton1->click();
    EXPECT_EQ(f.LDEST2->topLevelItemCount(), 0);

    f.CreaCartellaconDatacorrente1->trigger();
    std::string today = DateFolderName(Now());
    EXPECT_TRUE(fs::is_directory(dir + "/films/" + today));
    EXPECT_TRUE(ui.Messages().empty());
    f.CreaCartellaconDatacorrente1->trigger();
    EXPECT_EQ(ui.Messages(), std::vector<std::string>{"La directory esiste già"});
}

TEST_F(SelectionWindowTest, CopyJobCopiesTheListToEveryDestination)
{
    TForm1& f = *form;
    fs::create_directories(dir + "/dest1");
    fs::create_directories(dir + "/dest2");
    f.SLV1->SetSelected(Row("Saga"), true);
    f.SLV1->SetSelected(Row("Alien.avi"), true);
    f.ADDNAMES->click();
    for (const char* d : {"/dest1", "/dest2"}) {
        f.SLV1->SetFolder(dir + d);
        f.ADDDEST->click();
    }
    ASSERT_EQ(f.LDEST->topLevelItemCount(), 2);
    f.CBHIDEAPI->setChecked(true);
    f.VOCAL->setChecked(false);
    f.SBCOPIA->click();
    for (const char* d : {"/dest1", "/dest2"}) {
        EXPECT_EQ(fs::file_size(dir + d + "/Alien.avi"), 2048u) << d;
        EXPECT_EQ(fs::file_size(dir + d + "/Saga/uno.avi"), 1500u) << d;
        EXPECT_EQ(fs::last_write_time(dir + d + "/Alien.avi"), fs::last_write_time(dir + "/films/Alien.avi"));
    }
    EXPECT_NE(f.LDEST->topLevelItem(1)->text(2), "???");
    EXPECT_NE(f.TPASSATO->text(), "?:??:??");
    EXPECT_TRUE(f.SBCOPIA->isEnabled());
    EXPECT_TRUE(ui.Messages().empty());
}
