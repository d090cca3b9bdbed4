#include <gtest/gtest.h>

#include <optional>

#include "MediaFixtures.h"
#include "media/SelectionInfo.h"
#include "selection/CopyList.h"

using namespace vt;
using namespace vt::test;

namespace {

// The rows of the folder, in list order.
const char* const kRows[] = {"Il Gladiatore.AVI", "Sub", "clip.mpg", "gone.txt", "note.txt", "short.avi", "vga.avi"};

class SelectionInfoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CopyFixture("Il Gladiatore.AVI", t.Path("Il Gladiatore.AVI"));
        CopyFixture("short.avi", t.Path("short.avi"));
        CopyFixture("vga.avi", t.Path("vga.avi"));
        t.Dir("Sub");
        t.File("Sub/inside", 4000); // a folder counts 0
        t.File("clip.mpg", 5);
        t.File("note.txt", 10);
    }
    // Rows with the given captions selected.
    VectorRows Rows(std::initializer_list<const char*> selected) const
    {
        std::vector<VectorRows::Row> rows;
        for (const char* r : kRows) {
            bool sel = false;
            for (const char* s : selected)
                sel |= std::string(s) == r;
            rows.push_back({r, sel});
        }
        return VectorRows(t.root(), rows);
    }

    TempTree t;
    ProgramState state;
};

struct Expect {
    std::optional<std::string> label4, num, dim;
    std::optional<bool> ren, preview;
    std::string error;
};

} // namespace

TEST_F(SelectionInfoTest, FollowsTheSelectionRules)
{
    struct Case {
        const char* name;
        std::initializer_list<const char*> selected;
        const char* item;
        bool itemSelected;
        Expect want;
    };
    const FormatSettings& fs = ItalianFormat();
    const Case cases[] = {
        {"one upper-case .AVI", {"Il Gladiatore.AVI"}, "Il Gladiatore.AVI", true,
         {"ILGLADIATORE.AVI : W = 720  H = 576", "1", FormatSize(72, fs), true, true, ""}},
        {"one text file", {"note.txt"}, "note.txt", true, {"n.a.", "1", FormatSize(10, fs), true, std::nullopt, ""}},
        {"text file added to an .avi", {"note.txt", "vga.avi"}, "note.txt", true,
         {"VGA.AVI : W = 640  H = 480", "2", FormatSize(82, fs), false, std::nullopt, ""}},
        {".mpg added to an .avi", {"clip.mpg", "vga.avi"}, "clip.mpg", true,
         {"VGA.AVI : W = 640  H = 480", "2", FormatSize(77, fs), false, false, ""}},
        {"missing row and folder count without size", {"Sub", "gone.txt", "note.txt"}, "gone.txt", true,
         {"n.a.", "3", FormatSize(10, fs), false, std::nullopt, ""}},
        {"deselecting", {"vga.avi"}, "note.txt", false,
         {std::nullopt, std::nullopt, std::nullopt, false, false, ""}},
        // The short header ends the event: Label4 keeps what the rows
        // before it wrote, nothing else changes.
        {"unreadable header", {"clip.mpg", "short.avi", "vga.avi"}, "vga.avi", true,
         {"n.a.", std::nullopt, std::nullopt, std::nullopt, std::nullopt, "Read beyond end of file"}},
    };
    for (const auto& c : cases) {
        VectorRows rows = Rows(c.selected);
        SelectionInfo s = ComputeSelectionInfo(state, rows, c.item, c.itemSelected, fs);
        EXPECT_EQ(s.label4, c.want.label4) << c.name;
        EXPECT_EQ(s.lbNumSel, c.want.num) << c.name;
        EXPECT_EQ(s.lbDimSel, c.want.dim) << c.name;
        EXPECT_EQ(s.sbRenEnabled, c.want.ren) << c.name;
        EXPECT_EQ(s.previewEnabled, c.want.preview) << c.name;
        EXPECT_EQ(s.error, c.want.error) << c.name;
    }
}

TEST_F(SelectionInfoTest, KeepsTheLastHeaderReadInTheState)
{
    VectorRows rows = Rows({"Il Gladiatore.AVI", "vga.avi"});
    ComputeSelectionInfo(state, rows, "vga.avi", true, ItalianFormat());
    EXPECT_EQ(state.AviHeader.Width(), 640);
    EXPECT_EQ(state.AviHeader.Height(), 480);
}

TEST_F(SelectionInfoTest, ListOutsideTheFileSystemFindsNothing)
{
    // No folder: "/" + caption must not reach a file of the root folder.
    VectorRows rows(std::string(), {{"x.avi", true}});
    EXPECT_EQ(ComputeSelectionInfo(state, rows, "x.avi", true, ItalianFormat()).error, "File not found");
}
