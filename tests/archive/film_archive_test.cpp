#include <gtest/gtest.h>

#include "support/TestSupport.h"

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sys/time.h>

#include "app/ProgramState.h"
#include "archive/FilmArchive.h"
#include "archive/TitleKey.h"
#include "platform/Error.h"

using namespace vt;
namespace fs = std::filesystem;

namespace {

const std::string kData = VT_TEST_DATA "/archive";

// One films.txt line with the given title and the three converted fields.
std::string Line(const std::string& titolo, const std::string& date = "14/09/2009",
                 const std::string& size = "700,5", const std::string& number = "7",
                 const std::string& trama = "trama", const std::string& posizione = "MARIO-A12")
{
    return titolo + "\tgenere\tattore1\tattore2\tregia\t" + posizione + "\tdurata\t2000\t" + date +
           "\t" + size + "\t" + number + "\t" + trama;
}

FilmArchive Parse(const std::string& text)
{
    return ParseFilmsText(text, "/a/films.txt", ItalianFormat());
}

std::vector<std::string> Titles(const FilmArchive& a)
{
    std::vector<std::string> t;
    for (std::int32_t i = 1; i <= a.Count(); ++i)
        t.push_back(a[i].titolo);
    return t;
}

// The PlatformError text of a parse, or "" when it reads.
std::string ParseError(const std::string& text)
{
    try {
        Parse(text);
    } catch (const PlatformError& e) {
        return e.what();
    }
    return {};
}

// A fresh folder for one test, removed at its end.
struct TempFolder {
    fs::path path;
    TempFolder()
    {
        std::string tmpl = (fs::temp_directory_path() / "vt-archive-XXXXXX").string();
        path = mkdtemp(tmpl.data());
    }
    ~TempFolder() { fs::remove_all(path); }
    std::string operator/(const std::string& name) const { return (path / name).string(); }
};

void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// Sets the last-write time to noon, local time, of the given day.
void SetFileDay(const std::string& path, int year, int month, int day)
{
    ASSERT_TRUE(vt::test::SetLocalDate(path, year, month, day));
}

} // namespace

TEST(FilmArchiveReader, LineEndings)
{
    const std::string a = Line("A"), b = Line("B");
    struct Case { std::string text; std::vector<std::string> titles; } cases[] = {
        {a + "\r\n" + b + "\r\n", {"A", "B"}},
        {a + "\n" + b, {"A", "B"}},
        {a + "\r\n" + b, {"A", "B"}},
        {Line("Ma\rtrix") + "\r\n", {"Matrix"}}, // a CR without LF is dropped
        {a + "\r\n" + b + "\r", {"A", "B"}},
        {a + "\r\r\n" + b, {"A", "B"}},
        {a + "\r\n\x1A" + b + "\r\n", {"A"}}, // Ctrl-Z ends the file
        {a + "\x1A\r\n" + b, {"A"}},
        {"", {}},
        {"\x1A", {}},
        {"\x1A garbage", {}},
    };
    for (const auto& c : cases) {
        FilmArchive arc = Parse(c.text);
        EXPECT_EQ(Titles(arc), c.titles) << c.text;
        EXPECT_EQ(arc[0].numero, static_cast<std::int32_t>(c.titles.size()));
    }
    // An extra line break at the end makes an empty last line, which has no
    // date; so does an empty line in the middle.
    EXPECT_NE(ParseError(a + "\r\n" + b + "\r\n\r\n").find("riga 3:"), std::string::npos);
    EXPECT_NE(ParseError(a + "\n\n" + b).find("riga 2:"), std::string::npos);
    EXPECT_NE(ParseError("\r\n").find("riga 1:"), std::string::npos);
}

