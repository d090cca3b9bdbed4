#include <gtest/gtest.h>

#include "archive/FilmArchive.h"
#include "archive/TitleKey.h"

using namespace vt;

TEST(TitleKey, SmartTitleKeyTable)
{
    struct Case { const char* name; const char* key; } cases[] = {
        {"Il Gladiatore [DVD] - CD1.avi", "ILGLADIATORE.AVI"},
        {"il gladiatore.avi", "ILGLADIATORE.AVI"},
        {"Il Gladiatore - CD2.avi", "ILGLADIATORECD2.AVI"},
        {"Il Gladiatore", "ILGLADIATORE"},
        {"Matrix (CD1).avi", "MATRIX.AVI"},
        {"Matrix CD1 DivX.avi", "MATRIXDIVX.AVI"},
        {"Matrix CD12.avi", "MATRIX2.AVI"},
        {"The.Matrix.1999.avi", "THEMATRIX1999.AVI"},
        {"Film [dvd].avi", "FILM.AVI"},
        {"A [DVD] B [DVD].avi", "ABDVD.AVI"},
        {"La vita \xC3\xA8 bella.avi", "LAVITABELLA.AVI"},
        {"La vita \xE8 bella.avi", "LAVITABELLA.AVI"}, // the Windows-1252 spelling
        {"Perch\xC3\xA9 no.avi", "PERCHNO.AVI"},
        {"Arancia Meccanica (1971) [DVD].mpg", "ARANCIAMECCANICA1971.MPG"},
        {"Mr. Smith", "MR. SMITH"},
        {"[DVD].avi", ".AVI"},
        {"", ""},
        {"-.avi", ".AVI"},
        {"ABCD1X.avi", "ABX.AVI"},
        {"C[DVD]D1.avi", ".AVI"},
        {"Film CD1 CD1.avi", "FILMCD1.AVI"},
        {"Film.[DVD]", "FILM.[DVD]"}, // the extension is never filtered
        {"Film.tar.Gz", "FILMTAR.GZ"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SmartTitleKey(c.name), c.key) << c.name;
    // A title written without its extension never keys like the video file.
    EXPECT_NE(SmartTitleKey("Il Gladiatore"), SmartTitleKey("Il Gladiatore.avi"));
}

namespace {

FilmArchive ArchiveOf(std::initializer_list<const char*> titles)
{
    FilmArchive a;
    std::int32_t n = 0;
    for (const char* t : titles) {
        dfilm f;
        f.titolo = t;
        f.numero = 100 + ++n;
        a.Add(f);
    }
    return a;
}

} // namespace

TEST(TitleKey, FindFilmByNameIsExactButCaseBlind)
{
    FilmArchive a = ArchiveOf({"Il Gladiatore [DVD].avi", "Il Gladiatore", "Il Gladiatore.avi",
                               "IL GLADIATORE.AVI", "La vita \xC3\xA8 bella.avi"});
    EXPECT_EQ(FindFilmByName(a, "il gladiatore.AVI"), 3); // first of two equal titles
    EXPECT_EQ(FindFilmByName(a, "Il Gladiatore"), 2);
    EXPECT_EQ(FindFilmByName(a, "LA VITA \xC3\xA8 BELLA.AVI"), 5);
    // No key is used: the file "Il Gladiatore - CD1.avi" is not the title.
    EXPECT_EQ(FindFilmByName(a, "Il Gladiatore - CD1.avi"), -1);
    EXPECT_EQ(FindFilmByName(a, "Il Gladiatore.avi "), -1);
    // Only ASCII letters fold: "È" is not "è".
    EXPECT_EQ(FindFilmByName(a, "LA VITA \xC3\x88 BELLA.AVI"), -1);
    EXPECT_EQ(FindFilmByName(FilmArchive{}, "Il Gladiatore.avi"), -1);
    EXPECT_EQ(FindFilmByName(FilmArchive{}, ""), -1);
}

TEST(TitleKey, ArchiveIndexesFindTheFirstTitleInSlotOrder)
{
    FilmArchive a = ArchiveOf({"Matrix.avi", "Film [DVD].avi", "Film.avi", "film - CD1.avi", "Film - CD2.avi"});
    EXPECT_EQ(a.Count(), 5);
    EXPECT_EQ(a[0].numero, 5);
    EXPECT_EQ(a[3].titolo, "Film.avi");
    EXPECT_EQ(a[3].numero, 103);
    EXPECT_EQ(a.FirstWithKey("FILM.AVI"), 2);
    EXPECT_EQ(a.FirstWithKey("FILMCD2.AVI"), 5);
    EXPECT_EQ(a.FirstWithKey("FILM"), -1);
    EXPECT_EQ(a.TitleKey(4), "FILM.AVI");
    EXPECT_EQ(a.FirstWithUpperTitle("FILM.AVI"), 3);
    EXPECT_THROW(a[6], std::out_of_range);
    EXPECT_THROW(a.TitleKey(0), std::out_of_range);
}
