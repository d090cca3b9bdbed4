#include <gtest/gtest.h>

#include "rename/NameTransforms.h"

using namespace vt;

TEST(NameTransforms, SplitNameExt)
{
    struct Case { const char* in; const char* name; const char* ext; } cases[] = {
        {"Il.Padrino.1972.avi", "Il.Padrino.1972", ".avi"},
        {"Titolo", "Titolo", ""},
        {".avi", "", ".avi"},
        {"Titolo.", "Titolo", "."},
        {"Mr. Smith", "Mr", ". Smith"},
        {"", "", ""},
        // A dot before a path separator belongs to a folder, not to the name.
        {"/film.d/Titolo", "/film.d/Titolo", ""},
        {"C:\\film.d\\Titolo", "C:\\film.d\\Titolo", ""},
        {"a.b:c", "a.b:c", ""},
        {"/film.d/Titolo.mkv", "/film.d/Titolo", ".mkv"},
        {"Perch\xC3\xA9.avi", "Perch\xC3\xA9", ".avi"},
    };
    for (const auto& c : cases) {
        NameExt r = SplitNameExt(c.in);
        EXPECT_EQ(r.name, c.name) << c.in;
        EXPECT_EQ(r.ext, c.ext) << c.in;
    }
}

TEST(NameTransforms, LetterCaseTouchesOnlyAsciiLetters)
{
    struct Case { const char* in; const char* upper; const char* lower; const char* first; } cases[] = {
        {"perch\xC3\xA9", "PERCH\xC3\xA9", "perch\xC3\xA9", "Perch\xC3\xA9"},
        {"il PADRINO parte II", "IL PADRINO PARTE II", "il padrino parte ii", "Il padrino parte ii"},
        {"2001 ODISSEA", "2001 ODISSEA", "2001 odissea", "2001 odissea"},
        {"", "", "", ""},
        {"\xC3\xA8 LUI", "\xC3\xA8 LUI", "\xC3\xA8 lui", "\xC3\xA8 lui"},
        // Windows-1252 bytes (e-grave, A-grave) pass through as they are.
        {"\xE8\xC0x", "\xE8\xC0X", "\xE8\xC0x", "\xE8\xC0x"},
        {"a", "A", "a", "A"},
        {"@[`{", "@[`{", "@[`{", "@[`{"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(UpperAscii(c.in), c.upper) << c.in;
        EXPECT_EQ(LowerAscii(c.in), c.lower) << c.in;
        EXPECT_EQ(FirstUpper(c.in), c.first) << c.in;
    }
}

TEST(NameTransforms, ReplaceCharCountsEveryHit)
{
    struct Case { const char* in; char find, put; const char* out; int count; } cases[] = {
        {"Il.Padrino.II", '.', ' ', "Il Padrino II", 2},
        {"a b c", ' ', ' ', "a b c", 2}, // a blank put in place of a blank still counts
        {"nessuno", '_', ' ', "nessuno", 0},
        {"", '.', ' ', "", 0},
        {"%%%", '%', '-', "---", 3},
        {"\xC3\xA8_\xC3\xA8", '_', ' ', "\xC3\xA8 \xC3\xA8", 1},
    };
    for (const auto& c : cases) {
        Replaced r = ReplaceChar(c.in, c.find, c.put);
        EXPECT_EQ(r.text, c.out) << c.in;
        EXPECT_EQ(r.count, c.count) << c.in;
    }
}

TEST(NameTransforms, DotsToSpaces)
{
    EXPECT_EQ(DotsToSpaces("Il.Padrino_parte.II"), "Il Padrino parte II");
    EXPECT_EQ(DotsToSpaces("a-b [c]"), "a-b [c]");
    EXPECT_EQ(DotsToSpaces("._"), "  ");
    EXPECT_EQ(DotsToSpaces(""), "");
}

TEST(NameTransforms, CDNumberLooksAtTheFirstCdOnly)
{
    struct Case { const char* in; int n; } cases[] = {
        {"Titolo CD1", 1},     {"titolo cd 2", 2},   {"Titolo - CD-2", 2}, {"Titolo CD21", 1},
        {"Titolo CD12", 1},    {"Titolo CD3", 0},    {"ABCD", 0},          {"Abcde CD1", 0},
        {"xCD", 0},            {"xCD1", 1},          {"Titolo CD 1", 1},   {"Titolo CD  1", 0},
        {"", 0},               {"C", 0},             {"cD2", 2},           {"Titolo", 0},
        {"Film CD3 CD1", 0},   {"Film cd\xC3\xA8""1", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CDNumber(c.in), c.n) << c.in;
}

TEST(NameTransforms, CDTitlePartKeepsTheTextBeforeTheMarker)
{
    struct Case { const char* in; const char* out; } cases[] = {
        {"Matrix CD1", "Matrix"},
        {"Matrix - cd 2", "Matrix"},
        {"Matrix.CD1", "Matrix."},
        {"Matrix (CD1)", "Matrix ("},
        {"Matrix CD1 DivX", "Matrix"},
        {"CD1", ""},
        {"- - CD1", ""},
        {"Il Film_ -CD2", "Il Film_"},
        {"abcde CD1", "ab"}, // the first "cd" is the one inside the word
        {"Matrix", ""},      // no "CD": nothing stands before a marker
        {"Perch\xC3\xA9 - CD1", "Perch\xC3\xA9"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CDTitlePart(c.in), c.out) << c.in;
}

TEST(NameTransforms, Markers)
{
    EXPECT_EQ(MarkCD1, " - CD1");
    EXPECT_EQ(MarkCD2, " - CD2");
    EXPECT_EQ(MarkDVD, " [DVD]");
}
