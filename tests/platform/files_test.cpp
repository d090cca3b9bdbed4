#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "platform/Error.h"
#include "platform/Files.h"
#include "platform/ShellRows.h"
#include "platform/TextCodec.h"

using namespace vt;
namespace fs = std::filesystem;

namespace {
struct TempFolder {
    std::string path;
    explicit TempFolder(const char* name)
    {
        path = (fs::temp_directory_path() / (std::string("vt_files_") + name + "_" + std::to_string(getpid()))).string();
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~TempFolder() { fs::remove_all(path); }
    std::string operator/(const std::string& n) const { return path + "/" + n; }
    void Write(const std::string& n, const std::string& text) const { std::ofstream(*this / n, std::ios::binary) << text; }
};
} // namespace

TEST(TextLines, LineEndsCtrlZAndTheLastLine)
{
    using L = std::vector<std::string>;
    struct Case { std::string text; L lines; } cases[] = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\r\n\r\n", {"a", ""}},       // an extra empty line is a line
        {"a\rb\r\n", {"ab"}},           // a lone CR is dropped
        {"a\r\nb\x1A" "c\r\n", {"a", "b"}}, // Ctrl-Z ends the text
        {"", {}},
        {"\r", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitTextLines(c.text), c.lines) << ::testing::PrintToString(c.text);
}

TEST(TextCodec, Utf8IsKeptAndWindows1252IsConverted)
{
    EXPECT_TRUE(IsValidUtf8("Citt\xC3\xA0 \xE2\x82\xAC"));
    for (const char* bad : {"Citt\xE0", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE2\x82"})
        EXPECT_FALSE(IsValidUtf8(bad)) << bad;
    EXPECT_EQ(DecodeLegacyText("Citt\xC3\xA0"), "Citt\xC3\xA0");
    EXPECT_EQ(DecodeLegacyText("Citt\xE0 \x80 \x92"), "Citt\xC3\xA0 \xE2\x82\xAC \xE2\x80\x99");
}

TEST(ShellOrder, FoldersFirstThenNamesCaseBlindThenBytes)
{
    std::vector<FolderEntry> v;
    for (auto [name, folder] : std::initializer_list<std::pair<const char*, bool>>{
             {"b.avi", false}, {"Zeta", true}, {"A.avi", false}, {"a.avi", false}, {"alfa", true},
             {"_x", false}, {"\xC3\xA0.avi", false}, {"B.AVI", false}})
        v.push_back({name, folder, false, 0, 0, false});
    std::sort(v.begin(), v.end(), ShellOrderLess);
    std::vector<std::string> names;
    for (const auto& e : v)
        names.push_back(e.name);
    EXPECT_EQ(names, (std::vector<std::string>{"alfa", "Zeta", "_x", "A.avi", "a.avi", "B.AVI", "b.avi",
                                               "\xC3\xA0.avi"}));
}

TEST(Folders, ListingShowsHiddenOddNamesAndLinks)
{
    TempFolder t("list");
    t.Write("film.avi", std::string(1234, 'x'));
    t.Write(".nascosto", "");
    t.Write("bad\xFF name \"q\".avi", "ab");
    fs::create_directory(t / "Cartella");
    fs::create_directory_symlink(t / "Cartella", t / "link");
    fs::create_symlink(t / "manca", t / "rotto");
    FolderRows rows(t.path + "/");
    EXPECT_EQ(rows.FolderPath(), t.path);
    std::vector<std::string> names;
    for (int i = 0; i < rows.RowCount(); ++i)
        names.push_back(rows.Caption(i));
    EXPECT_EQ(names, (std::vector<std::string>{"Cartella", "link", ".nascosto", "bad\xFF name \"q\".avi", "film.avi",
                                               "rotto"}));
    const auto& e = rows.entries();
    EXPECT_TRUE(e[1].isFolder && e[1].isSymlink);
    EXPECT_TRUE(e[2].hidden);
    EXPECT_EQ(e[4].size, 1234);
    EXPECT_EQ(e[0].size, 0);
    EXPECT_FALSE(e[5].isFolder);
    EXPECT_THROW(FolderRows(t / "manca"), PlatformError);
    EXPECT_THROW(FolderRows(t / "film.avi"), PlatformError);
}

TEST(Folders, RenameNeverReplacesAnotherFile)
{
    TempFolder t("rename");
    t.Write("a.avi", "A");
    t.Write("b.avi", "B");
    EXPECT_EQ(RenameNoReplace(t / "a.avi", t / "b.avi"), EEXIST);
    EXPECT_EQ(ReadWholeFile(t / "b.avi"), "B");
    EXPECT_EQ(RenameNoReplace(t / "a.avi", t / "A.AVI"), 0);
    EXPECT_TRUE(FileExists(t / "A.AVI"));
    EXPECT_FALSE(FileExists(t / "a.avi"));
    EXPECT_EQ(RenameNoReplace(t / "manca", t / "x"), ENOENT);
    // A hard link is the same file: renaming one name onto the other only
    // drops the first name, nothing is lost.
    fs::create_hard_link(t / "b.avi", t / "c.avi");
    EXPECT_EQ(RenameNoReplace(t / "c.avi", t / "b.avi"), 0);
    EXPECT_EQ(ReadWholeFile(t / "b.avi"), "B");
}

TEST(Folders, AtomicWriteReplacesWholeAndKeepsPermissions)
{
    TempFolder t("atomic");
    t.Write("f.txt", "old");
    fs::permissions(t / "f.txt", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    WriteFileAtomic(t / "f.txt", "new text");
    EXPECT_EQ(ReadWholeFile(t / "f.txt"), "new text");
    EXPECT_EQ(fs::status(t / "f.txt").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(std::distance(fs::directory_iterator(t.path), fs::directory_iterator{}), 1);
    EXPECT_THROW(WriteFileAtomic(t / "nessuna/f.txt", "x"), PlatformError);
    try {
        ReadWholeFile(t / "manca.txt");
        FAIL();
    } catch (const PlatformError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("File not found", 0), 0u);
    }
}