TEST(FilmArchiveReader, FieldsAndTabs)
{
    FilmArchive arc = Parse("Il Gladiatore.avi\tAzione\tCrowe\tPhoenix\tScott\tMARIO-A12\t155\t2000\t"
                            "14/09/2009\t700,5\t-12\tUn generale\r\n" +
                            Line("Undici TAB", "01/01/2001", "1", "0", "") + "\r\n" +
                            Line("Tredici TAB", "01/01/2001", "1", "0", "a\tb\tc"));
    ASSERT_EQ(arc.Count(), 3);
    const dfilm& f = arc[1];
    EXPECT_EQ(f.titolo, "Il Gladiatore.avi");
    EXPECT_EQ(f.genere, "Azione");
    EXPECT_EQ(f.attore1, "Crowe");
    EXPECT_EQ(f.attore2, "Phoenix");
    EXPECT_EQ(f.regia, "Scott");
    EXPECT_EQ(f.posizione, "MARIO-A12");
    EXPECT_EQ(f.durata, "155");
    EXPECT_EQ(f.datau, "2000");
    EXPECT_DOUBLE_EQ(f.dataa, EncodeDate(2009, 9, 14));
    EXPECT_DOUBLE_EQ(f.dimmb, 700.5);
    EXPECT_EQ(f.numero, -12);
    EXPECT_EQ(f.trama, "Un generale");
    EXPECT_EQ(arc[2].trama, "");
    EXPECT_EQ(arc[3].trama, "a\tb\tc");
    EXPECT_EQ(arc[0].numero, 3); // slot 0 holds the count, not a field
}

TEST(FilmArchiveReader, RestOfLineIsCutTo10000Characters)
{
    const std::string head = "genere\tattore1\tattore2\tregia\tpos\tdurata\t2000\t14/09/2009\t700,5\t7\t";
    // 20000 characters after the first TAB: the plot keeps what fits in 10000.
    FilmArchive arc = Parse("Lungo.avi\t" + head + std::string(20000 - head.size(), 'x'));
    EXPECT_EQ(arc[1].trama, std::string(10000 - head.size(), 'x'));
    // The count is in characters: a UTF-8 plot is never cut inside one.
    const std::string e = "\xC3\xA8";
    std::string plot;
    for (int i = 0; i < 12000; ++i)
        plot += e;
    arc = Parse("Lungo.avi\t" + head + plot);
    std::string kept;
    for (std::size_t i = 0; i < 10000 - head.size(); ++i)
        kept += e;
    EXPECT_EQ(arc[1].trama, kept);
    // The title stands before the first TAB and is taken whole.
    arc = Parse(std::string(12000, 'T') + "\t" + head + "p");
    EXPECT_EQ(arc[1].titolo.size(), 12000u);
    EXPECT_EQ(arc[1].trama, "p");
    // A cut that takes the TABs of fields 9 to 11 with it fails the line.
    EXPECT_NE(ParseError("T\t" + std::string(10000, 'g') + "\t" + head).find("manca"), std::string::npos);
}

