#include <gtest/gtest.h>

#include <QHeaderView>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "app/VT_U1.h"
#include "media/MediaTitles.h"
#include "media/VT_U_LISTHD.h"
#include "media/qt/MediaTitleModel.h"
#include "platform/Files.h"
#include "platform/RecordingUi.h"
#include "platform/qt/QtUiServices.h"

using namespace vt;
namespace fs = std::filesystem;

namespace {

class MediaListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = (fs::temp_directory_path() / ("vt_gui_media_" + std::to_string(getpid()) + "_" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name()))
                  .string() + "/";
        fs::remove_all(dir);
        fs::create_directories(dir + "Media");
        form = CreateForms(ui, dir);
        f5 = form->Form5;
        f5->spawn = [this](const PlayerCommand& c) { spawned.push_back(c); };
    }
    void TearDown() override
    {
        form.reset();
        fs::remove_all(dir);
    }
    TMediaTitle Row(const std::string& titolo, const std::string& data, const std::string& db)
    {
        std::ofstream(dir + "Media/" + titolo) << "x";
        TMediaTitle t;
        t.Titolo = titolo;
        t.DimMB = "700";
        t.Data = data;
        t.Path = dir + "Media/";
        t.DB = db;
        t.Ris = "-";
        t.InArchive = db != "-";
        return t;
    }
    void Fill()
    {
        form->state().MediaTitles = {Row("Matrix.avi", "01-01-2009", "-"), Row("Ran.avi", "31-12-2008", "4"),
                                     Row("matrix [DVD].avi", "15-06-2009", "-")};
        f5->Reload();
    }
    QString Cell(int row, int column) const { return f5->model->index(row, column).data().toString(); }
    void Select(int row)
    {
        f5->LVSUC->selectionModel()->select(f5->model->index(row, 0),
                                            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }

    std::string dir;
    RecordingUi ui;
    std::unique_ptr<TForm1> form;
    TForm5* f5 = nullptr;
    std::vector<PlayerCommand> spawned;
};

} // namespace

