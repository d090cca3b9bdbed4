#pragma once
// The film archive: the titles of the archive folder's films.txt (one line
// per title, twelve TAB-separated fields) in a table whose slot 0 holds the
// count, so that a title's slot number is its line number and its record
// number. Beside the table the archive keeps two indexes, rebuilt with
// every load: upper-cased titolo -> first record number, and title key ->
// first record number. A later title with the same name or key is never the
// one found, exactly as a scan in slot order would have it.
//
// A load reads into a new archive and replaces the old one only when the
// whole file was read: a file that fails half-way leaves the previous
// titles, count, user and status hint as they were.
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/DateTime.h"
#include "platform/Regional.h"

namespace vt {

struct ProgramState;

// One title, one line of films.txt, fields in the file's order.
struct dfilm {
    std::string titolo;    // 1: the title's file name with its extension
    std::string genere;    // 2
    std::string attore1;   // 3
    std::string attore2;   // 4
    std::string regia;     // 5
    std::string posizione; // 6: in the first line it also carries the user name
    std::string durata;    // 7
    std::string datau;     // 8: the year, as text
    DateTime dataa = 0;    // 9: arrival date, a whole day
    double dimmb = 0;      // 10: size in MB as written
    std::int32_t numero = 0; // 11; in slot 0 the number of titles
    std::string trama;     // 12: the rest of the line
};

class FilmArchive {
public:
    FilmArchive();

    // Number of titles; the same value as slot 0's numero.
    std::int32_t Count() const { return slots_[0].numero; }
    // Slot 0 (the count) to Count(); std::out_of_range for any other number.
    const dfilm& operator[](std::int32_t recordNumber) const;
    const std::vector<dfilm>& Slots() const { return slots_; }

    // Appends a title as record Count() + 1 and indexes it.
    void Add(dfilm film);

    // First record whose upper-cased titolo is `upperTitle`; -1 when none.
    std::int32_t FirstWithUpperTitle(const std::string& upperTitle) const;
    // First record whose titolo has the title key `key`; -1 when none.
    std::int32_t FirstWithKey(const std::string& key) const;
    // SmartTitleKey of the titolo of record 1..Count().
    const std::string& TitleKey(std::int32_t recordNumber) const;

    // Set by the reader: the archive was read from a file with this
    // last-write date. An archive never loaded has no file date.
    bool FromFile() const { return fromFile_; }
    DateTime FileDate() const { return fileDate_; }
    void SetFileDate(DateTime date)
    {
        fileDate_ = date;
        fromFile_ = true;
    }

private:
    std::vector<dfilm> slots_;
    std::vector<std::string> keys_; // keys_[i] for slot i; keys_[0] unused
    std::unordered_map<std::string, std::int32_t> byUpperTitle_;
    std::unordered_map<std::string, std::int32_t> byKey_;
    bool fromFile_ = false;
    DateTime fileDate_ = 0;
};

// Texts of films.txt after the cut at Ctrl-Z, decoded (UTF-8 when valid,
// else Windows-1252; a UTF-8 byte-order mark is dropped), into a new
// archive. Lines end with CR LF or LF; every
// line is a title. `fileName` names the file in the error messages.
// Throws PlatformError naming the file, the line and the bad field's text
// when a line lacks a field or its date, size or number does not convert.
// The archive has no file date.
FilmArchive ParseFilmsText(std::string_view bytes, const std::string& fileName,
                           const FormatSettings& fs);

// Reads the file `filmsFile` into a new archive with the file's last-write
// date. Throws PlatformError on a read or conversion error.
FilmArchive ReadFilmArchive(const std::string& filmsFile, const FormatSettings& fs);

// The user name carried by the first title's posizione: the text before its
// first "-", or "?" when it has none. "MARIO-A12" gives "MARIO".
std::string ArchiveUserOf(std::string_view posizione);

// The hint of the title check button after a load:
// "Data Archivio films: 14-set-2009 - Records # : 1250 - User = MARIO".
std::string ArchiveStatusText(DateTime fileDate, std::int32_t count, std::string_view user,
                              const FormatSettings& fs);

// The hint before any archive was loaded.
inline constexpr std::string_view kArchiveHintBeforeLoad = "Esegui controllo titoli su DataBase";

// Picture names of a title in the cover and poster folders: the titolo with
// its extension replaced by ".jpg" ("Il Gladiatore.avi" gives
// "Il Gladiatore.jpg"), the poster with "lc_" before it.
std::string CoverPictureName(std::string_view titolo);
std::string PosterPictureName(std::string_view titolo);

// --- The program's archive, in its ProgramState -------------------------

// FilmsFile := folder + "/films.txt"; CoversFolder := folder + "/copertine/"
// and PostersFolder := folder + "/locandine/", each empty when no such
// folder exists now. Plain text joins: a folder ending in "/" gives "//".
void SetArchivePaths(ProgramState& state, const std::string& archiveFolder);

// Loads state.FilmsFile into state.FilmArchive with the Italian formats.
// False, and nothing changed, when the file does not exist (the title check
// is then switched off). On a read or conversion error PlatformError is
// thrown and the archive, its count, ArchiveUser and the hint are as they
// were. On success the new archive replaces the old one and ArchiveUser
// comes from its first line; a file without lines keeps the previous user.
bool LoadFilmArchive(ProgramState& state);

// Hint text of the title check button: kArchiveHintBeforeLoad until an
// archive was loaded, then the status text of the archive in the state.
std::string ArchiveStatusHint(const ProgramState& state);

} // namespace vt
