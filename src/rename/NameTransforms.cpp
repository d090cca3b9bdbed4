#include "rename/NameTransforms.h"

namespace vt {

namespace {

char UpperChar(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
char LowerChar(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Offset of the first "CD" in any letter case, or npos.
std::size_t FindCD(std::string_view s)
{
    for (std::size_t i = 0; i + 1 < s.size(); ++i)
        if (UpperChar(s[i]) == 'C' && UpperChar(s[i + 1]) == 'D')
            return i;
    return std::string_view::npos;
}

} // namespace

NameExt SplitNameExt(std::string_view fileName)
{
    for (std::size_t i = fileName.size(); i-- > 0;) {
        char c = fileName[i];
        if (c == '/' || c == '\\' || c == ':')
            break;
        if (c == '.')
            return {std::string(fileName.substr(0, i)), std::string(fileName.substr(i))};
    }
    return {std::string(fileName), {}};
}

std::string UpperAscii(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        c = UpperChar(c);
    return out;
}

std::string LowerAscii(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        c = LowerChar(c);
    return out;
}

std::string FirstUpper(std::string_view s)
{
    std::string out = LowerAscii(s);
    if (!out.empty())
        out[0] = UpperChar(out[0]);
    return out;
}

Replaced ReplaceChar(std::string_view s, char find, char put)
{
    Replaced r{std::string(s), 0};
    for (char& c : r.text)
        if (c == find) {
            c = put;
            ++r.count;
        }
    return r;
}

std::string DotsToSpaces(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        if (c == '.' || c == '_')
            c = ' ';
    return out;
}

int CDNumber(std::string_view s)
{
    std::size_t k = FindCD(s);
    if (k == std::string_view::npos)
        return 0;
    // The two places after "CD"; a place past the end holds no digit.
    char a = k + 2 < s.size() ? s[k + 2] : '\0';
    char b = k + 3 < s.size() ? s[k + 3] : '\0';
    if (a == '1' || b == '1')
        return 1;
    if (a == '2' || b == '2')
        return 2;
    return 0;
}

std::string CDTitlePart(std::string_view s)
{
    std::size_t k = FindCD(s);
    if (k == std::string_view::npos)
        return {};
    std::string_view before = s.substr(0, k);
    while (!before.empty() && (before.back() == ' ' || before.back() == '-'))
        before.remove_suffix(1);
    return std::string(before);
}

} // namespace vt
