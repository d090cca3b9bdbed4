#include <gtest/gtest.h>

#include "MediaFixtures.h"
#include "app/ProgramState.h"
#include "media/MediaTitles.h"
#include "platform/RecordingUi.h"

using namespace vt;
using namespace vt::test;

namespace {

TMediaTitle Title(std::string titolo, std::string dim = "1", std::string data = "01-01-2009",
                  std::string ris = "640 x 480", std::string db = "-", std::string path = "/m/")
{
    TMediaTitle t;
    t.Titolo = std::move(titolo);
    t.DimMB = std::move(dim);
    t.Data = std::move(data);
    t.Path = std::move(path);
    t.DB = std::move(db);
    t.Ris = std::move(ris);
    t.InArchive = t.DB != "-";
    return t;
}

std::vector<std::string> Titles(const ProgramState& s)
{
    std::vector<std::string> out;
    for (const auto& t : s.MediaTitles)
        out.push_back(t.Titolo);
    return out;
}

std::vector<bool> Marks(const ProgramState& s)
{
    std::vector<bool> out;
    for (const auto& t : s.MediaTitles)
        out.push_back(t.DuplicateMark);
    return out;
}

using Names = std::vector<std::string>;

} // namespace

TEST(MediaTitles, CompareEachColumnInBothDirections)
{
    struct Case {
        int column;
        TMediaTitle a, b;
        int ascending; // sign of Compare(A, B) when ascending
    };
    const Case cases[] = {
        {kColTitolo, Title("abc.avi"), Title("ABD.avi"), -1},
        {kColTitolo, Title("Matrix"), Title("matrix 2"), -1}, // a prefix comes first
        {kColTitolo, Title("MATRIX.avi"), Title("matrix.avi"), 0},
        {kColDimMB, Title("a", "2,5"), Title("b", "10"), -1}, // numbers, not texts
        {kColDimMB, Title("a", "5E-6"), Title("b", "0"), 1},
        {kColDimMB, Title("a", "700,5"), Title("b", "700,5"), 0},
        {kColData, Title("a", "1", "31-12-2008"), Title("b", "1", "01-01-2009"), -1},
        {kColData, Title("a", "1", "02-03-2009"), Title("b", "1", "01-04-2009"), -1},
        {kColPath, Title("a", "1", "d", "r", "-", "/m/Old/"), Title("b", "1", "d", "r", "-", "/M/new/"), 1},
        {kColDB, Title("a", "1", "d", "r", "-"), Title("b", "1", "d", "r", "3"), -1}, // "-" counts as 0
        {kColDB, Title("a", "1", "d", "r", "12"), Title("b", "1", "d", "r", "3"), 1},
        {kColRis, Title("a", "1", "d", "1024 x 576"), Title("b", "1", "d", "640 x 480"), -1},
        {kColRis, Title("a", "1", "d", " a.d."), Title("b", "1", "d", " a.d."), 0},
    };
    auto sign = [](int v) { return (v > 0) - (v < 0); };
    for (const auto& c : cases) {
        EXPECT_EQ(sign(CompareMediaTitles(c.a, c.b, c.column, true, ItalianFormat())), c.ascending)
            << c.column << " " << c.a.Titolo;
        EXPECT_EQ(sign(CompareMediaTitles(c.a, c.b, c.column, false, ItalianFormat())), -c.ascending)
            << c.column << " " << c.a.Titolo;
    }
}

TEST(MediaTitles, EachColumnRemembersItsDirection)
{
    ProgramState s;
    s.MediaTitles = {Title("b.avi", "1", "01-01-2009", "r", "-"), Title("a.avi", "1", "31-12-2008", "r", "2"),
                     Title("c.avi", "1", "31-12-2008", "r", "1")};
    SortMediaTitlesByColumn(s, kColData, ItalianFormat()); // first click: ascending; equal dates keep their order
    EXPECT_EQ(Titles(s), (Names{"a.avi", "c.avi", "b.avi"}));
    SortMediaTitlesByColumn(s, kColDB, ItalianFormat()); // "-" first
    EXPECT_EQ(Titles(s), (Names{"b.avi", "c.avi", "a.avi"}));
    SortMediaTitlesByColumn(s, kColData, ItalianFormat()); // second click on "Data": descending
    EXPECT_EQ(Titles(s), (Names{"b.avi", "c.avi", "a.avi"}));
    EXPECT_EQ(s.MediaSort.column, kColData);
    EXPECT_FALSE(s.MediaSort.ascending[kColData]);
    EXPECT_TRUE(s.MediaSort.ascending[kColDB]);

    // CERCA sorts by title ascending; the next click on "Titolo" reverses it.
    FindDuplicateTitles(s, {}, ItalianFormat());
    EXPECT_EQ(Titles(s), (Names{"a.avi", "b.avi", "c.avi"}));
    SortMediaTitlesByColumn(s, kColTitolo, ItalianFormat());
    EXPECT_EQ(Titles(s), (Names{"c.avi", "b.avi", "a.avi"}));
}