TEST(FilmArchiveReader, ConversionErrorsNameFileLineAndText)
{
    const std::string good = Line("A") + "\r\n" + Line("B") + "\r\n";
    struct Case { std::string line; std::string message; } cases[] = {
        {Line("C", "31/02/2009"), "la data di arrivo (campo 9) \"31/02/2009\" non è una data valida"},
        {Line("C", "14-09-2009"), "la data di arrivo (campo 9) \"14-09-2009\" non è una data valida"},
        {Line("C", ""), "la data di arrivo (campo 9) \"\" non è una data valida"},
        {Line("C", "14/09/2009", "700.5"), "la dimensione in MB (campo 10) \"700.5\" non è un numero valido"},
        {Line("C", "14/09/2009", "700,5", "2147483648"),
         "il numero (campo 11) \"2147483648\" non è un numero intero valido"},
        {Line("C", "14/09/2009", "700,5", "7,0"), "il numero (campo 11) \"7,0\" non è un numero intero valido"},
        // Ten TABs: field 11 has no TAB after it.
        {"C\tg\ta\ta\tr\tp\td\t2000\t14/09/2009\t700,5\t7", "il numero (campo 11) manca: la riga ha meno di 11 TAB"},
        // Eight TABs: the date stands at the end without its TAB.
        {"C\tg\ta\ta\tr\tp\td\t2000\t14/09/2009", "la data di arrivo (campo 9) manca: la riga ha meno di 11 TAB"},
        {"solo un titolo", "la data di arrivo (campo 9) manca: la riga ha meno di 11 TAB"},
        {Line("C", std::string(100, '9')),
         "la data di arrivo (campo 9) \"" + std::string(80, '9') + "...\" non è una data valida"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseError(good + c.line + "\r\n" + Line("D")),
                  "Archivio films \"/a/films.txt\", riga 3: " + c.message)
            << c.line;
    // The same file reads with the period notation when told to.
    EXPECT_EQ(ParseFilmsText(Line("C", "14/09/2009", "700.5"), "f", PeriodFormat())[1].dimmb, 700.5);
}

TEST(FilmArchiveReader, TableGrowsPast2000WithLineNumbersAsRecordNumbers)
{
    std::string text;
    for (int i = 1; i <= 2500; ++i)
        text += Line("Film " + std::to_string(i) + ".avi", "14/09/2009", "1", std::to_string(i)) + "\r\n";
    text += Line("film 7.AVI") + "\r\n";
    FilmArchive arc = Parse(text);
    ASSERT_EQ(arc.Count(), 2501);
    EXPECT_EQ(arc[2345].titolo, "Film 2345.avi");
    EXPECT_EQ(arc[2345].numero, 2345);
    EXPECT_EQ(FindFilmByName(arc, "FILM 2500.avi"), 2500);
    EXPECT_EQ(FindFilmByName(arc, "Film 7.avi"), 7);
    EXPECT_EQ(arc.FirstWithKey("FILM7.AVI"), 7);
}

TEST(FilmArchiveReader, EncodingUtf8ElseWindows1252)
{
    // UTF-8 stays as it is, also when bytes after Ctrl-Z are not UTF-8.
    FilmArchive arc = Parse(Line("Perch\xC3\xA9.avi") + "\r\n\x1A\xFF\xFE");
    EXPECT_EQ(arc[1].titolo, "Perch\xC3\xA9.avi");
    // One byte that is not UTF-8 makes the whole file Windows-1252.
    arc = Parse(Line("Perch\xE9.avi") + "\r\n" + Line("\x80 \x93x\x94.avi"));
    EXPECT_EQ(arc[1].titolo, "Perch\xC3\xA9.avi");
    EXPECT_EQ(arc[2].titolo, "\xE2\x82\xAC \xE2\x80\x9Cx\xE2\x80\x9D.avi");
    // A UTF-8 byte-order mark is not part of the first title.
    arc = Parse("\xEF\xBB\xBF" + Line("Perch\xC3\xA9.avi"));
    EXPECT_EQ(FindFilmByName(arc, "perch\xC3\xA9.avi"), 1);
    // The same three bytes in a Windows-1252 file are three characters.
    arc = Parse("\xEF\xBB\xBF" + Line("Perch\xE9.avi"));
    EXPECT_EQ(arc[1].titolo, "\xC3\xAF\xC2\xBB\xC2\xBFPerch\xC3\xA9.avi");
}

TEST(FilmArchiveReader, Windows1252FixtureMatchesUtf8FileNames)
{
    FilmArchive arc = ReadFilmArchive(kData + "/cinarca/films.txt", ItalianFormat());
    ASSERT_EQ(arc.Count(), 4); // the line after Ctrl-Z is not read
    // The Windows archive's title equals the UTF-8 name of the same film.
    EXPECT_EQ(arc[2].titolo, "La vita \xC3\xA8 bella.avi");
    EXPECT_EQ(FindFilmByName(arc, "LA VITA \xC3\xA8 BELLA.avi"), 2);
    EXPECT_EQ(arc.FirstWithKey(SmartTitleKey("La vita \xC3\xA8 bella.avi")), 2);
    EXPECT_EQ(arc[2].trama, "Trama con\tdue TAB\tdentro");
    EXPECT_EQ(arc[3].trama, "");
    EXPECT_DOUBLE_EQ(arc[3].dimmb, 4480);
    EXPECT_DOUBLE_EQ(arc[4].dataa, EncodeDate(2008, 2, 29));
    EXPECT_DOUBLE_EQ(arc[4].dimmb, -1.25);
    EXPECT_EQ(FindFilmByName(arc, "il gladiatore.avi"), 1);
    EXPECT_EQ(arc.FirstWithKey("ILGLADIATORE.AVI"), 1);
    EXPECT_TRUE(arc.FromFile());
}

TEST(FilmArchiveReader, UserIsTheTextBeforeTheFirstDash)
{
    struct Case { const char* posizione; const char* user; } cases[] = {
        {"MARIO-A12", "MARIO"}, {"A12", "?"}, {"-A12", ""}, {"", "?"}, {"A-B-C", "A"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ArchiveUserOf(c.posizione), c.user) << c.posizione;
}

TEST(FilmArchiveReader, StatusText)
{
    EXPECT_EQ(ArchiveStatusText(EncodeDate(2009, 9, 14), 1250, "MARIO", ItalianFormat()),
              "Data Archivio films: 14-set-2009 - Records # : 1250 - User = MARIO");
    EXPECT_EQ(ArchiveStatusText(EncodeDate(2010, 1, 5) + 0.75, 0, "", ItalianFormat()),
              "Data Archivio films: 05-gen-2010 - Records # : 0 - User = ");
}

TEST(FilmArchiveReader, PictureNames)
{
    EXPECT_EQ(CoverPictureName("Il Gladiatore.avi"), "Il Gladiatore.jpg");
    EXPECT_EQ(PosterPictureName("Il Gladiatore.avi"), "lc_Il Gladiatore.jpg");
    EXPECT_EQ(CoverPictureName("Il Gladiatore"), "Il Gladiatore.jpg");
    EXPECT_EQ(CoverPictureName("Mr. Smith"), "Mr.jpg");
}

TEST(FilmArchiveState, SetArchivePaths)
{
    ProgramState st;
    SetArchivePaths(st, kData + "/cinarca");
    EXPECT_EQ(st.FilmsFile, kData + "/cinarca/films.txt");
    EXPECT_EQ(st.CoversFolder, kData + "/cinarca/copertine/");
    EXPECT_EQ(st.PostersFolder, ""); // no locandine there
    // Plain joins: a folder that ends in "/" gives a doubled one.
    SetArchivePaths(st, kData + "/cinarca/");
    EXPECT_EQ(st.FilmsFile, kData + "/cinarca//films.txt");
    EXPECT_EQ(st.CoversFolder, kData + "/cinarca//copertine/");
    TempFolder t;
    fs::create_directory(t / "locandine");
    SetArchivePaths(st, t.path.string());
    EXPECT_EQ(st.CoversFolder, "");
    EXPECT_EQ(st.PostersFolder, t / "locandine/");
}

TEST(FilmArchiveState, LoadReplacesTheArchiveOnlyWhenTheWholeFileWasRead)
{
    TempFolder t;
    ProgramState st;
    EXPECT_EQ(ArchiveStatusHint(st), "Esegui controllo titoli su DataBase");
    SetArchivePaths(st, t.path.string());
    // No films.txt: nothing to load, nothing changes.
    EXPECT_FALSE(LoadFilmArchive(st));
    EXPECT_EQ(st.FilmArchive.Count(), 0);
    EXPECT_EQ(ArchiveStatusHint(st), "Esegui controllo titoli su DataBase");

    fs::copy_file(kData + "/cinarca/films.txt", st.FilmsFile);
    SetFileDay(st.FilmsFile, 2009, 9, 14);
    ASSERT_TRUE(LoadFilmArchive(st));
    EXPECT_EQ(st.FilmArchive.Count(), 4);
    EXPECT_EQ(st.ArchiveUser, "MARIO");
    const std::string hint = "Data Archivio films: 14-set-2009 - Records # : 4 - User = MARIO";
    EXPECT_EQ(ArchiveStatusHint(st), hint);

    // A reload that fails at line 3 leaves the previous archive whole.
    fs::copy_file(kData + "/broken/films.txt", st.FilmsFile, fs::copy_options::overwrite_existing);
    SetFileDay(st.FilmsFile, 2010, 10, 12);
    try {
        LoadFilmArchive(st);
        ADD_FAILURE() << "the load did not fail";
    } catch (const PlatformError& e) {
        EXPECT_EQ(std::string(e.what()), "Archivio films \"" + st.FilmsFile +
                                             "\", riga 3: la dimensione in MB (campo 10) \"700.5\" "
                                             "non è un numero valido");
    }
    EXPECT_EQ(st.FilmArchive.Count(), 4);
    EXPECT_EQ(st.FilmArchive[1].titolo, "Il Gladiatore.avi");
    EXPECT_EQ(st.FilmArchive[2].titolo, "La vita \xC3\xA8 bella.avi");
    EXPECT_EQ(FindFilmByName(st.FilmArchive, "Nuovo Uno.avi"), -1);
    EXPECT_EQ(FindFilmByName(st.FilmArchive, "Il Gladiatore.avi"), 1);
    EXPECT_EQ(st.ArchiveUser, "MARIO");
    EXPECT_EQ(ArchiveStatusHint(st), hint);

    // The file gone: the title check is off, the titles stay for the others.
    fs::remove(st.FilmsFile);
    EXPECT_FALSE(LoadFilmArchive(st));
    EXPECT_EQ(st.FilmArchive.Count(), 4);
    EXPECT_EQ(ArchiveStatusHint(st), hint);

    // An empty file is a whole archive of no titles; it names no user, so
    // the previous one stays.
    WriteBytes(st.FilmsFile, "");
    SetFileDay(st.FilmsFile, 2011, 3, 1);
    ASSERT_TRUE(LoadFilmArchive(st));
    EXPECT_EQ(st.FilmArchive.Count(), 0);
    EXPECT_EQ(FindFilmByName(st.FilmArchive, "Il Gladiatore.avi"), -1);
    EXPECT_EQ(ArchiveStatusHint(st), "Data Archivio films: 01-mar-2011 - Records # : 0 - User = MARIO");

    // The user comes from the first line only.
    WriteBytes(st.FilmsFile, Line("X.avi", "14/09/2009", "1", "1", "", "-A12") + "\r\n" + Line("Y.avi") + "\r\n");
    ASSERT_TRUE(LoadFilmArchive(st));
    EXPECT_EQ(st.ArchiveUser, "");
    WriteBytes(st.FilmsFile, Line("X.avi", "14/09/2009", "1", "1", "", "A12") + "\r\n" + Line("Y.avi") + "\r\n");
    ASSERT_TRUE(LoadFilmArchive(st));
    EXPECT_EQ(st.ArchiveUser, "?");
}

TEST(FilmArchiveState, ReadErrorKeepsTheArchive)
{
    TempFolder t;
    ProgramState st;
    SetArchivePaths(st, t.path.string());
    WriteBytes(st.FilmsFile, Line("A.avi") + "\r\n");
    ASSERT_TRUE(LoadFilmArchive(st));
    // A file that opens but fails to read, even for root: the process's own
    // memory file read at offset 0 (an unmapped address) gives EIO.
    fs::remove(st.FilmsFile);
    fs::create_symlink("/proc/self/mem", st.FilmsFile);
    try {
        LoadFilmArchive(st);
        ADD_FAILURE() << "the load did not fail";
    } catch (const PlatformError& e) {
        EXPECT_NE(std::string(e.what()).find(st.FilmsFile), std::string::npos) << e.what();
    }
    EXPECT_EQ(st.FilmArchive.Count(), 1);
    EXPECT_EQ(st.FilmArchive[1].titolo, "A.avi");
    EXPECT_EQ(st.ArchiveUser, "MARIO");
}
