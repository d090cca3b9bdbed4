// libFuzzer target: arbitrary bytes as a films.txt and as a file name.
//
// The reader must either give a whole archive whose texts are valid UTF-8,
// whose records are the file's lines and whose indexes find the first title
// in slot order, or throw PlatformError with a valid UTF-8 message. The name
// rules must never fail and must keep their shape: a key is letters and
// digits followed by the upper-cased extension, the CD number is 0, 1 or 2,
// the CD title part is a prefix of the name.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "archive/FilmArchive.h"
#include "archive/TitleKey.h"
#include "platform/Error.h"
#include "platform/TextCodec.h"
#include "rename/NameTransforms.h"

using namespace vt;

namespace {

void Check(bool ok)
{
    if (!ok)
        std::abort();
}

std::size_t CountChars(std::string_view s)
{
    std::size_t n = 0;
    for (char c : s)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

void FuzzReader(std::string_view bytes)
{
    try {
        FilmArchive a = ParseFilmsText(bytes, "films.txt", ItalianFormat());
        Check(a.Count() >= 0 && a[0].numero == a.Count());
        Check(a.Slots().size() == static_cast<std::size_t>(a.Count()) + 1);
        Check(!a.FromFile());
        for (std::int32_t i = 1; i <= a.Count(); ++i) {
            const dfilm& f = a[i];
            for (const std::string* t : {&f.titolo, &f.genere, &f.attore1, &f.attore2, &f.regia,
                                         &f.posizione, &f.durata, &f.datau, &f.trama})
                Check(IsValidUtf8(*t) && t->find_first_of("\r\n\x1A") == std::string::npos);
            Check(CountChars(f.trama) <= 10000);
            Check(f.titolo.find('\t') == std::string::npos);
            const std::string& key = a.TitleKey(i);
            Check(key == SmartTitleKey(f.titolo));
            std::int32_t byKey = a.FirstWithKey(key);
            Check(byKey >= 1 && byKey <= i && a.TitleKey(byKey) == key);
            std::int32_t byName = FindFilmByName(a, f.titolo);
            Check(byName >= 1 && byName <= i && UpperAscii(a[byName].titolo) == UpperAscii(f.titolo));
        }
        (void)ArchiveStatusText(0, a.Count(), a.Count() ? ArchiveUserOf(a[1].posizione) : "",
                                ItalianFormat());
    } catch (const PlatformError& e) {
        Check(IsValidUtf8(e.what()));
    }
}

void FuzzName(std::string_view name)
{
    std::string key = SmartTitleKey(name);
    std::string ext = UpperAscii(SplitNameExt(name).ext);
    Check(key.size() >= ext.size() && key.compare(key.size() - ext.size(), ext.size(), ext) == 0);
    for (std::size_t i = 0; i + ext.size() < key.size(); ++i)
        Check((key[i] >= '0' && key[i] <= '9') || (key[i] >= 'A' && key[i] <= 'Z'));
    Check(key.size() <= name.size());

    int cd = CDNumber(name);
    Check(cd == 0 || cd == 1 || cd == 2);
    std::string part = CDTitlePart(name);
    Check(part.size() <= name.size() && name.substr(0, part.size()) == part);
    Check(part.empty() || (part.back() != ' ' && part.back() != '-'));
    if (cd != 0)
        Check(UpperAscii(name).find("CD") != std::string::npos);

    Check(UpperAscii(name).size() == name.size() && FirstUpper(name).size() == name.size());
    Replaced r = ReplaceChar(name, '.', ' ');
    Check(r.text.size() == name.size() &&
          r.count == static_cast<int>(std::count(name.begin(), name.end(), '.')));
    Check(DotsToSpaces(name).find_first_of("._") == std::string::npos);
    NameExt split = SplitNameExt(name);
    Check(split.name + split.ext == name);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    FuzzReader(bytes);
    FuzzName(bytes);
    return 0;
}
