#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "archive/FilmDetails.h"

using namespace vt;
namespace fs = std::filesystem;

TEST(FilmDetails, FieldsAndTheCoverBeforeThePoster)
{
    std::string dir = (fs::temp_directory_path() / ("vt_details_" + std::to_string(getpid()))).string();
    fs::remove_all(dir);
    fs::create_directories(dir + "/copertine");
    fs::create_directories(dir + "/locandine");
    ProgramState st;
    st.CoversFolder = dir + "/copertine/";
    st.PostersFolder = dir + "/locandine/";
    st.ArchiveUser = "MARIO";
    dfilm f;
    f.titolo = "Il Gladiatore.avi";
    f.dataa = EncodeDate(2009, 9, 14);
    f.dimmb = 1234.567;
    st.FilmArchive.Add(f);
    f.titolo = "Mr. Smith";
    f.dimmb = 700.5;
    st.FilmArchive.Add(f);

    FilmDetails d = DetailsOf(st, 1);
    EXPECT_EQ(d.dataa, "14/09/2009");
    EXPECT_EQ(d.dimmb, "1.234,57");
    EXPECT_EQ(DetailsOf(st, 2).dimmb, "700,50");
    EXPECT_EQ(d.picture, "");

    std::ofstream(dir + "/locandine/lc_Il Gladiatore.jpg") << "p";
    EXPECT_EQ(DetailsOf(st, 1).picture, dir + "/locandine/lc_Il Gladiatore.jpg");
    std::ofstream(dir + "/copertine/Il Gladiatore.jpg") << "c";
    EXPECT_EQ(DetailsOf(st, 1).picture, dir + "/copertine/Il Gladiatore.jpg");
    std::ofstream(dir + "/copertine/Mr.jpg") << "c";
    EXPECT_EQ(DetailsOf(st, 2).picture, dir + "/copertine/Mr.jpg");

    st.CoversFolder.clear(); // no cover folder: the poster
    EXPECT_EQ(DetailsOf(st, 1).picture, dir + "/locandine/lc_Il Gladiatore.jpg");
    st.ArchiveUser.clear();
    EXPECT_EQ(DetailsOf(st, 1).picture, ""); // no user: no picture
    EXPECT_THROW(DetailsOf(st, 3), std::out_of_range);
    fs::remove_all(dir);
}

TEST(FilmDetails, SelectComparedFilesWithTheirSecondParts)
{
    VectorRows rows("/f", {{"Alien - CD1.avi"}, {"ALIEN - CD2.AVI"}, {"Brazil.avi"}, {"Cd - cd1.avi"},
                           {"CD - CD2.AVI"}});
    SelectComparedFiles(rows, {{0, "Alien - CD1.avi"}, {2, "Brazil.avi"}, {3, "Cd - cd1.avi"}, {9, "x.avi"}});
    std::vector<bool> sel;
    for (int i = 0; i < rows.RowCount(); ++i)
        sel.push_back(rows.Selected(i));
    EXPECT_EQ(sel, (std::vector<bool>{true, true, true, true, false}));
}
