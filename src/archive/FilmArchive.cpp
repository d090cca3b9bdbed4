#include "archive/FilmArchive.h"

#include <cerrno>
#include <stdexcept>
#include <sys/stat.h>

#include "app/ProgramState.h"
#include "archive/TitleKey.h"
#include "platform/Error.h"
#include "platform/Files.h"
#include "platform/TextCodec.h"
#include "rename/NameTransforms.h"

namespace vt {

// ---------------------------------------------------------------- table

FilmArchive::FilmArchive() : slots_(1), keys_(1) {}

const dfilm& FilmArchive::operator[](std::int32_t recordNumber) const
{
    if (recordNumber < 0 || recordNumber > Count())
        throw std::out_of_range("record number " + std::to_string(recordNumber) + " out of range");
    return slots_[static_cast<std::size_t>(recordNumber)];
}

void FilmArchive::Add(dfilm film)
{
    const std::int32_t n = Count() + 1;
    std::string key = SmartTitleKey(film.titolo);
    std::string upper = UpperAscii(film.titolo);
    slots_.push_back(std::move(film));
    keys_.push_back(key);
    // emplace keeps an existing entry: the first title in slot order wins.
    byUpperTitle_.emplace(std::move(upper), n);
    byKey_.emplace(std::move(key), n);
    slots_[0].numero = n;
}

std::int32_t FilmArchive::FirstWithUpperTitle(const std::string& upperTitle) const
{
    auto it = byUpperTitle_.find(upperTitle);
    return it == byUpperTitle_.end() ? -1 : it->second;
}

std::int32_t FilmArchive::FirstWithKey(const std::string& key) const
{
    auto it = byKey_.find(key);
    return it == byKey_.end() ? -1 : it->second;
}

const std::string& FilmArchive::TitleKey(std::int32_t recordNumber) const
{
    if (recordNumber < 1 || recordNumber > Count())
        throw std::out_of_range("record number " + std::to_string(recordNumber) + " out of range");
    return keys_[static_cast<std::size_t>(recordNumber)];
}

// ---------------------------------------------------------------- reader

namespace {

// After each field only the first 10000 characters of the rest of the line
// are kept, so an overlong line loses its tail (normally the end of the
// plot). Characters, not bytes: the Windows archives count one byte per
// character, and a UTF-8 character is never cut in two.
constexpr std::size_t kRestLimit = 10000;

std::string_view FirstChars(std::string_view s, std::size_t limit)
{
    std::size_t chars = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if ((static_cast<unsigned char>(s[i]) & 0xC0) == 0x80)
            continue; // continuation byte of the character before
        if (chars == limit)
            return s.substr(0, i);
        ++chars;
    }
    return s;
}

// The field's text as the error message shows it: a long one is shortened.
std::string Quoted(std::string_view text)
{
    std::string_view shown = FirstChars(text, 80);
    std::string out = "\"" + std::string(shown);
    if (shown.size() < text.size())
        out += "...";
    return out + "\"";
}

struct LineReader {
    std::string_view rest;
    bool tab = false; // the last field taken ended at a TAB

    // The text before the first TAB (empty when there is none); the rest
    // becomes what follows that TAB, cut to its first 10000 characters.
    std::string_view Next()
    {
        auto p = rest.find('\t');
        tab = p != std::string_view::npos;
        std::string_view field = tab ? rest.substr(0, p) : std::string_view{};
        rest = FirstChars(tab ? rest.substr(p + 1) : rest, kRestLimit);
        return field;
    }
};

dfilm ParseLine(std::string_view line, std::size_t lineNo, const std::string& fileName,
                const FormatSettings& fs)
{
    auto fail = [&](const char* field, const std::string& detail) {
        throw PlatformError("Archivio films \"" + fileName + "\", riga " + std::to_string(lineNo) +
                            ": " + field + detail);
    };
    LineReader r{line};
    dfilm f;
    std::string* texts[8] = {&f.titolo, &f.genere,    &f.attore1, &f.attore2,
                             &f.regia,  &f.posizione, &f.durata,  &f.datau};
    for (std::string* t : texts)
        *t = std::string(r.Next());

    // Fields 9 to 11 must each end at a TAB: without it the field is empty
    // and cannot convert, so a line needs at least 11 TABs.
    auto take = [&](const char* field) {
        std::string_view text = r.Next();
        if (!r.tab)
            fail(field, " manca: la riga ha meno di 11 TAB");
        return text;
    };
    std::string_view date = take("la data di arrivo (campo 9)");
    if (!TryStrToDate(date, fs, f.dataa))
        fail("la data di arrivo (campo 9) ", Quoted(date) + " non è una data valida");
    std::string_view size = take("la dimensione in MB (campo 10)");
    if (!TryStrToFloat(size, fs, f.dimmb))
        fail("la dimensione in MB (campo 10) ", Quoted(size) + " non è un numero valido");
    std::string_view number = take("il numero (campo 11)");
    if (!TryStrToInt(number, f.numero))
        fail("il numero (campo 11) ", Quoted(number) + " non è un numero intero valido");
    f.trama = std::string(r.rest);
    return f;
}

} // namespace

