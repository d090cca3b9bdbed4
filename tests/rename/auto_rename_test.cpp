#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>

#include "../selection/TempTree.h"
#include "rename/AutoRename.h"
#include "support/TestSupport.h"

using namespace vt;

namespace {

TRenameRow Row(const std::string& oldTitle)
{
    TRenameRow r;
    r.OldTitle = r.NewTitle = oldTitle;
    r.FileName = oldTitle + ".avi";
    return r;
}

struct Proposal {
    const char* oldTitle;
    const char* newTitle;
    const char* cd;
    const char* dvd;
};

void ExpectProposals(const AutoOptions& o, std::initializer_list<Proposal> table)
{
    std::vector<TRenameRow> rows;
    for (const auto& p : table)
        rows.push_back(Row(p.oldTitle));
    ApplyAutoFunctions(rows, o);
    std::size_t i = 0;
    for (const auto& p : table) {
        const TRenameRow& r = rows[i++];
        EXPECT_EQ(r.NewTitle, p.newTitle) << p.oldTitle;
        EXPECT_EQ(r.CDMark, p.cd) << p.oldTitle;
        EXPECT_EQ(r.DVDMark, p.dvd) << p.oldTitle;
        EXPECT_EQ(r.OldTitle, p.oldTitle);
        EXPECT_FALSE(r.Ticked);
    }
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace

TEST(AutoRename, ProposalsWithTheStartOptions)
{
    ExpectProposals(AutoOptions{}, {
                                       {"Il.Padrino.1972", "Il Padrino 1972", "", ""},
                                       {"matrix.dvdrip.cd1", "matrix dvdrip - CD1", " - CD1", "DVD"},
                                       {"Titolo.dvd", "Titolo dvd [DVD]", "", "DVD"},
                                       {"Titolo [DVD] - CD1", "Titolo [DVD] - CD1", " - CD1", "DVD"},
                                       {"Titolo [DVD]", "Titolo [DVD] [DVD]", "", "DVD"},
                                       {"Alien_CD_2", "Alien - CD2", " - CD2", ""},
                                       {"Titolo - CD1", "Titolo - CD1", " - CD1", ""},
                                       {"Abcde_cd2", "Abcde cd2", "", ""},
                                   });
}

TEST(AutoRename, ProposalsUnderOtherOptions)
{
    AutoOptions first;
    first.letterCase = TitleCase::FirstUpper;
    ExpectProposals(first, {{"matrix.dvdrip.cd1", "Matrix dvdrip - CD1", " - CD1", "DVD"}});

    AutoOptions capitals;
    capitals.dvdMarking = DvdMarking::Capitals;
    ExpectProposals(capitals, {
                                  {"matrix.dvdrip.cd1", "MATRIX DVDRIP - CD1", " - CD1", "DVD"},
                                  {"Titolo.dvd", "TITOLO DVD", "", "DVD"},
                                  {"Il.Padrino", "Il Padrino", "", ""},
                              });

    AutoOptions asItIs;
    asItIs.dotsToBlanks = false;
    ExpectProposals(asItIs, {
                                {"Il.Padrino_1972", "Il.Padrino_1972", "", ""},
                                {"Film.CD2", "Film. - CD2", " - CD2", ""},
                            });

    AutoOptions upper, lower;
    upper.letterCase = TitleCase::Upper;
    lower.letterCase = TitleCase::Lower;
    ExpectProposals(upper, {{"Il.Padrino_cd2", "IL PADRINO - CD2", " - CD2", ""}});
    ExpectProposals(lower, {{"Il.PADRINO", "il padrino", "", ""}});

    AutoOptions none;
    none.markDvd = false;
    none.markCd = false;
    ExpectProposals(none, {{"matrix.dvdrip.cd1", "matrix dvdrip cd1", "", ""}});
}

TEST(AutoRename, PassLeavesTickedRowsAndRestartsFromTheOldTitle)
{
    std::vector<TRenameRow> rows = {Row("a.cd1"), Row("b.dvd"), Row("c.cd2")};
    ApplyAutoFunctions(rows, AutoOptions{});
    ApplyAutoFunctions(rows, AutoOptions{}); // twice gives the same
    EXPECT_EQ(rows[0].NewTitle, "a - CD1");
    EXPECT_EQ(rows[1].NewTitle, "b dvd [DVD]");

    // A hand-set mark, a ticked row, then the pass with CD and DVD marking off.
    EXPECT_EQ(ApplyMarkButton(rows[1], MarkButton::CD2Add, DvdMarking::Marker), "");
    rows[2].Ticked = true;
    AutoOptions o;
    o.markCd = false;
    o.markDvd = false;
    o.dotsToBlanks = false;
    ApplyAutoFunctions(rows, o);
    EXPECT_EQ(rows[0].NewTitle, "a.cd1");
    EXPECT_EQ(rows[0].CDMark, "");
    EXPECT_EQ(rows[1].NewTitle, "b.dvd");
    EXPECT_EQ(rows[1].CDMark, "");
    EXPECT_EQ(rows[1].DVDMark, "");
    EXPECT_TRUE(rows[2].Ticked);
    EXPECT_EQ(rows[2].NewTitle, "c - CD2");
    EXPECT_EQ(rows[2].CDMark, " - CD2");
    EXPECT_FALSE(rows[0].Ticked);
}

TEST(AutoRename, RowsFromTheShellList)
{
    VectorRows shell("/film", {{"Sub.avi"}, {"TITOLO.AVI"}, {"b.txt"}, {"Film.Avi", true}, {"avi"}, {".avi"}, {"x.avi.mkv"}});
    std::vector<TRenameRow> rows = RenameRowsOf(shell);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].OldTitle, "Sub");
    EXPECT_EQ(rows[1].OldTitle, "TITOLO");
    EXPECT_EQ(rows[1].NewTitle, "TITOLO");
    EXPECT_EQ(rows[1].Ext, ".avi");
    EXPECT_EQ(rows[1].FileName, "TITOLO.AVI");
    EXPECT_EQ(rows[2].FileName, "Film.Avi");
    EXPECT_EQ(rows[3].OldTitle, "");
    for (const auto& r : rows) {
        EXPECT_FALSE(r.Ticked);
        EXPECT_TRUE(r.CDMark.empty() && r.DVDMark.empty());
    }
    EXPECT_TRUE(RenameRowsOf(VectorRows("/film", {{"a.mkv"}})).empty());
}

