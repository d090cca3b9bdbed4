#pragma once
// Regional formats. The program always uses the Italian ones, whatever the
// machine's locale, because its archives come from Italian systems; every
// formatter still takes the settings as a parameter, so that tests can use
// the period of the English examples as well.
//
// All conversions here are locale-independent (std::to_chars/from_chars):
// Qt sets the C locale from the environment at start, and printf/strtod would
// then follow whatever the machine's LC_NUMERIC says.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vt {

struct FormatSettings {
    char decimalSeparator = ',';
    char thousandSeparator = '.';
    char dateSeparator = '/';
    std::string shortDateFormat = "dd/mm/yyyy";
    std::array<std::string, 12> shortMonthNames{"gen", "feb", "mar", "apr", "mag", "giu",
                                                "lug", "ago", "set", "ott", "nov", "dic"};
};

// The Italian formats the program runs with.
const FormatSettings& ItalianFormat();
// Italian formats with "." as decimal and "," as thousands separator: the
// notation of the examples, for tests.
FormatSettings PeriodFormat();

// Text to number, as the original runtime converts it: blanks around the
// number are allowed, the decimal separator is the format's, an exponent
// "E5"/"e-3" is allowed, nothing else. Throws PlatformError
// "'<text>' is not a valid floating point value".
double StrToFloat(std::string_view text, const FormatSettings& fs);
// Decimal 32-bit integer, optional sign and leading blanks. Throws
// PlatformError "'<text>' is not a valid integer value".
std::int32_t StrToInt(std::string_view text);
// Same rules, false instead of an error.
bool TryStrToInt(std::string_view text, std::int32_t& out);
bool TryStrToFloat(std::string_view text, const FormatSettings& fs, double& out);

// General floating format: up to 15 significant digits, trailing zeros
// dropped; fixed notation from 0.0001 up to 15 integer digits, otherwise
// scientific with the shortest exponent ("5E-6", "1E15"). 0 gives "0".
std::string FloatToStr(double value, const FormatSettings& fs);

// printf "%<width>.<decimals>f" with the format's decimal separator.
std::string FormatFixed(double value, int decimals, int width, const FormatSettings& fs);

// printf-like "%<width>.<decimals>n": fixed notation with thousands separators.
std::string FormatNumber(double value, int decimals, int width, const FormatSettings& fs);

// printf "%<width>d".
std::string FormatInt(long long value, int width);

} // namespace vt