TEST_F(MediaListTest, LayoutAsDesigned)
{
    EXPECT_EQ(f5->windowTitle(), "Vantaro - Lista titoli del Media selezionato");
    const QStringList captions{"Titolo ^", "Dim MB ^", "Data ^", "Path ^", "DB", "Ris. W x H"};
    const int widths[] = {300, 80, 100, 250, 40, 80};
    ASSERT_EQ(f5->model->columnCount(), 6);
    for (int c = 0; c < 6; ++c) {
        EXPECT_EQ(f5->model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(), captions[c]);
        EXPECT_EQ(f5->LVSUC->header()->sectionSize(c), widths[c]);
    }
    EXPECT_EQ(f5->LVSUC->selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_EQ(f5->StatusPanel0->text(), "");
    EXPECT_EQ(f5->StatusPanel0->width(), 200);
    EXPECT_EQ(f5->StatusPanel1->text(), "Messaggi");
    EXPECT_EQ(f5->GroupBox1->title(), "   Cerca Titoli doppi nel Media selezionato   ");
    EXPECT_EQ(f5->GroupBox2->title(), "   Funzioni sul Titolo selezionato");
    EXPECT_EQ(f5->SBSEARCH->text(), "CERCA");
    EXPECT_EQ(f5->SBHDPLAY->text(), "PLAY");
    EXPECT_EQ(f5->SBHDDEL->text(), "CANCELLA");
    EXPECT_EQ(f5->SBHDPLAY->toolTip(), "Preview Filmato / Musica");
    EXPECT_EQ(f5->SBHDDEL->toolTip(), "Preview Filmato / Musica");
    for (QCheckBox* cb : {f5->CBSDDATAF, f5->CBSDDIMF, f5->CBSDRIS})
        EXPECT_FALSE(cb->isChecked());
    EXPECT_EQ(f5->CBSDDATAF->text(), "Data file");
    EXPECT_EQ(f5->CBSDDIMF->text(), "Dimensione file");
    EXPECT_EQ(f5->CBSDRIS->text(), "Risoluzione");
    EXPECT_FALSE(f5->SBHDPLAY->isEnabled());
    EXPECT_FALSE(f5->SBHDDEL->isEnabled());
}

TEST_F(MediaListTest, ShowsTheTableSortsAndSearches)
{
    Fill();
    ASSERT_EQ(f5->model->rowCount(), 3);
    EXPECT_EQ(Cell(1, kColTitolo), "Ran.avi");
    EXPECT_EQ(Cell(1, kColDB), "4");
    EXPECT_EQ(Cell(1, kColPath), PathToQ(dir + "Media/"));
    // Only the title of the archive has a picture before the search.
    EXPECT_TRUE(f5->model->index(0, 0).data(Qt::DecorationRole).isNull());
    EXPECT_FALSE(f5->model->index(1, 0).data(Qt::DecorationRole).isNull());

    // A click on "Data ^" sorts ascending, the next one descending.
    emit f5->LVSUC->header()->sectionClicked(kColData);
    EXPECT_EQ(Cell(0, kColTitolo), "Ran.avi");
    EXPECT_EQ(Cell(2, kColTitolo), "matrix [DVD].avi");
    emit f5->LVSUC->header()->sectionClicked(kColData);
    EXPECT_EQ(Cell(0, kColTitolo), "matrix [DVD].avi");
    EXPECT_EQ(f5->model->headerData(kColData, Qt::Horizontal, Qt::DisplayRole).toString(), "Data ^");

    f5->SBSEARCH->click();
    EXPECT_EQ(f5->StatusPanel1->text(), "Trovati 1 Titoli doppi");
    EXPECT_EQ(Cell(0, kColTitolo), "matrix [DVD].avi");
    EXPECT_EQ(Cell(1, kColTitolo), "Matrix.avi");
    EXPECT_FALSE(f5->model->index(0, 0).data(Qt::DecorationRole).isNull());
    EXPECT_FALSE(f5->model->index(2, 0).data(Qt::DecorationRole).isNull()); // Ran.avi: in the archive

    f5->CBSDDATAF->setChecked(true);
    f5->SBSEARCH->click();
    EXPECT_EQ(f5->StatusPanel1->text(), "Trovati 0 Titoli doppi");
    EXPECT_TRUE(f5->model->index(0, 0).data(Qt::DecorationRole).isNull());
}

TEST_F(MediaListTest, PlayDeleteAndDetailsActOnTheSelectedRow)
{
    Fill();
    std::vector<std::int32_t> details;
    f5->ShowFilmDetailsHook = [&](std::int32_t r) { details.push_back(r); };

    f5->SBHDPLAY->setEnabled(true);
    f5->SBHDPLAYClick(); // nothing selected: nothing happens
    f5->LVSUCDblClick();
    EXPECT_TRUE(spawned.empty());

    Select(0);
    EXPECT_TRUE(f5->SBHDPLAY->isEnabled());
    EXPECT_TRUE(f5->SBHDDEL->isEnabled());
    f5->SBHDPLAY->click();
    ASSERT_EQ(spawned.size(), 1u);
    EXPECT_EQ(spawned[0], (PlayerCommand{form->PLAYER->Path(), {dir + "Media//Matrix.avi"}}));
    f5->LVSUCDblClick(); // "-": not in the archive
    Select(1);
    f5->LVSUCDblClick();
    EXPECT_EQ(details, (std::vector<std::int32_t>{4}));

    // No: nothing; Yes: the file and the row are gone.
    ui.replies = {false, true};
    f5->SBHDDEL->click();
    EXPECT_TRUE(FileExists(dir + "Media/Ran.avi"));
    f5->SBHDDEL->click();
    EXPECT_FALSE(FileExists(dir + "Media/Ran.avi"));
    ASSERT_EQ(f5->model->rowCount(), 2);
    EXPECT_EQ(Cell(1, kColTitolo), "matrix [DVD].avi");
    EXPECT_EQ(f5->StatusPanel1->text(), "Titolo cancellato");
    EXPECT_FALSE(f5->SBHDDEL->isEnabled());

    // A file that is gone already: the error box, the row stays.
    fs::remove(dir + "Media/Matrix.avi");
    Select(0);
    ui.replies = {true};
    f5->SBHDDEL->click();
    EXPECT_EQ(ui.Messages().back(), "Errore nella cancellazione del titolo");
    EXPECT_EQ(f5->model->rowCount(), 2);
}

TEST_F(MediaListTest, OpensCentredFirstThenAtTheLeftEdge)
{
    form->state().MediaTitles = {Row("Matrix.avi", "01-01-2009", "-")};
    form->move(300, 100);
    form->show();
    QRect seen[2];
    for (int i = 0; i < 2; ++i) {
        QTimer::singleShot(0, f5, [&, i] {
            seen[i] = f5->geometry();
            f5->reject();
        });
        if (i == 0)
            f5->ShowAfterScan();
        else
            f5->ShowList();
    }
    EXPECT_EQ(f5->StatusPanel0->text(), "Numero titoli trovati : 1");
    EXPECT_EQ(f5->model->rowCount(), 1);
    EXPECT_EQ(seen[0].width(), form->width());
    EXPECT_NE(seen[0].x(), 0);
    EXPECT_EQ(seen[1].width(), form->width());
    EXPECT_EQ(f5->frameGeometry().x(), 0);
}
