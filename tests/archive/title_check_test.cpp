#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "archive/TitleCheck.h"
#include "archive/TitleKey.h"
#include "platform/Error.h"
#include "platform/RecordingUi.h"
#include "support/TestSupport.h"

using namespace vt;
namespace fs = std::filesystem;

namespace {

// A folder of files with chosen sizes and last-write days, as the shell
// list would show it.
class TitleCheckTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = (fs::temp_directory_path() / ("vt_check_" + std::to_string(getpid()))).string();
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    // A file of `bytes` written at noon of the given day.
    void File(const std::string& name, std::int64_t bytes, int y, int m, int d)
    {
        std::string p = dir + "/" + name;
        { std::ofstream(p, std::ios::binary); }
        fs::resize_file(p, static_cast<std::uintmax_t>(bytes));
        ASSERT_TRUE(test::SetLocalDate(p, y, m, d));
    }
    VectorRows Rows(std::initializer_list<const char*> names) const
    {
        std::vector<VectorRows::Row> rows;
        for (const char* n : names)
            rows.push_back({n, false, -1});
        return VectorRows(dir, rows);
    }
    static void AddTitle(FilmArchive& a, const char* title, int y, int m, int d, double mb)
    {
        dfilm f;
        f.titolo = title;
        f.dataa = EncodeDate(y, m, d);
        f.dimmb = mb;
        a.Add(f);
    }
    bool Run(CheckMode mode, VectorRows& rows, const TitleCheckOptions& opt = {1, true, true, true})
    {
        found.clear();
        ComparisonSink sink{[&] { found.clear(); }, [&](const ComparisonRow& r) { found.push_back(r); }};
        return RunTitleCheck(mode, opt, rows, archive, media, mediaPixels, ui, sink);
    }

    std::string dir;
    FilmArchive archive;
    std::vector<TMediaTitle> media;
    std::int32_t mediaPixels = 0;
    RecordingUi ui;
    std::vector<ComparisonRow> found;
};

} // namespace

TEST_F(TitleCheckTest, ArchiveCheckMarksSelectsAndListsDifferences)
{
    AddTitle(archive, "Film [DVD].avi", 2009, 9, 14, 1.5);
    AddTitle(archive, "Altro.avi", 2009, 9, 14, 2);
    AddTitle(archive, "Altro.avi", 2001, 1, 1, 9); // same key: never matched
    AddTitle(archive, "Il Film.avi", 2009, 1, 1, 0.7);
    File("Film.avi", 1500000, 2009, 9, 14);          // equal: 2
    File("Altro.AVI", 2000001, 2009, 9, 14);         // larger: 3
    File("Nuovo.avi", 10, 2009, 9, 14);              // missing: selected
    File("Il Film - CD1.avi", 700123456, 2009, 1, 2); // differs, CD image
    File("Il Film - CD2.avi", 1, 2009, 1, 2);
    File("Film.avi.txt", 1, 2009, 9, 14);
    File("ABCD2.avi", 1, 2009, 9, 14);
    fs::create_directory(dir + "/Cartella.avi");
    VectorRows rows = Rows({"Cartella.avi", "ABCD2.avi", "Altro.AVI", "Film.avi", "Film.avi.txt", "Il Film - CD1.avi",
                            "Il Film - CD2.avi", "Nuovo.avi"});
    rows.SetSelected(4, true); // not examined: keeps its selection
    ASSERT_TRUE(Run(CheckMode::Archive, rows));

    std::vector<int> states, selected;
    for (int i = 0; i < rows.RowCount(); ++i) {
        states.push_back(rows.StateImage(i));
        selected.push_back(rows.Selected(i));
    }
    EXPECT_EQ(states, (std::vector<int>{-1, -1, 3, 2, -1, 3, 3, -1}));
    EXPECT_EQ(selected, (std::vector<int>{1, 0, 0, 0, 1, 0, 0, 1}));

    ASSERT_EQ(found.size(), 2u);
    const ComparisonRow& altro = found[0];
    EXPECT_EQ(altro.caption, "2");
    EXPECT_EQ(altro.subItems, (std::array<std::string, 8>{"Altro.AVI", "Altro.avi", "2,000001", "2", "14-09-2009",
                                                          "14-09-2009", "2", "  0 -   0"}));
    EXPECT_EQ(altro.cellImages, (std::array<int, 9>{-1, -1, -1, kImgGreater, -1, kImgEqual, -1, -1, kImgUnknown}));
    const ComparisonRow& cd1 = found[1];
    EXPECT_EQ(cd1.subItems[2], "700,123456");
    EXPECT_EQ(cd1.subItems[6], "4");
    EXPECT_EQ(cd1.cellImages[1], kImgCD); // ILFILM.AVI is not IL FILM.AVI
    EXPECT_EQ(cd1.cellImages[2], -1);
    EXPECT_EQ(cd1.cellImages[3], kImgGreater);
    EXPECT_EQ(cd1.cellImages[5], kImgGreater);
    EXPECT_EQ(ui.eventTurns, 2);
}

TEST_F(TitleCheckTest, NessunoChangesNothingAndUncheckedDetailsAlwaysMatch)
{
    AddTitle(archive, "Film.avi", 2000, 1, 1, 99);
    File("Film.avi", 5, 2009, 9, 14);
    VectorRows rows = Rows({"Film.avi"});
    EXPECT_FALSE(Run(CheckMode::Archive, rows, {0, true, true, true}));
    EXPECT_FALSE(Run(CheckMode::Archive, rows, {-1, true, true, true}));
    EXPECT_EQ(rows.StateImage(0), -1);
    EXPECT_TRUE(Run(CheckMode::Archive, rows, {1, false, false, true}));
    EXPECT_EQ(rows.StateImage(0), kOutcomeArchiveEqual);
    EXPECT_TRUE(found.empty());
}

