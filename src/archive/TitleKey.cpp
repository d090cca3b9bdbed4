#include "archive/TitleKey.h"

#include "archive/FilmArchive.h"
#include "rename/NameTransforms.h"

namespace vt {

namespace {

void EraseFirst(std::string& s, std::string_view what)
{
    auto pos = s.find(what);
    if (pos != std::string::npos)
        s.erase(pos, what.size());
}

} // namespace

std::string SmartTitleKey(std::string_view name)
{
    NameExt parts = SplitNameExt(name);
    std::string upper = UpperAscii(parts.name);
    // "[DVD]" goes first, so a "CD1" that only its removal joins together
    // ("C[DVD]D1") is taken out as well.
    EraseFirst(upper, "[DVD]");
    EraseFirst(upper, "CD1");
    std::string key;
    key.reserve(upper.size() + parts.ext.size());
    for (char c : upper)
        if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z'))
            key += c;
    key += UpperAscii(parts.ext);
    return key;
}

std::int32_t FindFilmByName(const FilmArchive& archive, std::string_view name)
{
    return archive.FirstWithUpperTitle(UpperAscii(name));
}

} // namespace vt
