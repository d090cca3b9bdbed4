#include "media/MediaTitles.h"

#include <algorithm>
#include <cerrno>
#include <numeric>
#include <unistd.h>

#include "app/ProgramState.h"
#include "archive/TitleKey.h"
#include "platform/Files.h"
#include "rename/NameTransforms.h"

namespace vt {

namespace {

char UpperChar(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Bytes compared after a-z became A-Z; the first difference decides, a
// prefix comes first.
int CompareTextNoCase(const std::string& a, const std::string& b)
{
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto ca = static_cast<unsigned char>(UpperChar(a[i]));
        const auto cb = static_cast<unsigned char>(UpperChar(b[i]));
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

template <class T>
int Sign(T a, T b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

// The texts are the scan's own, so they always convert; a text edited into
// something else counts as 0 rather than failing in the middle of a sort.
double SizeKey(const std::string& s, const FormatSettings& fs)
{
    double v = 0;
    return TryStrToFloat(s, fs, v) ? v : 0;
}

int Digits(const std::string& s, std::size_t from, std::size_t count)
{
    int v = 0;
    for (std::size_t i = from; i < from + count && i < s.size(); ++i)
        if (s[i] >= '0' && s[i] <= '9')
            v = v * 10 + (s[i] - '0');
    return v;
}

// "dd-mm-yyyy": day from characters 1-2, month from 4-5, year from the
// last four, as one comparable number.
long DateKey(const std::string& s)
{
    const int day = Digits(s, 0, 2);
    const int month = Digits(s, 3, 2);
    const int year = s.size() >= 4 ? Digits(s, s.size() - 4, 4) : 0;
    return static_cast<long>(year) * 10000 + month * 100 + day;
}

long RecordKey(const std::string& s)
{
    std::int32_t v = 0;
    return s == "-" || !TryStrToInt(s, v) ? 0 : v;
}

// The key of one row for one column, computed once per sort.
struct SortKey {
    const std::string* text = nullptr;
    double number = 0;
};

SortKey KeyOf(const TMediaTitle& t, int column, const FormatSettings& fs)
{
    switch (column) {
    case kColDimMB: return {nullptr, SizeKey(t.DimMB, fs)};
    case kColData: return {nullptr, static_cast<double>(DateKey(t.Data))};
    case kColDB: return {nullptr, static_cast<double>(RecordKey(t.DB))};
    case kColPath: return {&t.Path, 0};
    case kColRis: return {&t.Ris, 0};
    default: return {&t.Titolo, 0};
    }
}

int CompareKeys(const SortKey& a, const SortKey& b)
{
    return a.text ? CompareTextNoCase(*a.text, *b.text) : Sign(a.number, b.number);
}

void SortBy(std::vector<TMediaTitle>& titles, int column, bool ascending, const FormatSettings& fs)
{
    std::vector<SortKey> keys;
    keys.reserve(titles.size());
    for (const auto& t : titles)
        keys.push_back(KeyOf(t, column, fs));
    std::vector<std::size_t> order(titles.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const int c = CompareKeys(keys[a], keys[b]);
        return ascending ? c < 0 : c > 0;
    });
    std::vector<TMediaTitle> sorted;
    sorted.reserve(titles.size());
    for (std::size_t i : order)
        sorted.push_back(std::move(titles[i]));
    titles = std::move(sorted);
}

int ValidColumn(int column) { return column >= 0 && column < kMediaColumnCount ? column : kColTitolo; }

} // namespace

std::string MediaCountText(const ProgramState& state)
{
    return "Numero titoli trovati : " + std::to_string(state.MediaTitles.size());
}

std::string DuplicatesFoundText(int found) { return "Trovati " + std::to_string(found) + " Titoli doppi"; }

std::string MediaTitleFile(const TMediaTitle& t) { return t.Path + PathDelim + t.Titolo; }

int CompareMediaTitles(const TMediaTitle& a, const TMediaTitle& b, int column, bool ascending,
                       const FormatSettings& fs)
{
    column = ValidColumn(column);
    const int c = CompareKeys(KeyOf(a, column, fs), KeyOf(b, column, fs));
    return ascending ? c : -c;
}

void SortMediaTitles(ProgramState& state, const FormatSettings& fs)
{
    const int column = ValidColumn(state.MediaSort.column);
    SortBy(state.MediaTitles, column, state.MediaSort.ascending[static_cast<std::size_t>(column)], fs);
}

void SortMediaTitlesByColumn(ProgramState& state, int column, const FormatSettings& fs)
{
    column = ValidColumn(column);
    state.MediaSort.column = column;
    auto& asc = state.MediaSort.ascending[static_cast<std::size_t>(column)];
    asc = !asc;
    SortMediaTitles(state, fs);
}

int FindDuplicateTitles(ProgramState& state, const DuplicateCriteria& criteria, const FormatSettings& fs)
{
    state.MediaSort.column = kColTitolo;
    state.MediaSort.ascending[kColTitolo] = true;
    SortMediaTitles(state, fs);

    auto& rows = state.MediaTitles;
    std::vector<std::string> keys;
    keys.reserve(rows.size());
    for (auto& r : rows) {
        r.DuplicateMark = false;
        keys.push_back(SmartTitleKey(r.Titolo));
    }
    auto firstChar = [](const std::string& k) { return k.empty() ? '\0' : k[0]; };
    auto sameDetails = [&](const TMediaTitle& a, const TMediaTitle& b) {
        return (!criteria.date || a.Data == b.Data) && (!criteria.size || a.DimMB == b.DimMB) &&
               (!criteria.resolution || a.Ris == b.Ris);
    };
    int found = 0;
    for (std::size_t i = 0; i + 1 < rows.size(); ++i) {
        if (rows[i].DuplicateMark)
            continue;
        const std::string& k = keys[i];
        const char c = firstChar(k);
        for (std::size_t j = i + 1; j < rows.size(); ++j) {
            if (keys[j] == k && sameDetails(rows[i], rows[j])) {
                rows[i].DuplicateMark = true;
                rows[j].DuplicateMark = true;
                ++found;
            }
            if (firstChar(keys[j]) != c)
                break;
        }
    }
    return found;
}

DeleteOutcome DeleteMediaTitle(ProgramState& state, int row, UiServices& ui)
{
    if (row < 0 || static_cast<std::size_t>(row) >= state.MediaTitles.size())
        return DeleteOutcome::NoRow;
    const TMediaTitle& t = state.MediaTitles[static_cast<std::size_t>(row)];
    // The question's line break: a Linux message box breaks lines at LF.
    if (!ui.Confirm(MsgIcon::None, "Cancello il Titolo selezionato: \n" + UpperAscii(t.Titolo)))
        return DeleteOutcome::Declined;
    const std::string path = MediaTitleFile(t);
    if (unlink(path.c_str()) != 0) {
        ui.Message(MsgIcon::None, kDeleteFailedText);
        return DeleteOutcome::Failed;
    }
    // The table may have changed while the question was open only through
    // this window, which is modal; the row is still the one asked about.
    state.MediaTitles.erase(state.MediaTitles.begin() + row);
    return DeleteOutcome::Deleted;
}

} // namespace vt