FilmArchive ParseFilmsText(std::string_view bytes, const std::string& fileName,
                           const FormatSettings& fs)
{
    // Ctrl-Z ends the file; what follows it is no text, so it must not make
    // the file look like something other than UTF-8 either.
    auto eof = bytes.find('\x1A');
    if (eof != std::string_view::npos)
        bytes = bytes.substr(0, eof);
    std::string text = DecodeLegacyText(bytes);
    // A UTF-8 file saved by a text editor may begin with a byte-order mark:
    // it is no part of the first title, which would otherwise never match.
    if (text.starts_with("\xEF\xBB\xBF"))
        text.erase(0, 3);
    std::vector<std::string> lines = SplitTextLines(text);
    FilmArchive archive;
    for (std::size_t i = 0; i < lines.size(); ++i)
        archive.Add(ParseLine(lines[i], i + 1, fileName, fs));
    return archive;
}

FilmArchive ReadFilmArchive(const std::string& filmsFile, const FormatSettings& fs)
{
    std::string bytes = ReadWholeFile(filmsFile);
    struct stat st {};
    if (stat(filmsFile.c_str(), &st) != 0)
        ThrowSystemError(errno, filmsFile);
    FilmArchive archive = ParseFilmsText(bytes, filmsFile, fs);
    archive.SetFileDate(FromTimeT(st.st_mtime));
    return archive;
}

std::string ArchiveUserOf(std::string_view posizione)
{
    auto dash = posizione.find('-');
    if (dash == std::string_view::npos)
        return "?";
    return std::string(posizione.substr(0, dash));
}

std::string ArchiveStatusText(DateTime fileDate, std::int32_t count, std::string_view user,
                              const FormatSettings& fs)
{
    return "Data Archivio films: " + FormatDateTime("dd-mmm-yyyy", fileDate, fs) + " - " +
           "Records # : " + std::to_string(count) + " - User = " + std::string(user);
}

std::string CoverPictureName(std::string_view titolo)
{
    return SplitNameExt(titolo).name + ".jpg";
}

std::string PosterPictureName(std::string_view titolo)
{
    return "lc_" + CoverPictureName(titolo);
}

// ---------------------------------------------------------- program state

void SetArchivePaths(ProgramState& state, const std::string& archiveFolder)
{
    state.FilmsFile = archiveFolder + PathDelim + "films.txt";
    std::string covers = archiveFolder + PathDelim + "copertine" + PathDelim;
    std::string posters = archiveFolder + PathDelim + "locandine" + PathDelim;
    state.CoversFolder = DirectoryExists(covers) ? covers : std::string();
    state.PostersFolder = DirectoryExists(posters) ? posters : std::string();
}

bool LoadFilmArchive(ProgramState& state)
{
    if (!FileExists(state.FilmsFile))
        return false;
    FilmArchive fresh = ReadFilmArchive(state.FilmsFile, ItalianFormat());
    // Everything that can fail is done; from here on the state only takes
    // the new values.
    std::string user = fresh.Count() > 0 ? ArchiveUserOf(fresh[1].posizione) : state.ArchiveUser;
    state.FilmArchive = std::move(fresh);
    state.ArchiveUser = std::move(user);
    return true;
}

std::string ArchiveStatusHint(const ProgramState& state)
{
    const FilmArchive& a = state.FilmArchive;
    if (!a.FromFile())
        return std::string(kArchiveHintBeforeLoad);
    return ArchiveStatusText(a.FileDate(), a.Count(), state.ArchiveUser, ItalianFormat());
}

} // namespace vt