TEST(AutoRename, ComposeFromSelection)
{
    std::vector<TRenameRow> rows = {Row("The.Matrix.1999.DivX.[DVD].cd1")};
    ApplyAutoFunctions(rows, AutoOptions{});
    TRenameRow& r = rows[0];
    EXPECT_EQ(r.NewTitle, "The Matrix 1999 DivX [DVD] - CD1");
    EXPECT_EQ(r.CDMark, " - CD1");
    EXPECT_EQ(r.DVDMark, "DVD");

    TRenameRow a = r;
    ComposeFromSelection(a, "The Matrix", AutoOptions{});
    EXPECT_EQ(a.NewTitle, "The Matrix [DVD] - CD1");
    EXPECT_TRUE(a.Ticked);

    // The mark as "Aggiungi CD1" sets it.
    TRenameRow b = r;
    b.CDMark.clear();
    EXPECT_EQ(ApplyMarkButton(b, MarkButton::CD1Add, DvdMarking::Marker), "");
    EXPECT_EQ(b.CDMark, "CD1");
    ComposeFromSelection(b, "The Matrix", AutoOptions{});
    EXPECT_EQ(b.NewTitle, "The Matrix [DVD]CD1");

    AutoOptions capitals;
    capitals.dvdMarking = DvdMarking::Capitals;
    TRenameRow c = r;
    ComposeFromSelection(c, "The Matrix", capitals);
    EXPECT_EQ(c.NewTitle, "THE MATRIX - CD1");

    // Marks left out when their handling is off; "Togli" empties the column,
    // so no marker follows.
    AutoOptions off;
    off.markCd = false;
    off.markDvd = false;
    TRenameRow d = r;
    ComposeFromSelection(d, "The Matrix", off);
    EXPECT_EQ(d.NewTitle, "The Matrix");
    TRenameRow e = r;
    EXPECT_EQ(ApplyMarkButton(e, MarkButton::CDCut, DvdMarking::Marker), "");
    EXPECT_EQ(e.NewTitle, "The Matrix 1999 DivX [DVD] - CD1");
    ComposeFromSelection(e, "The Matrix 1999", AutoOptions{});
    EXPECT_EQ(e.NewTitle, "The Matrix 1999 [DVD]");
}

