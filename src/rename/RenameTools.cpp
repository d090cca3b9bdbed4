#include "rename/RenameTools.h"

#include <algorithm>
#include <cerrno>

#include "platform/Files.h"
#include "rename/NameTransforms.h"

namespace vt {

namespace {

// The selection cut to the text, so a stale selection never reads past it.
struct Sel {
    std::size_t start, length;
};
Sel ClampSel(const EditText& in)
{
    std::size_t size = in.text.size();
    std::size_t start = static_cast<std::size_t>(std::clamp(in.selStart, 0, static_cast<int>(size)));
    std::size_t length = static_cast<std::size_t>(std::clamp(in.selLength, 0, static_cast<int>(size - start)));
    return {start, length};
}

ToolResult Unchanged(const EditText& in)
{
    ToolResult r;
    r.edit = in;
    return r;
}

// A new text with the caret at `caret` and nothing selected.
ToolResult SetText(std::string text, std::size_t caret)
{
    ToolResult r;
    r.setText = true;
    r.edit.selStart = static_cast<int>(std::min(caret, text.size()));
    r.edit.text = std::move(text);
    return r;
}
ToolResult SetText(std::string text)
{
    std::size_t end = text.size();
    return SetText(std::move(text), end);
}

// Byte offset where the last `n` characters of a UTF-8 text begin; the
// continuation bytes of a character stay with it.
std::size_t LastCharsStart(std::string_view s, int n)
{
    std::size_t i = s.size();
    while (n > 0 && i > 0) {
        --i;
        while (i > 0 && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80)
            --i;
        --n;
    }
    return i;
}

} // namespace

CDChoice CDChoiceOf(std::string_view currentName)
{
    switch (CDNumber(currentName)) {
    case 1: return CDChoice::CD1;
    case 2: return CDChoice::CD2;
    default: return CDChoice::None;
    }
}

std::string_view CDMarkerOf(CDChoice cd)
{
    switch (cd) {
    case CDChoice::CD1: return MarkCD1;
    case CDChoice::CD2: return MarkCD2;
    default: return {};
    }
}

std::optional<char> FindCharOfItem(int index)
{
    static constexpr char chars[] = {'.', '-', '_', '%', ' '};
    if (index == -1)
        index = 0;
    if (index < 0 || index >= static_cast<int>(sizeof chars))
        return std::nullopt;
    return chars[index];
}

std::optional<char> PutCharOfItem(int index)
{
    static constexpr char chars[] = {' ', '_', '-'};
    if (index == -1)
        index = 0;
    if (index < 0 || index >= static_cast<int>(sizeof chars))
        return std::nullopt;
    return chars[index];
}

ToolResult SubstituteTool(const EditText& in, int findItem, int putItem)
{
    std::optional<char> find = FindCharOfItem(findItem);
    std::optional<char> put = PutCharOfItem(putItem);
    if (!find || !put) {
        ToolResult r = Unchanged(in);
        r.beep = true;
        return r;
    }
    NameExt parts = SplitNameExt(in.text);
    Replaced rep = ReplaceChar(parts.name, *find, *put);
    ToolResult r;
    if (rep.count > 0) {
        r = SetText(rep.text + parts.ext);
    } else {
        r = Unchanged(in);
        r.beep = true;
    }
    r.counter = "Caratteri sostituiti = " + std::to_string(rep.count);
    return r;
}

ToolResult LetterCaseTool(const EditText& in, CaseButton which)
{
    NameExt parts = SplitNameExt(in.text);
    std::string name;
    switch (which) {
    case CaseButton::Upper: name = UpperAscii(parts.name); break;
    case CaseButton::FirstUpper: name = FirstUpper(parts.name); break;
    case CaseButton::Lower: name = LowerAscii(parts.name); break;
    }
    return SetText(name + parts.ext);
}

ToolResult AddCDTool(const EditText& in, CDChoice cd)
{
    NameExt parts = SplitNameExt(in.text);
    std::string_view tail = std::string_view(parts.name).substr(LastCharsStart(parts.name, 3));
    if (tail.substr(0, 2) == "CD") {
        ToolResult r = Unchanged(in);
        r.error = std::string(kCDPresentText);
        return r;
    }
    return SetText(parts.name + std::string(CDMarkerOf(cd)) + parts.ext);
}

ToolResult FixSelectionTool(const EditText& in, CDChoice cd)
{
    Sel sel = ClampSel(in);
    if (sel.length == 0)
        return Unchanged(in);
    std::string marker(CDMarkerOf(cd));
    std::string text = in.text.substr(0, sel.start) + marker + in.text.substr(sel.start + sel.length);
    return SetText(std::move(text), sel.start + marker.size());
}

ToolResult MakeNameTool(const EditText& in, CDChoice cd)
{
    std::string ext = LowerAscii(SplitNameExt(in.text).ext);
    Sel sel = ClampSel(in);
    if (sel.length == 0) {
        ToolResult r = Unchanged(in);
        r.beep = true;
        return r;
    }
    return SetText(in.text.substr(sel.start, sel.length) + std::string(CDMarkerOf(cd)) + ext);
}

std::string JoinPath(const std::string& folder, const std::string& name) { return folder + PathDelim + name; }

int RenameInFolder(const std::string& folder, const std::string& oldName, const std::string& newName)
{
    // On Windows "\" is not allowed in a name and the rename fails; here the
    // separator would move the item into another folder.
    if (newName.empty() || newName == "." || newName == ".." || newName.find('/') != std::string::npos ||
        newName.find('\0') != std::string::npos)
        return EINVAL;
    return RenameNoReplace(JoinPath(folder, oldName), JoinPath(folder, newName));
}

} // namespace vt
