#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include "../selection/TempTree.h"
#include "rename/RenameTools.h"

using namespace vt;

namespace {

EditText Sel(std::string text, int start, int length) { return {std::move(text), start, length}; }
EditText All(std::string text)
{
    int n = static_cast<int>(text.size());
    return {std::move(text), 0, n};
}
// Selection of the first occurrence of `piece`.
EditText Selecting(std::string text, const std::string& piece)
{
    auto at = text.find(piece);
    EXPECT_NE(at, std::string::npos) << piece;
    return {std::move(text), static_cast<int>(at), static_cast<int>(piece.size())};
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace

// The dialog's example, tool after tool on one text.
TEST(RenameTools, MatrixExample)
{
    std::string old = "the.matrix.1999.cd1.AVI";
    CDChoice cd = CDChoiceOf(old);
    ASSERT_EQ(cd, CDChoice::CD1);

    ToolResult r = SubstituteTool(All(old), 0, 0);
    ASSERT_TRUE(r.setText);
    EXPECT_FALSE(r.beep);
    EXPECT_EQ(r.edit.text, "the matrix 1999 cd1.AVI");
    EXPECT_EQ(r.counter, "Caratteri sostituiti = 3");

    r = LetterCaseTool(r.edit, CaseButton::FirstUpper);
    EXPECT_EQ(r.edit.text, "The matrix 1999 cd1.AVI");
    std::string cased = r.edit.text;

    r = FixSelectionTool(Selecting(cased, " cd1"), cd);
    ASSERT_TRUE(r.setText);
    EXPECT_EQ(r.edit.text, "The matrix 1999 - CD1.AVI");
    // The caret stands after the marker put in place of the selection.
    EXPECT_EQ(r.edit.selStart, static_cast<int>(std::string("The matrix 1999 - CD1").size()));
    EXPECT_EQ(r.edit.selLength, 0);

    r = MakeNameTool(Selecting(cased, "The matrix"), cd);
    EXPECT_EQ(r.edit.text, "The matrix - CD1.avi");
}

TEST(RenameTools, Substitution)
{
    struct Case {
        const char* text;
        int find, put;
        const char* result; // nullptr: the text stays
        bool beep;
        const char* counter; // nullptr: the counter stays
    } cases[] = {
        {"Il.Padrino.avi", 0, 0, "Il Padrino.avi", false, "Caratteri sostituiti = 1"},
        {"Film.avi", 1, 0, nullptr, true, "Caratteri sostituiti = 0"},
        // A blank put in place of a blank is counted and the text set again.
        {"Il Padrino.avi", 4, 0, "Il Padrino.avi", false, "Caratteri sostituiti = 1"},
        // A typed-over combo box (-1) counts as its first item.
        {"a.b.c.avi", -1, -1, "a b c.avi", false, "Caratteri sostituiti = 2"},
        {"a_b%c-d.mkv", 2, 2, "a-b%c-d.mkv", false, "Caratteri sostituiti = 1"},
        {"a_b%c-d.mkv", 3, 1, "a_b_c-d.mkv", false, "Caratteri sostituiti = 1"},
        {"a b c", 4, 1, "a_b_c", false, "Caratteri sostituiti = 2"},
        // The extension is never touched, not even its own characters.
        {"Film.a-b", 1, 0, nullptr, true, "Caratteri sostituiti = 0"},
        // No character to find or to put: a beep and nothing else.
        {"a.b.avi", 5, 0, nullptr, true, nullptr},
        {"a.b.avi", 0, 3, nullptr, true, nullptr},
        {"a.b.avi", -2, 0, nullptr, true, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " " + std::to_string(c.find) + "/" + std::to_string(c.put));
        EditText in = Sel(c.text, 1, 2);
        ToolResult r = SubstituteTool(in, c.find, c.put);
        EXPECT_EQ(r.setText, c.result != nullptr);
        EXPECT_EQ(r.edit.text, c.result ? c.result : c.text);
        if (!c.result) { // the selection too stays as it was
            EXPECT_EQ(r.edit.selStart, 1);
        }
        EXPECT_EQ(r.beep, c.beep);
        EXPECT_TRUE(r.error.empty());
        if (c.counter)
            EXPECT_EQ(r.counter, c.counter);
        else
            EXPECT_FALSE(r.counter.has_value());
    }
}

TEST(RenameTools, LetterCaseIgnoresSelectionAndExtension)
{
    struct Case { const char* text; CaseButton b; const char* result; } cases[] = {
        {"Il padrino.avi", CaseButton::Upper, "IL PADRINO.avi"},
        {"IL PADRINO.AVI", CaseButton::FirstUpper, "Il padrino.AVI"},
        {"Il Padrino.Avi", CaseButton::Lower, "il padrino.Avi"},
        {".avi", CaseButton::FirstUpper, ".avi"},
        {"Film.Collezione", CaseButton::Upper, "FILM.Collezione"},
        {"perch\xC3\xA9 no", CaseButton::Upper, "PERCH\xC3\xA9 NO"},
        {"", CaseButton::Upper, ""},
    };
    for (const auto& c : cases) {
        ToolResult r = LetterCaseTool(Sel(c.text, 0, 1), c.b);
        EXPECT_TRUE(r.setText) << c.text;
        EXPECT_EQ(r.edit.text, c.result) << c.text;
        EXPECT_FALSE(r.beep);
    }
}

TEST(RenameTools, AddCDMarker)
{
    struct Case { const char* text; CDChoice cd; const char* result; } cases[] = {
        // nullptr: "CDx già presente" and the text stays.
        {"Titolo CD1.avi", CDChoice::CD1, nullptr},
        {"TitoloCDx.avi", CDChoice::None, nullptr},
        {"CD.avi", CDChoice::CD2, nullptr},
        {"CD", CDChoice::CD1, nullptr},
        // Upper case "CD" only, and it must be followed by one more character.
        {"Titolo cd1.avi", CDChoice::CD1, "Titolo cd1 - CD1.avi"},
        {"Titolo CD.avi", CDChoice::CD1, "Titolo CD - CD1.avi"},
        {"Titolo.avi", CDChoice::CD2, "Titolo - CD2.avi"},
        {"C.avi", CDChoice::CD1, "C - CD1.avi"},
        // Neither radio button on: the text is set again as it is.
        {"Titolo.avi", CDChoice::None, "Titolo.avi"},
        // The last three are characters, not bytes: "CDè" ends the name.
        {"Titolo CD\xC3\xA8.avi", CDChoice::CD1, nullptr},
        {"Titolo \xC3\xA8\xC3\xA8.avi", CDChoice::CD1, "Titolo \xC3\xA8\xC3\xA8 - CD1.avi"},
    };
    for (const auto& c : cases) {
        ToolResult r = AddCDTool(All(c.text), c.cd);
        SCOPED_TRACE(c.text);
        if (c.result) {
            EXPECT_TRUE(r.setText);
            EXPECT_EQ(r.edit.text, c.result);
            EXPECT_TRUE(r.error.empty());
        } else {
            EXPECT_FALSE(r.setText);
            EXPECT_EQ(r.edit.text, c.text);
            EXPECT_EQ(r.error, "CDx già presente");
        }
        EXPECT_FALSE(r.beep);
    }
}

TEST(RenameTools, FixSelectionAndMakeName)
{
    EXPECT_EQ(CDChoiceOf("Titolo.cd1.avi"), CDChoice::CD1);
    EXPECT_EQ(CDChoiceOf("Titolo - CD2.avi"), CDChoice::CD2);
    EXPECT_EQ(CDChoiceOf("Titolo.avi"), CDChoice::None);

    ToolResult r = FixSelectionTool(Selecting("Titolo.cd1.avi", ".cd1"), CDChoice::CD1);
    EXPECT_EQ(r.edit.text, "Titolo - CD1.avi");
    r = FixSelectionTool(Selecting("Titolo.DivX.avi", ".DivX"), CDChoice::None);
    EXPECT_TRUE(r.setText);
    EXPECT_EQ(r.edit.text, "Titolo.avi");
    // The selection may reach into the extension.
    r = FixSelectionTool(Selecting("Titolo cd2.avi", " cd2.a"), CDChoice::CD2);
    EXPECT_EQ(r.edit.text, "Titolo - CD2vi");
    // An empty selection does nothing, not even a beep.
    r = FixSelectionTool(Sel("Titolo.avi", 3, 0), CDChoice::CD1);
    EXPECT_FALSE(r.setText);
    EXPECT_FALSE(r.beep);
    EXPECT_EQ(r.edit.text, "Titolo.avi");
    // A selection that no longer fits the text is cut to it.
    r = FixSelectionTool(Sel("Titolo", 4, 50), CDChoice::None);
    EXPECT_EQ(r.edit.text, "Tito");

    r = MakeNameTool(Selecting("Titolo.DivX.AVI", "Titolo"), CDChoice::None);
    EXPECT_EQ(r.edit.text, "Titolo.avi");
    r = MakeNameTool(Selecting("Film CD2 xvid.AVI", "Film"), CDChoice::CD2);
    EXPECT_EQ(r.edit.text, "Film - CD2.avi");
    r = MakeNameTool(Sel("Titolo.DivX.AVI", 2, 0), CDChoice::CD1);
    EXPECT_TRUE(r.beep);
    EXPECT_FALSE(r.setText);
    EXPECT_EQ(r.edit.text, "Titolo.DivX.AVI");
    r = MakeNameTool(Sel("abc", 10, 5), CDChoice::CD1);
    EXPECT_TRUE(r.beep);
}

TEST(RenameTools, RenameInFolder)
{
    vt::test::TempTree t;
    t.File("a.avi", 1);
    t.File("b.avi", 2);
    t.File("titolo.avi", 3);
    t.Dir("sub");

    // A name that exists: nothing is replaced.
    EXPECT_EQ(RenameInFolder(t.root(), "a.avi", "b.avi"), EEXIST);
    EXPECT_EQ(ReadFile(t.Path("a.avi")), "x");
    EXPECT_EQ(ReadFile(t.Path("b.avi")), "xx");

    EXPECT_EQ(RenameInFolder(t.root(), "a.avi", "c.avi"), 0);
    EXPECT_FALSE(std::filesystem::exists(t.Path("a.avi")));
    EXPECT_EQ(ReadFile(t.Path("c.avi")), "x");

    // Letter case only.
    EXPECT_EQ(RenameInFolder(t.root(), "titolo.avi", "Titolo.avi"), 0);
    EXPECT_EQ(ReadFile(t.Path("Titolo.avi")), "xxx");
    EXPECT_FALSE(std::filesystem::exists(t.Path("titolo.avi")));

    // The unchanged name goes to the rename and succeeds.
    EXPECT_EQ(RenameInFolder(t.root(), "b.avi", "b.avi"), 0);
    // The item gone.
    EXPECT_NE(RenameInFolder(t.root(), "a.avi", "d.avi"), 0);

    // Typed names that are not names of this folder never move the item.
    for (const char* bad : {"", ".", "..", "sub/b.avi", "../b.avi"})
        EXPECT_EQ(RenameInFolder(t.root(), "b.avi", bad), EINVAL) << bad;
    EXPECT_EQ(RenameInFolder(t.root(), "b.avi", std::string("x\0y", 3)), EINVAL);
    EXPECT_EQ(ReadFile(t.Path("b.avi")), "xx");
    EXPECT_TRUE(std::filesystem::is_empty(t.Path("sub")));
}
