#pragma once
// Text inside the program is UTF-8. Files written by the Windows programs
// (films.txt, an old VT_CFG.cfg) are Windows-1252; they are taken as UTF-8
// when they are valid UTF-8 and converted from Windows-1252 otherwise.
#include <string>
#include <string_view>

namespace vt {

bool IsValidUtf8(std::string_view bytes);
std::string Windows1252ToUtf8(std::string_view bytes);
// UTF-8 as it is when valid, else the Windows-1252 reading of the bytes.
std::string DecodeLegacyText(std::string_view bytes);

} // namespace vt