TEST(MediaTitles, DuplicateSearch)
{
    struct Case {
        const char* name;
        std::vector<TMediaTitle> rows;
        DuplicateCriteria criteria;
        int found;
        std::vector<bool> marks; // after the search, in Titolo order
    };
    const Case cases[] = {
        {"two rows with one key", {Title("Matrix.avi", "700"), Title("matrix.avi", "650")}, {}, 1, {true, true}},
        {"different sizes with the size box",
         {Title("Matrix.avi", "700"), Title("matrix.avi", "650")}, {false, true, false}, 0, {false, false}},
        {"same date checked", {Title("Matrix.avi"), Title("Matrix [DVD].avi")}, {true, false, false}, 1, {true, true}},
        {"different resolution", {Title("Ran.avi", "1", "d", "640 x 480"), Title("RAN.avi", "1", "d", "720 x 576")},
         {false, false, true}, 0, {false, false}},
        {"three copies give two pairs",
         {Title("Il Gladiatore.avi"), Title("Il Gladiatore [DVD].avi"), Title("Il Gladiatore - CD1.avi"),
          Title("Zorro.avi")},
         {}, 2, {true, true, true, false}},
        // "(2001) Odissea" sorts before "1984" and its copy after it: the
        // row of another first character in between ends the search.
        {"bracketed title escapes",
         {Title("2001 Odissea.avi"), Title("1984.avi"), Title("(2001) Odissea.avi")}, {}, 0, {false, false, false}},
    };
    for (const auto& c : cases) {
        ProgramState s;
        s.MediaTitles = c.rows;
        s.MediaTitles[0].DuplicateMark = true; // an old mark is cleared
        EXPECT_EQ(FindDuplicateTitles(s, c.criteria, ItalianFormat()), c.found) << c.name;
        EXPECT_EQ(Marks(s), c.marks) << c.name;
        EXPECT_EQ(s.MediaSort.column, kColTitolo);
        EXPECT_TRUE(s.MediaSort.ascending[kColTitolo]);
    }
    EXPECT_EQ(DuplicatesFoundText(2), "Trovati 2 Titoli doppi");
}

TEST(MediaTitles, DeleteAsksThenUnlinks)
{
    TempTree t;
    const std::string folder = t.root() + "/";
    t.File("Matrix.avi", 10);
    t.File("Ran.avi", 10);
    ProgramState s;
    s.MediaTitles = {Title("Matrix.avi", "1", "d", "r", "-", folder), Title("Ran.avi", "1", "d", "r", "-", folder),
                     Title("Gone.avi", "1", "d", "r", "-", folder)};
    RecordingUi ui;

    ui.replies = {false};
    EXPECT_EQ(DeleteMediaTitle(s, 0, ui), DeleteOutcome::Declined);
    EXPECT_TRUE(FileExists(t.Path("Matrix.avi")));
    ASSERT_EQ(ui.events.size(), 1u);
    EXPECT_EQ(ui.events[0].kind, "confirm");
    EXPECT_EQ(ui.events[0].text, "Cancello il Titolo selezionato: \nMATRIX.AVI");

    ui.replies = {true};
    EXPECT_EQ(DeleteMediaTitle(s, 0, ui), DeleteOutcome::Deleted);
    EXPECT_FALSE(FileExists(t.Path("Matrix.avi")));
    EXPECT_EQ(Titles(s), (Names{"Ran.avi", "Gone.avi"}));

    ui.replies = {true};
    EXPECT_EQ(DeleteMediaTitle(s, 1, ui), DeleteOutcome::Failed);
    EXPECT_EQ(ui.Messages(), (Names{"Errore nella cancellazione del titolo"}));
    EXPECT_EQ(Titles(s), (Names{"Ran.avi", "Gone.avi"}));

    EXPECT_EQ(DeleteMediaTitle(s, 2, ui), DeleteOutcome::NoRow);
    EXPECT_EQ(DeleteMediaTitle(s, -1, ui), DeleteOutcome::NoRow);
    EXPECT_TRUE(FileExists(t.Path("Ran.avi")));
}
