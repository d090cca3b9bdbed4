#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "app/VT_U1.h"
#include "app/Version.h"
#include "platform/Files.h"
#include "platform/RecordingUi.h"
#include "platform/qt/QtUiServices.h"

using namespace vt;
namespace fs = std::filesystem;

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = (fs::temp_directory_path() / ("vt_gui_" + std::to_string(getpid()) + "_" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name()))
                  .string() + "/";
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override
    {
        form.reset();
        fs::remove_all(dir);
    }
    void WriteSettingsText(const std::string& text)
    {
        std::ofstream(dir + "VT_CFG.cfg", std::ios::binary) << text;
    }
    TForm1& Open()
    {
        form = CreateForms(ui, dir);
        return *form;
    }

    std::string dir;
    RecordingUi ui;
    std::unique_ptr<TForm1> form;
};

const char* kSettings =
    "/usr/bin/mpv\r\nVerif_Files_Sel_OFF\r\nVerif_Dest_Sel_ON\r\nOverWrite\r\n%s\r\nFileByFile\r\nVocal_OFF\r\n"
    "/srv/film\r\n%s\r\nTestDataFile_NO\r\nTestDimFile_SI\r\nTestRis_NO\r\n";

std::string Settings(const char* line5, const char* line9)
{
    char buf[512];
    std::snprintf(buf, sizeof buf, kSettings, line5, line9);
    return buf;
}

} // namespace

TEST_F(MainWindowTest, FirstStartShowsTheDesignAndWritesTheDefaults)
{
    TForm1& f = Open();
    EXPECT_EQ(f.windowTitle(), ToQ(MainCaption()));
    ASSERT_EQ(f.PageControl1->count(), 3);
    EXPECT_EQ(f.PageControl1->tabText(0), "Selezione Files");
    EXPECT_EQ(f.PageControl1->tabText(1), "Copia Files");
    EXPECT_EQ(f.PageControl1->tabText(2), "Setting");
    EXPECT_EQ(f.PageControl1->currentIndex(), 0);
    EXPECT_EQ(f.PageControl2->currentIndex(), 1);

    for (QWidget* w : std::initializer_list<QWidget*>{f.SBDBSTAT, f.SBDBLIST, f.SBREN, f.PREVIEW, f.SBSAVE, f.RBALLLIST,
                                                      f.CBDBDATAF, f.CBDBDIMF, f.CBDBRIS})
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    for (QWidget* w : std::initializer_list<QWidget*>{f.SBMAPDISK, f.SBRENWIZ, f.ADDNAMES, f.SBCOPIA, f.SBUP1L})
        EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_FALSE(f.PUMHDEXEC->isEnabled());
    EXPECT_TRUE(f.PUMHDSELMEDIA->isEnabled());
    EXPECT_TRUE(f.CBPUMMIO->isChecked());
    EXPECT_FALSE(f.CBHIDEAPI->isChecked());
    EXPECT_EQ(f.STTIPOCOPIA->text(), "Invoca API File per File");
    EXPECT_EQ(f.TPASSATO->text(), "0:00:00");
    EXPECT_EQ(f.Label4->text(), "Path...");
    EXPECT_EQ(f.CBXTIPOCONTR->currentIndex(), -1);
    EXPECT_EQ(f.CBXTIPOCONTR->placeholderText(), "Nessuno");
    EXPECT_EQ(f.MINMB->text(), "10");
    EXPECT_EQ(f.SBMAPDISK->toolTip(), "Funzioni su Media Titoli");
    EXPECT_TRUE(f.SBDBSTAT->toolTip().isEmpty()); // no films.txt: no hint

    // The settings file is written with the first-start values.
    ASSERT_TRUE(FileExists(dir + "VT_CFG.cfg"));
    EXPECT_EQ(ReadWholeFile(dir + "VT_CFG.cfg"),
              "xdg-open\r\nVerif_Files_Sel_ON\r\nVerif_Dest_Sel_ON\r\nSkipFileOnDest\r\n10\r\nFileByFile\r\n"
              "Vocal_ON\r\n" + dir + "\r\n-1\r\nTestDataFile_SI\r\nTestDimFile_SI\r\nTestRis_SI\r\n");
    EXPECT_EQ(f.state().FilmsFile, dir + "/films.txt");
    EXPECT_TRUE(f.state().CoversFolder.empty());
    EXPECT_TRUE(ui.events.empty());

    // The shell list opens on a real folder.
    EXPECT_FALSE(f.SLV1->FolderPath().empty());
}