TEST(AutoRename, MarkButtons)
{
    struct Case {
        const char* title;
        const char* cd;
        const char* dvd;
        MarkButton b;
        DvdMarking style;
        const char* message; // "" when the button acted
        const char* title2;
        const char* cd2;
        const char* dvd2;
    } cases[] = {
        {"Titolo", "", "", MarkButton::CD1Add, DvdMarking::Marker, "", "Titolo - CD1", "CD1", ""},
        {"Titolo", "", "", MarkButton::CD2Add, DvdMarking::Marker, "", "Titolo - CD2", "CD2", ""},
        {"Titolo - CD1", " - CD1", "", MarkButton::CD2Add, DvdMarking::Marker, "Marca CD già presente", "Titolo - CD1", " - CD1", ""},
        {"Titolo - CD1", "CD1", "", MarkButton::CD1Add, DvdMarking::Marker, "Marca CD già presente", "Titolo - CD1", "CD1", ""},
        {"Titolo - CD1", " - CD1", "", MarkButton::CDCut, DvdMarking::Marker, "", "Titolo - CD1", "", ""},
        {"Titolo", "", "", MarkButton::CDCut, DvdMarking::Marker, "Marca CD già Assente", "Titolo", "", ""},
        {"Titolo - CD1", " - CD1", "", MarkButton::DVDAdd, DvdMarking::Marker, "", "Titolo - CD1 [DVD]", " - CD1", "DVD"},
        {"Titolo", "", "", MarkButton::DVDAdd, DvdMarking::Capitals, "", "TITOLO", "", "DVD"},
        {"Titolo [DVD]", "", "DVD", MarkButton::DVDAdd, DvdMarking::Marker, "Marca DVD già presente", "Titolo [DVD]", "", "DVD"},
        {"Titolo [DVD]", "", "DVD", MarkButton::DVDCut, DvdMarking::Marker, "", "Titolo [DVD]", "", ""},
        {"Titolo", "", "", MarkButton::DVDCut, DvdMarking::Marker, "Marca DVD già assente", "Titolo", "", ""},
    };
    for (const auto& c : cases) {
        TRenameRow r = Row("x");
        r.NewTitle = c.title;
        r.CDMark = c.cd;
        r.DVDMark = c.dvd;
        r.Ticked = true;
        SCOPED_TRACE(std::string(c.title) + " button " + std::to_string(static_cast<int>(c.b)));
        EXPECT_EQ(ApplyMarkButton(r, c.b, c.style), c.message);
        EXPECT_EQ(r.NewTitle, c.title2);
        EXPECT_EQ(r.CDMark, c.cd2);
        EXPECT_EQ(r.DVDMark, c.dvd2);
        EXPECT_TRUE(r.Ticked);
    }
}

