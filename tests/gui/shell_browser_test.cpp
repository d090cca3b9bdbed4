#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "platform/RecordingUi.h"
#include "platform/qt/QtUiServices.h"
#include "platform/qt/ShellBrowser.h"

using namespace vt;
namespace fs = std::filesystem;

namespace {

class ShellBrowserTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = (fs::temp_directory_path() / ("vt_shell_" + std::to_string(getpid()))).string();
        fs::remove_all(dir);
        fs::create_directories(dir + "/Film");
        std::ofstream(dir + "/b.avi") << "bb";
        std::ofstream(dir + "/A.avi") << "a";
        std::ofstream(dir + "/.hidden") << "";
        list.SetUi(&ui);
        list.SetFolder(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    std::vector<std::string> Captions() const
    {
        std::vector<std::string> out;
        for (int i = 0; i < list.RowCount(); ++i)
            out.push_back(list.Caption(i));
        return out;
    }
    // Lets the file-system watcher report, for at most two seconds.
    bool WaitFor(const std::function<bool()>& ok)
    {
        QElapsedTimer t;
        t.start();
        while (!ok() && t.elapsed() < 2000)
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        return ok();
    }

    std::string dir;
    RecordingUi ui;
    ShellList list;
};

} // namespace

TEST_F(ShellBrowserTest, RowsInShellOrderWithHiddenEntries)
{
    EXPECT_EQ(list.FolderPath(), dir);
    EXPECT_EQ(Captions(), (std::vector<std::string>{"Film", ".hidden", "A.avi", "b.avi"}));
    EXPECT_TRUE(list.IsFolderRow(0));
    EXPECT_EQ(list.StateImage(2), -1);
    list.SetStateImage(2, 3);
    EXPECT_EQ(list.StateImage(2), 3);
}

TEST_F(ShellBrowserTest, SelectionEventsAndDoubleClicks)
{
    std::vector<std::pair<int, bool>> events;
    QObject::connect(&list, &ShellList::SelectItem, [&](int r, bool s) { events.emplace_back(r, s); });
    list.SetSelected(2, true);
    list.SetSelected(3, true);
    list.SetSelected(2, false);
    EXPECT_EQ(events, (std::vector<std::pair<int, bool>>{{2, true}, {3, true}, {2, false}}));
    EXPECT_EQ(list.FirstSelected(), 3);

    int opened = -1;
    QObject::connect(&list, &ShellList::DblClickOpen, [&](int r, bool& handled) {
        opened = r;
        handled = true;
    });
    emit list.doubleClicked(list.model().index(3, 0));
    EXPECT_EQ(opened, 3);
    EXPECT_EQ(list.FolderPath(), dir);

    // A folder opens in the list, without the event.
    opened = -1;
    emit list.doubleClicked(list.model().index(0, 0));
    EXPECT_EQ(opened, -1);
    EXPECT_EQ(list.FolderPath(), dir + "/Film");
    list.GoUp(1);
    EXPECT_EQ(list.FolderPath(), dir);
}

TEST_F(ShellBrowserTest, UnreadableFolderLeavesTheListWhereItWas)
{
    EXPECT_FALSE(list.OpenFolder(dir + "/manca"));
    EXPECT_EQ(list.FolderPath(), dir);
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_NE(ui.Messages()[0].find("File not found"), std::string::npos);
}

TEST_F(ShellBrowserTest, NewFolderAndRenameInPlace)
{
    ASSERT_TRUE(list.CreateNewFolder(false));
    ASSERT_TRUE(list.CreateNewFolder(true));
    EXPECT_TRUE(fs::is_directory(dir + "/Nuova cartella"));
    EXPECT_TRUE(fs::is_directory(dir + "/Nuova cartella (2)"));
    int row = list.model().RowOf("Nuova cartella (2)");
    ASSERT_GE(row, 0);
    EXPECT_TRUE(list.Selected(row));

    // The name being edited: a name already taken is refused with a message.
    list.model().setData(list.model().index(row, 0), QStringLiteral("Film"), Qt::EditRole);
    EXPECT_EQ(ui.Count("message"), 1);
    EXPECT_TRUE(fs::is_directory(dir + "/Nuova cartella (2)"));
    list.model().SetEditableRow(list.model().RowOf("Nuova cartella (2)"));
    list.model().setData(list.model().index(list.model().RowOf("Nuova cartella (2)"), 0), QStringLiteral("Città"),
                         Qt::EditRole);
    EXPECT_TRUE(fs::is_directory(dir + "/Citt\xC3\xA0"));
    EXPECT_GE(list.model().RowOf("Citt\xC3\xA0"), 0);
}

TEST_F(ShellBrowserTest, FollowsChangesOnDisk)
{
    list.SetSelected(3, true);
    list.SetStateImage(3, 2);
    std::ofstream(dir + "/c.avi") << "c";
    ASSERT_TRUE(WaitFor([&] { return list.model().RowOf("c.avi") >= 0; }));
    int b = list.model().RowOf("b.avi");
    EXPECT_TRUE(list.Selected(b));
    EXPECT_EQ(list.StateImage(b), 2);
    fs::remove(dir + "/A.avi");
    EXPECT_TRUE(WaitFor([&] { return list.model().RowOf("A.avi") < 0; }));
}

TEST(Translation, QtTextsAreItalian)
{
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Annulla");
    QMessageBox box(QMessageBox::Question, "t", "q", QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text().remove('&'), QString::fromUtf8("S\xC3\xAC"));
    EXPECT_EQ(box.button(QMessageBox::No)->text().remove('&'), "No");
}
