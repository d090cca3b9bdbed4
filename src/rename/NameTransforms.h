#pragma once
// The text rules of file names shared by the title key and both rename
// windows: the split into name part and extension, the letter-case changes,
// the character substitutions and the CD/DVD markers.
//
// Names are UTF-8 and handled byte by byte: only the 26 ASCII letters ever
// change case, and every byte above 127 stays as it is, so a multi-byte
// character is never split or altered. Positions and "characters" below are
// bytes; every rule looks only at ASCII characters, so this is exact.
// None of these functions fails.
#include <string>
#include <string_view>

namespace vt {

// The markers, always written exactly like this, each with a leading blank.
inline constexpr std::string_view MarkCD1 = " - CD1";
inline constexpr std::string_view MarkCD2 = " - CD2";
inline constexpr std::string_view MarkDVD = " [DVD]";

struct NameExt {
    std::string name; // everything before the extension
    std::string ext;  // from the last "." to the end, the dot included; may be empty
};

// The extension is the text from the last "." that stands after the last
// path separator ("/", and "\" and ":" of names written on Windows) to the
// end. "The.Matrix.avi" gives "The.Matrix" + ".avi"; "Mr. Smith" gives "Mr"
// + ". Smith"; "Titolo" has no extension.
NameExt SplitNameExt(std::string_view fileName);

std::string UpperAscii(std::string_view s);
std::string LowerAscii(std::string_view s);
// The whole text lowered, then its first character raised: "il PADRINO"
// gives "Il padrino".
std::string FirstUpper(std::string_view s);

struct Replaced {
    std::string text;
    int count = 0; // characters replaced, a character put in place of itself included
};
Replaced ReplaceChar(std::string_view s, char find, char put);

// Every "." and "_" becomes a blank.
std::string DotsToSpaces(std::string_view s);

// 0, 1 or 2: the CD number carried by the first "CD" of the text (any
// letter case), read from the two characters after it; a "1" in either
// place wins over a "2".
int CDNumber(std::string_view s);

// The text before the first "CD" (any letter case), without the blanks and
// hyphens that end it; letter case kept. A text without "CD" has nothing
// before a marker and gives an empty string.
std::string CDTitlePart(std::string_view s);

} // namespace vt
