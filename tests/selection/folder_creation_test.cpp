#include <gtest/gtest.h>

#include "platform/DateTime.h"
#include "platform/Files.h"
#include "platform/RecordingUi.h"
#include "selection/FolderCreation.h"
#include "TempTree.h"

using namespace vt;
using vt::test::TempTree;

TEST(FolderCreation, DateName)
{
    EXPECT_EQ(DateFolderName(EncodeDate(2009, 9, 14)), "2009-09-14");
    EXPECT_EQ(DateFolderName(EncodeDate(2010, 1, 5) + 0.99), "2010-01-05"); // late evening, same day
}

TEST(FolderCreation, DateFolderOutcomes)
{
    TempTree t;
    const DateTime day = EncodeDate(2009, 9, 14);
    t.Dir("Film");
    t.Dir("WithFile");
    t.File("WithFile/2009-09-14", 1);
    struct Case {
        std::string folder;
        DateFolderResult result;
        MsgIcon icon;
        const char* message; // nullptr: nothing shown
        std::string made;    // folder that must exist afterwards
    } cases[] = {
        {t.Path("Film"), DateFolderResult::Created, MsgIcon::None, nullptr, t.Path("Film/2009-09-14")},
        {t.Path("Film"), DateFolderResult::AlreadyExists, MsgIcon::Warning, "La directory esiste già", ""},
        {t.root() + "/", DateFolderResult::Created, MsgIcon::None, nullptr, t.Path("2009-09-14")}, // ends in "/"
        {t.Path("WithFile"), DateFolderResult::Failed, MsgIcon::Error, "Errore nella creazione della cartella", ""},
        {t.Path("Gone"), DateFolderResult::Failed, MsgIcon::Error, "Errore nella creazione della cartella", ""},
        {"", DateFolderResult::Failed, MsgIcon::Error, "Errore nella creazione della cartella", ""},
    };
    for (const auto& c : cases) {
        RecordingUi ui;
        EXPECT_EQ(CreateDateFolder(c.folder, day, ui), c.result) << c.folder;
        if (c.message) {
            ASSERT_EQ(ui.events.size(), 1u) << c.folder;
            EXPECT_EQ(ui.events[0].kind, "message");
            EXPECT_EQ(ui.events[0].icon, c.icon) << c.folder;
            EXPECT_EQ(ui.events[0].text, c.message) << c.folder;
        } else {
            EXPECT_TRUE(ui.events.empty()) << c.folder;
        }
        if (!c.made.empty()) {
            EXPECT_TRUE(DirectoryExists(c.made)) << c.made;
        }
    }
    EXPECT_TRUE(FileExists(t.Path("WithFile/2009-09-14"))); // the file is left alone
    EXPECT_FALSE(DirectoryExists(t.Path("Gone")));
}

TEST(FolderCreation, NewFolderReport)
{
    RecordingUi ui;
    ReportNewFolder(true, ui);
    EXPECT_TRUE(ui.events.empty());
    ReportNewFolder(false, ui);
    ASSERT_EQ(ui.events.size(), 1u);
    EXPECT_EQ(ui.events[0].icon, MsgIcon::Error);
    EXPECT_EQ(ui.events[0].text, "Creazione nuova Cartella fallita !");
}