TEST_F(MainWindowTest, SaveIsEnabledOnlyByChangesAfterTheWindowWasShown)
{
    TForm1& f = Open();
    f.VOCAL->click();
    EXPECT_FALSE(f.SBSAVE->isEnabled());
    f.VOCAL->click();

    f.show();
    EXPECT_TRUE(f.state().FormShown);
    f.VOCAL->click();
    EXPECT_TRUE(f.SBSAVE->isEnabled());
    f.SBSAVE->click();
    EXPECT_FALSE(f.SBSAVE->isEnabled());
    EXPECT_NE(ReadWholeFile(dir + "VT_CFG.cfg").find("Vocal_OFF\r\n"), std::string::npos);

    // The check type enables the boxes of "Controlla anche...".
    f.CBXTIPOCONTR->setCurrentIndex(1);
    emit f.CBXTIPOCONTR->activated(1);
    EXPECT_TRUE(f.CBDBDIMF->isEnabled());
    EXPECT_TRUE(f.SBSAVE->isEnabled());
    f.CBXTIPOCONTR->setCurrentIndex(0);
    emit f.CBXTIPOCONTR->activated(0);
    EXPECT_FALSE(f.CBDBDIMF->isEnabled());
}

TEST_F(MainWindowTest, SettingsFileIsAppliedToTheControls)
{
    WriteSettingsText(Settings("12,5", "1"));
    TForm1& f = Open();
    EXPECT_TRUE(ui.events.empty());
    EXPECT_EQ(f.PLAYER->Path(), "/usr/bin/mpv");
    EXPECT_FALSE(f.CBVERINFILE->isChecked());
    EXPECT_TRUE(f.RBOVERWRITE->isChecked());
    EXPECT_FALSE(f.RBSKIPFILE->isChecked());
    EXPECT_EQ(f.MINMB->text(), "12,5");
    EXPECT_FALSE(f.VOCAL->isChecked());
    EXPECT_EQ(f.EDDBPOS->Path(), "/srv/film");
    EXPECT_EQ(f.CBXTIPOCONTR->currentIndex(), 1);
    EXPECT_TRUE(f.CBDBDATAF->isEnabled());
    EXPECT_FALSE(f.CBDBDATAF->isChecked());
    EXPECT_TRUE(f.CBDBDIMF->isChecked());
    EXPECT_FALSE(f.SBSAVE->isEnabled());
    EXPECT_EQ(f.state().FilmsFile, "/srv/film/films.txt");
}

TEST_F(MainWindowTest, ConversionErrorStopsTheStartButTheWindowOpens)
{
    WriteSettingsText(Settings("dieci", "1"));
    TForm1& f = Open();
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_EQ(ui.Messages()[0], "'dieci' is not a valid floating point value");
    EXPECT_EQ(ui.events[0].icon, MsgIcon::Error);
    // Lines before the bad one are applied, none after it.
    EXPECT_TRUE(f.RBOVERWRITE->isChecked());
    EXPECT_TRUE(f.VOCAL->isChecked());
    EXPECT_EQ(f.EDDBPOS->Path(), dir);
    EXPECT_FALSE(f.CBDBDATAF->isEnabled());
    EXPECT_TRUE(f.state().FilmsFile.empty());
    f.show();
    EXPECT_TRUE(f.isVisible());
}

TEST_F(MainWindowTest, WindowSizeMenu)
{
    TForm1& f = Open();
    f.show();
    QScreen* s = f.screen();
    int h = s->availableGeometry().height();
    f.Su1->trigger();
    EXPECT_EQ(f.frameGeometry().top(), 0);
    EXPECT_EQ(f.frameGeometry().height(), std::max(h / 2, 345));
    f.Giu1->trigger();
    EXPECT_EQ(f.frameGeometry().top(), f.frameGeometry().height());
    f.Full1->trigger();
    EXPECT_EQ(f.frameGeometry().height(), std::max(h, 345));
    EXPECT_GE(f.width(), 800);
}

TEST_F(MainWindowTest, ShellListMenuFollowsPum)
{
    TForm1& f = Open();
    EXPECT_EQ(f.SLV1->contextMenuPolicy(), Qt::CustomContextMenu);
    f.CBPUMMIO->click();
    EXPECT_NE(f.SLV1->contextMenuPolicy(), Qt::CustomContextMenu);
    f.CBPUMMIO->click();
    EXPECT_EQ(f.SLV1->contextMenuPolicy(), Qt::CustomContextMenu);
}