TEST(AutoRename, TickMenu)
{
    std::vector<TRenameRow> rows = {Row("a"), Row("b"), Row("c")};
    rows[1].Ticked = true;
    ChangeTicks(rows, TickChange::Invert);
    EXPECT_TRUE(rows[0].Ticked && !rows[1].Ticked && rows[2].Ticked);
    ChangeTicks(rows, TickChange::All);
    EXPECT_TRUE(rows[0].Ticked && rows[1].Ticked && rows[2].Ticked);
    ChangeTicks(rows, TickChange::None);
    EXPECT_TRUE(!rows[0].Ticked && !rows[1].Ticked && !rows[2].Ticked);
}

TEST(AutoRename, RenamePass)
{
    vt::test::TempTree t;
    t.File("A.avi", 1);
    t.File("B.avi", 2);
    t.File("TITOLO.AVI", 3);
    t.File("Same.avi", 4);
    t.File("Taken.avi", 5);
    t.File("Keep.avi", 6);
    std::vector<TRenameRow> rows = RenameRowsOf(FolderRows(t.root()));
    ASSERT_EQ(rows.size(), 6u); // A, B, Keep, Same, Taken, TITOLO in the shell order
    auto find = [&](const std::string& title) -> TRenameRow& {
        for (auto& r : rows)
            if (r.OldTitle == title)
                return r;
        throw std::runtime_error(title);
    };
    find("A").NewTitle = "Nuovo";
    find("B").NewTitle = "Nuovo"; // the same new title: the second fails
    find("TITOLO").NewTitle = "TITOLO";
    find("Taken").NewTitle = "Keep";
    for (const char* title : {"A", "B", "TITOLO", "Same", "Taken"})
        find(title).Ticked = true;

    RenamePassResult r = RenameTickedRows(rows, t.root());
    EXPECT_EQ(r.attempts, 5);
    EXPECT_EQ(r.succeeded, 3);
    EXPECT_EQ(r.Failed(), 2);
    EXPECT_EQ(ReadFile(t.Path("Nuovo.avi")), "x");
    EXPECT_EQ(ReadFile(t.Path("B.avi")), "xx");
    EXPECT_EQ(ReadFile(t.Path("TITOLO.avi")), "xxx");
    EXPECT_FALSE(std::filesystem::exists(t.Path("TITOLO.AVI")));
    EXPECT_EQ(ReadFile(t.Path("Same.avi")), "xxxx");
    EXPECT_EQ(ReadFile(t.Path("Taken.avi")), "xxxxx");
    EXPECT_EQ(ReadFile(t.Path("Keep.avi")), "xxxxxx");
    EXPECT_FALSE(find("A").Ticked);
    EXPECT_TRUE(find("B").Ticked);
    EXPECT_FALSE(find("TITOLO").Ticked);
    EXPECT_TRUE(find("Taken").Ticked);
    EXPECT_EQ(find("A").OldTitle, "A"); // rows are not otherwise changed
    std::vector<int> failed;
    for (int i : r.failedRows)
        failed.push_back(i);
    ASSERT_EQ(failed.size(), 2u);
    EXPECT_EQ(rows[static_cast<std::size_t>(failed[0])].OldTitle, "B");
    EXPECT_EQ(rows[static_cast<std::size_t>(failed[1])].OldTitle, "Taken");

    // A row renamed earlier in this opening and ticked again: its file is gone.
    ChangeTicks(rows, TickChange::None);
    find("A").NewTitle = "Altro";
    find("A").Ticked = true;
    r = RenameTickedRows(rows, t.root());
    EXPECT_EQ(r.attempts, 1);
    EXPECT_EQ(r.Failed(), 1);
    EXPECT_TRUE(find("A").Ticked);
    EXPECT_EQ(ReadFile(t.Path("Nuovo.avi")), "x");

    // A title that would reach into another folder is refused.
    t.Dir("sub");
    find("B").NewTitle = "sub/B";
    find("B").Ticked = true;
    find("A").Ticked = false;
    r = RenameTickedRows(rows, t.root());
    EXPECT_EQ(r.Failed(), 1);
    EXPECT_TRUE(std::filesystem::exists(t.Path("B.avi")));

    // No ticked row: nothing attempted, nothing failed.
    ChangeTicks(rows, TickChange::None);
    r = RenameTickedRows(rows, t.root());
    EXPECT_EQ(r.attempts, 0);
    EXPECT_EQ(r.Failed(), 0);
}

