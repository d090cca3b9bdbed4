#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "app/VT_U1.h"
#include "platform/RecordingUi.h"
#include "platform/ShellRows.h"
#include "platform/qt/QtUiServices.h"
#include "rename/VT_U_AUTOREN.h"
#include "rename/VT_U_REN.h"

using namespace vt;
namespace fs = std::filesystem;

namespace {

class RenameWindowsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        base = (fs::temp_directory_path() / ("vt_renwin_" + std::to_string(getpid()))).string();
        fs::remove_all(base);
        fs::create_directories(base + "/prog");
        fs::create_directories(base + "/film");
        folder = base + "/film";
        form = CreateForms(ui, base + "/prog/");
        ui.events.clear();
    }
    void TearDown() override
    {
        form.reset();
        fs::remove_all(base);
    }
    void File(const std::string& name, const std::string& bytes)
    {
        std::ofstream(folder + "/" + name, std::ios::binary) << bytes;
    }
    std::string Read(const std::string& name)
    {
        std::ifstream in(folder + "/" + name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static void Key(QWidget* w, QEvent::Type type, int key)
    {
        QKeyEvent e(type, key, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }

    std::string base, folder;
    RecordingUi ui;
    std::unique_ptr<TForm1> form;
};

} // namespace

TEST_F(RenameWindowsTest, SingleRenameWithTheToolsAndEnter)
{
    File("the.matrix.1999.cd1.AVI", "m");
    TForm2& d = *form->Form2;
    EXPECT_EQ(d.windowTitle(), "Vantaro - Rinomina singola");
    EXPECT_EQ(d.LBSOST->text(), "Sostituiti...");
    EXPECT_EQ(d.CBFIND->count(), 5);
    EXPECT_EQ(d.CBFIND->itemText(4), "spazio");
    EXPECT_EQ(d.CBSOST->itemText(1), "sottolineatura _");

    d.Fill(folder, "the.matrix.1999.cd1.AVI");
    d.show();
    EXPECT_EQ(d.STPATHREN->text().toStdString(), folder);
    EXPECT_EQ(d.EDOLDNAME->text(), "the.matrix.1999.cd1.AVI");
    EXPECT_TRUE(d.RBCD1->isChecked());
    EXPECT_FALSE(d.RBCD2->isChecked());
    EXPECT_FALSE(d.SBUNDO->isEnabled());
    EXPECT_EQ(d.EDNEWNAME->selectedText(), "the.matrix.1999.cd1.AVI");

    d.SBPULISCI->click();
    EXPECT_EQ(d.EDNEWNAME->text(), "the matrix 1999 cd1.AVI");
    EXPECT_EQ(d.LBSOST->text(), "Caratteri sostituiti = 3");
    EXPECT_TRUE(d.SBUNDO->isEnabled());
    d.BitBtn2->click();
    EXPECT_EQ(d.EDNEWNAME->text(), "The matrix 1999 cd1.AVI");
    d.EDNEWNAME->setSelection(15, 4); // " cd1"
    d.BitBtn5->click();
    EXPECT_EQ(d.EDNEWNAME->text(), "The matrix 1999 - CD1.AVI");

    // "Crea Nome" without a selection beeps; "Aggiungi" on a CD name complains.
    d.EDNEWNAME->deselect();
    d.BitBtn6->click();
    d.BitBtn4->click();
    ASSERT_EQ(ui.events.size(), 2u);
    EXPECT_EQ(ui.events[0].kind, "beep");
    EXPECT_EQ(ui.events[1], (RecordingUi::Event{"message", MsgIcon::Error, "CDx già presente"}));
    EXPECT_EQ(d.EDNEWNAME->text(), "The matrix 1999 - CD1.AVI");

    // Undo brings back the current name in one step.
    d.SBUNDOClick();
    EXPECT_EQ(d.EDNEWNAME->text(), "the.matrix.1999.cd1.AVI");
    EXPECT_FALSE(d.SBUNDO->isEnabled());
    d.EDNEWNAME->setText("The Matrix - CD1.avi"); // typed
    EXPECT_TRUE(d.SBUNDO->isEnabled());

    // An Enter released without its press here does nothing.
    Key(d.EDNEWNAME, QEvent::KeyRelease, Qt::Key_Return);
    EXPECT_TRUE(d.isVisible());
    Key(d.EDNEWNAME, QEvent::KeyPress, Qt::Key_Return);
    EXPECT_TRUE(d.isVisible());
    Key(d.EDNEWNAME, QEvent::KeyRelease, Qt::Key_Return);
    EXPECT_FALSE(d.isVisible());
    EXPECT_TRUE(d.Renamed());
    EXPECT_EQ(Read("The Matrix - CD1.avi"), "m");
    EXPECT_FALSE(fs::exists(folder + "/the.matrix.1999.cd1.AVI"));
    EXPECT_EQ(ui.events.size(), 2u);
}

TEST_F(RenameWindowsTest, SingleRenameNeverReplacesAndClosesEitherWay)
{
    File("a.avi", "a");
    File("b.avi", "b");
    File("Titolo.avi", "t");
    TForm2& d = *form->Form2;

    // Through Execute and the shell rows, as the main window opens it.
    VectorRows rows(folder, {{"a.avi"}, {"b.avi", true}});
    QTimer::singleShot(0, &d, [&] {
        EXPECT_TRUE(d.isVisible());
        EXPECT_FALSE(d.RBCD1->isChecked() || d.RBCD2->isChecked());
        d.EDNEWNAME->setText("a.avi");
        d.SBRENOK->click();
    });
    EXPECT_FALSE(d.Execute(rows));
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(ui.Messages(), std::vector<std::string>{"Rinomina fallita !"});
    EXPECT_EQ(Read("a.avi"), "a");
    EXPECT_EQ(Read("b.avi"), "b");

    // Letter case only, and a second opening with CD2 from the name.
    ui.events.clear();
    QTimer::singleShot(0, &d, [&] {
        EXPECT_FALSE(d.SBUNDO->isEnabled());
        d.BitBtn3->click();
        d.SBRENOK->click();
    });
    EXPECT_TRUE(d.Execute(folder, "Titolo.avi"));
    EXPECT_TRUE(ui.events.empty());
    EXPECT_EQ(Read("titolo.avi"), "t");
    EXPECT_FALSE(fs::exists(folder + "/Titolo.avi"));

    File("Film - CD2.avi", "f");
    d.Fill(folder, "Film - CD2.avi");
    d.show();
    EXPECT_TRUE(d.RBCD2->isChecked());
    EXPECT_FALSE(d.RBCD1->isChecked());
    d.SBRENABORT->click();
    EXPECT_FALSE(d.isVisible());
    EXPECT_FALSE(d.Renamed());
    EXPECT_EQ(Read("Film - CD2.avi"), "f");
    // The substitution's state stays from one opening to the next.
    EXPECT_EQ(d.CBFIND->currentIndex(), 0);
}

TEST_F(RenameWindowsTest, AssistedRenameDoubleClickSelectAndAccept)
{
    File("The.Matrix.1999.DivX.[DVD].cd1.avi", "m");
    File("Il.Padrino.AVI", "p");
    File("notes.txt", "n");
    TForm6& w = *form->Form6;
    EXPECT_EQ(w.windowTitle(), "Vantaro - Rinomina Assistita Titoli");
    EXPECT_EQ(w.SBSELTIT->text(), "Titolo = &Selez. + DVD + CD n");
    EXPECT_TRUE(w.EDSELEDIT->isHidden());
    EXPECT_EQ(w.EDSELEDIT->text(), "EDSELEDIT");

    w.Fill(FolderRows(folder));
    w.show();
    ASSERT_EQ(w.LVAREN->topLevelItemCount(), 2);
    QTreeWidgetItem* padrino = w.LVAREN->topLevelItem(0);
    QTreeWidgetItem* matrix = w.LVAREN->topLevelItem(1);
    EXPECT_EQ(padrino->text(TForm6::ColNewTitle), "Il Padrino");
    EXPECT_EQ(padrino->text(TForm6::ColOldTitle), "Il.Padrino");
    EXPECT_EQ(padrino->text(TForm6::ColExt), ".avi");
    EXPECT_EQ(matrix->text(TForm6::ColNewTitle), "The Matrix 1999 DivX [DVD] - CD1");
    EXPECT_EQ(matrix->text(TForm6::ColCD), " - CD1");
    EXPECT_EQ(matrix->text(TForm6::ColDVD), "DVD");
    EXPECT_EQ(matrix->checkState(0), Qt::Unchecked);
    EXPECT_FALSE(w.SBCD1ADD->isEnabled());

    // Double click, select, the button.
    matrix->setSelected(true);
    EXPECT_TRUE(w.SBCD1ADD->isEnabled() && w.SBDVDCUT->isEnabled());
    w.SBCD1ADD->click();
    EXPECT_EQ(ui.events, (std::vector<RecordingUi::Event>{{"message", MsgIcon::Error, "Marca CD già presente"}}));
    w.LVARENDblClick();
    ASSERT_TRUE(w.EDSELEDIT->isVisible());
    EXPECT_EQ(w.EDSELEDIT->text(), "The Matrix 1999 DivX [DVD] - CD1");
    EXPECT_EQ(w.EDSELEDIT->width(), w.LVAREN->columnWidth(0));
    w.EDSELEDIT->setSelection(0, 10);
    w.SBSELTIT->click();
    EXPECT_TRUE(w.EDSELEDIT->isHidden());
    EXPECT_EQ(matrix->text(TForm6::ColNewTitle), "The Matrix [DVD] - CD1");
    EXPECT_EQ(matrix->checkState(0), Qt::Checked);
    EXPECT_TRUE(w.Rows()[1].Ticked);
    // With the editor hidden the button does nothing.
    w.SBSELTIT->click();
    EXPECT_EQ(matrix->text(TForm6::ColNewTitle), "The Matrix [DVD] - CD1");

    // A ticked row keeps its title through "AUTO"; the padlock locks it.
    w.RBAU->setChecked(true);
    w.SBAPPLICAF->click();
    EXPECT_EQ(padrino->text(0), "IL PADRINO");
    EXPECT_EQ(matrix->text(0), "The Matrix [DVD] - CD1");
    w.SBLOCK->click();
    EXPECT_FALSE(w.SBAPPLICAF->isEnabled());
    w.SBLOCK->click();
    EXPECT_TRUE(w.SBAPPLICAF->isEnabled());
    w.CBGDVD->setChecked(false);
    EXPECT_TRUE(w.Panel4->isHidden());
    w.CBGDVD->setChecked(true);
    EXPECT_FALSE(w.Panel4->isHidden());

    // The tick box of the list reaches the row.
    padrino->setCheckState(0, Qt::Checked);
    EXPECT_TRUE(w.Rows()[0].Ticked);
    w.SBRENOK->click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(ui.events.size(), 1u);
    EXPECT_EQ(Read("The Matrix [DVD] - CD1.avi"), "m");
    EXPECT_EQ(Read("IL PADRINO.avi"), "p");
    EXPECT_FALSE(fs::exists(folder + "/Il.Padrino.AVI"));
    EXPECT_FALSE(w.Rows()[0].Ticked);
}

TEST_F(RenameWindowsTest, AssistedRenameStaysOpenWhenARenameFails)
{
    File("Uno.avi", "1");
    File("Due.avi", "2");
    TForm6& w = *form->Form6;
    w.Fill(FolderRows(folder));
    w.show();
    ASSERT_EQ(w.LVAREN->topLevelItemCount(), 2);
    w.PUMCHECKALL->trigger();
    for (QTreeWidgetItem* item : {w.LVAREN->topLevelItem(0), w.LVAREN->topLevelItem(1)})
        EXPECT_EQ(item->checkState(0), Qt::Checked);
    for (auto& r : w.Rows())
        r.NewTitle = "Stesso";
    w.SBRENOKClick();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(ui.events, (std::vector<RecordingUi::Event>{
                             {"message", MsgIcon::None,
                              "ERRORE ! : 1 files NON rinominati !\r   (rimasti spuntati nella lista"}}));
    EXPECT_EQ(w.LVAREN->topLevelItem(0)->checkState(0), Qt::Unchecked); // Due, renamed
    EXPECT_EQ(w.LVAREN->topLevelItem(1)->checkState(0), Qt::Checked);   // Uno, left ticked
    EXPECT_EQ(Read("Stesso.avi"), "2");
    EXPECT_EQ(Read("Uno.avi"), "1");

    // Inverting the ticks leaves only the row already renamed: its file is gone.
    ui.events.clear();
    w.PUMINVERTCHECK->trigger();
    w.SBRENOKClick();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(ui.Messages().size(), 1u);
    w.PUMUNCHECKALL->trigger();
    w.SBRENOKClick();
    EXPECT_FALSE(w.isVisible());

    // A folder without AVI files: an empty list, and the button closes at once.
    fs::remove_all(folder);
    fs::create_directories(folder);
    File("a.txt", "");
    bool closedAtOnce = false;
    QTimer::singleShot(0, &w, [&] {
        EXPECT_EQ(w.LVAREN->topLevelItemCount(), 0);
        w.SBRENOK->click();
        closedAtOnce = !w.isVisible();
    });
    w.Execute(FolderRows(folder));
    EXPECT_TRUE(closedAtOnce);
    EXPECT_EQ(w.width(), form->width());
}
