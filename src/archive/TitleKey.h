#pragma once
// The two ways a file name is compared with a title: the smart title key,
// which keeps only letters and digits and leaves the "[DVD]" and "CD1"
// markers out, and the exact lookup of a name, letter case ignored.
#include <cstdint>
#include <string>
#include <string_view>

namespace vt {

class FilmArchive;

// The key of a name: the characters 0-9 and A-Z of its upper-cased name
// part, after the first "[DVD]" and then the first "CD1" were taken out,
// followed by the upper-cased extension as it is (dot and all).
// "Il Gladiatore [DVD] - CD1.avi" gives "ILGLADIATORE.AVI". Never fails.
std::string SmartTitleKey(std::string_view name);

// Record number of the first archive title whose titolo equals the name,
// ASCII letter case ignored; -1 when there is none.
std::int32_t FindFilmByName(const FilmArchive& archive, std::string_view name);

} // namespace vt
