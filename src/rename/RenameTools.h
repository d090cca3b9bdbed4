#pragma once
// The tools of the single rename dialog as plain functions. Each takes the
// text of the new-name edit with its selection and the state of the two CD
// radio buttons, and tells what the edit gets, whether to beep or which
// error box to show, and where the selection goes; the dialog only applies
// the answer to its controls.
//
// Texts are UTF-8 and positions count bytes; the dialog converts the edit's
// selection to bytes and back.
#include <optional>
#include <string>
#include <string_view>

namespace vt {

// The CD radio buttons: at most one is on.
enum class CDChoice { None, CD1, CD2 };

// The text of the edit and its selection.
struct EditText {
    std::string text;
    int selStart = 0;  // bytes before the selection
    int selLength = 0; // bytes selected
};

struct ToolResult {
    bool setText = false; // the edit receives edit.text (the Undo button becomes enabled)
    EditText edit;        // text and selection after the tool
    bool beep = false;
    std::string error;                  // text of an error box; empty: none
    std::optional<std::string> counter; // new text of the substitution counter
};

inline constexpr std::string_view kCDPresentText = "CDx già presente";
inline constexpr std::string_view kRenameFailedText = "Rinomina fallita !";
inline constexpr std::string_view kCounterStartText = "Sostituiti...";

// The radio button that the current name turns on at opening, from its CD
// number.
CDChoice CDChoiceOf(std::string_view currentName);
// The marker the CD tools write: "", " - CD1" or " - CD2".
std::string_view CDMarkerOf(CDChoice cd);

// The items of the two substitution combo boxes, in order.
inline constexpr std::string_view kFindItems[] = {"punto .", "trattino -", "sottolineatura _", "percentuale %", "spazio"};
inline constexpr std::string_view kPutItems[] = {"spazio", "sottolineatura _", "trattino -"};
// The character of a combo box's item; -1 (the user typed over the text)
// counts as item 0, an index past the items gives none.
std::optional<char> FindCharOfItem(int index);
std::optional<char> PutCharOfItem(int index);

// "Sostituisci": the character of findItem by that of putItem in the name
// part; the extension is never touched.
ToolResult SubstituteTool(const EditText& in, int findItem, int putItem);

// The three letter-case buttons: the name part changed, the extension kept.
enum class CaseButton { Upper, FirstUpper, Lower };
ToolResult LetterCaseTool(const EditText& in, CaseButton which);

// "Aggiungi": the CD marker after the name part, unless the name part ends
// in "CD" and one more character.
ToolResult AddCDTool(const EditText& in, CDChoice cd);

// "Sistema selezione": the selected text replaced by the CD marker (removed
// when no radio button is on). Works on the whole text.
ToolResult FixSelectionTool(const EditText& in, CDChoice cd);

// "Crea Nome": the selected text, the CD marker, the extension in lower case.
ToolResult MakeNameTool(const EditText& in, CDChoice cd);

// folder + "/" + name, as plain text ("/" gives "//name", which is harmless).
std::string JoinPath(const std::string& folder, const std::string& name);

// Renames folder/oldName to folder/newName, never replacing another item; a
// change of letter case alone renames the item. 0 on success, else an errno
// value; EINVAL when the new name is not a plain name of the folder (empty,
// "." or "..", or holding "/" or a NUL byte), so a typed name can never move
// the item elsewhere.
int RenameInFolder(const std::string& folder, const std::string& oldName, const std::string& newName);

} // namespace vt
