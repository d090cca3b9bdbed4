#pragma once
// Date-time values as the program keeps them: days since 30 December 1899,
// the time of day as the fraction. File dates are local time.
#include <ctime>
#include <string>
#include <string_view>

#include "platform/Regional.h"

namespace vt {

using DateTime = double;

struct DateParts {
    int year = 1899, month = 12, day = 30;
    int hour = 0, minute = 0, second = 0, msec = 0;
};

bool IsValidDate(int year, int month, int day);
// Throws PlatformError for a day that does not exist.
DateTime EncodeDate(int year, int month, int day);
DateTime EncodeDateTime(const DateParts& p);
DateParts DecodeDateTime(DateTime dt);

// A time_t as local date-time; the local time zone of the machine.
DateTime FromTimeT(std::time_t t);
DateTime Now();

// Format patterns of the original runtime: d dd m mm mmm yy yyyy h hh n nn
// s ss; any other character stands for itself ("dd/mm/yyyy", "dd-mmm-yyyy").
std::string FormatDateTime(std::string_view pattern, DateTime dt, const FormatSettings& fs);
// The short date format of the settings ("dd/mm/yyyy").
std::string DateToStr(DateTime dt, const FormatSettings& fs);

// Text in the short date order day, month, year with the date separator:
// one or two digits for day and month, two or four for the year (two-digit
// years fall within 50 years of this one). Throws PlatformError
// "'<text>' is not a valid date" for any other text or a day that does not
// exist.
DateTime StrToDate(std::string_view text, const FormatSettings& fs);
bool TryStrToDate(std::string_view text, const FormatSettings& fs, DateTime& out);

// Whole local day of a date-time (the integer part).
inline long long WholeDay(DateTime dt) { return static_cast<long long>(dt); }

} // namespace vt