TEST(AutoRename, FailureMessageText)
{
    EXPECT_EQ(RenameFailedMessage(1), "ERRORE ! : 1 files NON rinominati !\r   (rimasti spuntati nella lista");
    EXPECT_EQ(RenameFailedMessage(12), "ERRORE ! : 12 files NON rinominati !\r   (rimasti spuntati nella lista");
}

namespace {
// The plan's messages go to stderr: they are read with the output.
using vt::test::CliRun;
CliRun RunCli(const std::string& args) { return vt::test::RunCli(args, true); }
} // namespace

TEST(AutoRename, RenamePlanCommand)
{
    vt::test::TempTree t;
    t.File("Il.Padrino_1972.avi", 1);
    t.File("matrix.dvdrip.cd1.AVI", 2);
    t.File("notes.txt", 3);
    t.File("Ok.avi", 4);
    t.File("Il Padrino 1972.avi", 5); // already holds the first proposal
    std::string q = "'" + t.root() + "'";

    CliRun r = RunCli("rename-plan " + q);
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(r.out, "Il Padrino 1972\tIl Padrino 1972\t\t\n"
                     "Il.Padrino_1972\tIl Padrino 1972\t\t\n"
                     "matrix.dvdrip.cd1\tmatrix dvdrip - CD1\t - CD1\tDVD\n"
                     "Ok\tOk\t\t\n");

    r = RunCli("rename-plan " + q + " --keep-dots --case upper --dvd-upper");
    EXPECT_EQ(r.out, "Il Padrino 1972\tIL PADRINO 1972\t\t\n"
                     "Il.Padrino_1972\tIL.PADRINO_1972\t\t\n"
                     "matrix.dvdrip.cd1\tMATRIX.DVDRIP. - CD1\t - CD1\tDVD\n"
                     "Ok\tOK\t\t\n");
    r = RunCli("rename-plan " + q + " --no-cd --no-dvd --case first");
    EXPECT_NE(r.out.find("matrix.dvdrip.cd1\tMatrix dvdrip cd1\t\t\n"), std::string::npos) << r.out;

    EXPECT_EQ(RunCli("rename-plan").status, 2);
    EXPECT_EQ(RunCli("rename-plan " + q + " --case odd").status, 2);
    EXPECT_EQ(RunCli("rename-plan " + q + " --bogus").status, 2);
    EXPECT_EQ(RunCli("rename-plan /nonexistent-vt-folder").status, 1);
    EXPECT_TRUE(std::filesystem::exists(t.Path("Il.Padrino_1972.avi"))); // no --apply, no change

    r = RunCli("rename-plan " + q + " --apply");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("failed\tIl.Padrino_1972.avi\tIl Padrino 1972.avi\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("ERRORE ! : 1 files NON rinominati !\r\n   (rimasti spuntati nella lista\n"), std::string::npos)
        << r.out;
    EXPECT_EQ(ReadFile(t.Path("Il.Padrino_1972.avi")), "x");
    EXPECT_EQ(ReadFile(t.Path("Il Padrino 1972.avi")), "xxxxx");
    EXPECT_EQ(ReadFile(t.Path("matrix dvdrip - CD1.avi")), "xx");
    EXPECT_EQ(ReadFile(t.Path("Ok.avi")), "xxxx");

    std::filesystem::remove(t.Path("Il Padrino 1972.avi"));
    r = RunCli("rename-plan " + q + " --apply");
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(ReadFile(t.Path("Il Padrino 1972.avi")), "x");
}