TEST_F(TitleCheckTest, RelateCD2FollowsTheFirstPart)
{
    VectorRows rows(dir, {{"Film - CD1.avi", true, -1}, {"Film - CD2.avi", false, -1},
                          {"Altro - CD1.avi", false, 2}, {"Altro - CD2.avi", false, -1},
                          {"Terzo - cd1.avi", false, 4}, {"TERZO - CD2.AVI", false, 3}});
    RelateCD2(rows);
    EXPECT_TRUE(rows.Selected(1));
    EXPECT_EQ(rows.StateImage(1), -1);
    EXPECT_FALSE(rows.Selected(3));
    EXPECT_EQ(rows.StateImage(3), 2);
    EXPECT_EQ(rows.StateImage(5), 3); // already marked: not related again

    // In a check: a missing first part selects its second part too.
    File("Film - CD1.avi", 1, 2009, 1, 1);
    File("Film - CD2.avi", 1, 2009, 1, 1);
    VectorRows check = Rows({"Film - CD1.avi", "Film - CD2.avi"});
    ASSERT_TRUE(Run(CheckMode::Archive, check));
    EXPECT_TRUE(check.Selected(0));
    EXPECT_TRUE(check.Selected(1));
}

TEST_F(TitleCheckTest, MediaCheckComparesTheScannedTexts)
{
    media = {
        {"Altro.avi", "1", "01-01-2009", "/m/", "-", "640 x 480", false, false},
        {"Film.avi", "0,000072", "14-09-2009", "/m/", "-", " a.d.", false, false},
        {"Film.avi", "0,000072", "14-09-2009", "/m/", "-", "640 x 480", false, false},
    };
    File("Film.avi", 72, 2009, 9, 14);
    File("Altro.avi", 1000000, 2009, 1, 1);
    VectorRows rows = Rows({"Altro.avi", "Film.avi"});

    // Without the resolution test both are equal; "Ris. KPix" is then
    // "  0 -   0" on a differing row, with the unknown image.
    ASSERT_TRUE(Run(CheckMode::Media, rows, {1, true, true, false}));
    EXPECT_EQ(rows.StateImage(0), kOutcomeMediaEqual);
    EXPECT_EQ(rows.StateImage(1), kOutcomeMediaEqual);
    EXPECT_EQ(mediaPixels, -1);

    // With it, a file whose header cannot be read stops the check there;
    // the rows before it keep their result.
    media.push_back({"Corto.avi", "0,00001", "14-09-2009", "/m/", "-", "640 x 480", false, false});
    File("Corto.avi", 10, 2009, 9, 14);
    VectorRows withShort = Rows({"Altro.avi", "Corto.avi"});
    EXPECT_THROW(Run(CheckMode::Media, withShort, {1, true, true, true}), PlatformError);
    EXPECT_EQ(withShort.StateImage(0), kOutcomeMediaDiffers); // 0 x 0 read from a file of zeros
    EXPECT_EQ(withShort.StateImage(1), -1);

    File("Altro.avi", 2000000, 2009, 1, 1);
    ASSERT_TRUE(Run(CheckMode::Media, rows, {1, true, true, false}));
    EXPECT_EQ(rows.StateImage(0), kOutcomeMediaDiffers);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].subItems, (std::array<std::string, 8>{"Altro.avi", "Altro.avi", "2", "1", "01-01-2009",
                                                             "01-01-2009", "0", "  0 -   0"}));
    EXPECT_EQ(found[0].cellImages[8], kImgUnknown);
    EXPECT_EQ(ComparisonCaptions(CheckMode::Media)[3], "Media");
}

TEST(TitleMatch, MediaResolutionAndBadTexts)
{
    std::vector<TMediaTitle> media = {{"Film.avi", "700", "14-09-2009", "/m/", "-", "640 x 480", false, false},
                                      {"Rotto.avi", "7x", "14-09-2009", "/m/", "-", "-", false, false}};
    MediaKeyIndex idx(media);
    CheckedFile f{"Film.avi", SmartTitleKey("Film.avi"), WholeDay(EncodeDate(2009, 9, 14)), 700, 640 * 480};
    std::int32_t px = 0;
    EXPECT_EQ(MatchInMedia(media, idx, f, {1, true, true, true}, px), (MatchResult{kOutcomeMediaEqual, 0}));
    EXPECT_EQ(px, 640 * 480);
    f.pixels = 1;
    EXPECT_EQ(MatchInMedia(media, idx, f, {1, true, true, true}, px).outcome, kOutcomeMediaDiffers);
    CheckedFile r{"Rotto.avi", SmartTitleKey("Rotto.avi"), 0, 7, 0};
    EXPECT_THROW(MatchInMedia(media, idx, r, {1, false, true, false}, px), PlatformError);
    CheckedFile none{"Nessuno.avi", SmartTitleKey("Nessuno.avi"), 0, 7, 0};
    px = 123;
    EXPECT_EQ(MatchInMedia(media, idx, none, {1, true, true, true}, px), MatchResult{});
    EXPECT_EQ(px, 123);
}
