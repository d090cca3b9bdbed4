#include "platform/DateTime.h"

#include <chrono>
#include <cmath>
#include <cstdio>

#include "platform/Error.h"

namespace vt {

namespace {

using namespace std::chrono;

constexpr sys_days kEpoch = sys_days{year{1899} / December / 30};

std::string Two(int v)
{
    char b[16];
    std::snprintf(b, sizeof b, "%02d", v);
    return b;
}

} // namespace

bool IsValidDate(int y, int m, int d)
{
    if (y < 1 || y > 9999)
        return false;
    return year_month_day{year{y}, month{static_cast<unsigned>(m)}, day{static_cast<unsigned>(d)}}.ok();
}

DateTime EncodeDate(int y, int m, int d)
{
    if (!IsValidDate(y, m, d))
        throw PlatformError("Invalid argument to date encode");
    auto days = sys_days{year{y} / month{static_cast<unsigned>(m)} / day{static_cast<unsigned>(d)}} - kEpoch;
    return static_cast<double>(days.count());
}

DateTime EncodeDateTime(const DateParts& p)
{
    double date = EncodeDate(p.year, p.month, p.day);
    double frac = (p.hour * 3600000.0 + p.minute * 60000.0 + p.second * 1000.0 + p.msec) / 86400000.0;
    // Dates before the epoch count the fraction away from zero, as the
    // original runtime does.
    return date >= 0 ? date + frac : date - frac;
}

DateParts DecodeDateTime(DateTime dt)
{
    double whole = std::trunc(dt);
    double frac = std::fabs(dt - whole);
    long long ms = std::llround(frac * 86400000.0);
    if (ms >= 86400000LL)
        ms = 86400000LL - 1;
    sys_days sd = kEpoch + days{static_cast<long long>(whole)};
    year_month_day ymd{sd};
    DateParts p;
    p.year = static_cast<int>(ymd.year());
    p.month = static_cast<int>(static_cast<unsigned>(ymd.month()));
    p.day = static_cast<int>(static_cast<unsigned>(ymd.day()));
    p.hour = static_cast<int>(ms / 3600000);
    p.minute = static_cast<int>(ms / 60000 % 60);
    p.second = static_cast<int>(ms / 1000 % 60);
    p.msec = static_cast<int>(ms % 1000);
    return p;
}

DateTime FromTimeT(std::time_t t)
{
    std::tm tm{};
    localtime_r(&t, &tm);
    DateParts p{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec, 0};
    return EncodeDateTime(p);
}

DateTime Now()
{
    struct timespec ts {};
    clock_gettime(CLOCK_REALTIME, &ts);
    std::tm tm{};
    localtime_r(&ts.tv_sec, &tm);
    DateParts p{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec,
                static_cast<int>(ts.tv_nsec / 1000000)};
    return EncodeDateTime(p);
}

std::string FormatDateTime(std::string_view pat, DateTime dt, const FormatSettings& fs)
{
    DateParts p = DecodeDateTime(dt);
    std::string out;
    std::size_t i = 0;
    auto run = [&](char c) {
        std::size_t n = 0;
        while (i + n < pat.size() && (pat[i + n] | 0x20) == c)
            ++n;
        return n;
    };
    while (i < pat.size()) {
        char c = static_cast<char>(pat[i] | 0x20);
        std::size_t n = (c == 'd' || c == 'm' || c == 'y' || c == 'h' || c == 'n' || c == 's') ? run(c) : 0;
        switch (n ? c : '\0') {
        case 'd': out += n >= 2 ? Two(p.day) : std::to_string(p.day); break;
        case 'm':
            if (n >= 3)
                out += fs.shortMonthNames[static_cast<std::size_t>(p.month - 1)];
            else
                out += n == 2 ? Two(p.month) : std::to_string(p.month);
            break;
        case 'y':
            if (n >= 3) {
                char b[16];
                std::snprintf(b, sizeof b, "%04d", p.year);
                out += b;
            } else {
                out += Two(p.year % 100);
            }
            break;
        case 'h': out += n >= 2 ? Two(p.hour) : std::to_string(p.hour); break;
        case 'n': out += n >= 2 ? Two(p.minute) : std::to_string(p.minute); break;
        case 's': out += n >= 2 ? Two(p.second) : std::to_string(p.second); break;
        default:
            out += pat[i];
            n = 1;
            break;
        }
        i += n;
    }
    return out;
}

std::string DateToStr(DateTime dt, const FormatSettings& fs)
{
    return FormatDateTime(fs.shortDateFormat, dt, fs);
}

bool TryStrToDate(std::string_view text, const FormatSettings& fs, DateTime& out)
{
    std::string_view s = text;
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    int parts[3] = {0, 0, 0};
    int lens[3] = {0, 0, 0};
    int k = 0;
    for (char c : s) {
        if (c == fs.dateSeparator) {
            if (++k > 2)
                return false;
        } else if (c >= '0' && c <= '9') {
            if (++lens[k] > 4)
                return false;
            parts[k] = parts[k] * 10 + (c - '0');
        } else {
            return false;
        }
    }
    if (k != 2 || lens[0] == 0 || lens[0] > 2 || lens[1] == 0 || lens[1] > 2 || (lens[2] != 2 && lens[2] != 4))
        return false;
    int y = parts[2];
    if (lens[2] == 2) {
        // Two-digit years: the century that puts the year within 50 years
        // of the current one.
        int thisYear = DecodeDateTime(Now()).year;
        int century = thisYear - thisYear % 100;
        y += century;
        if (y > thisYear + 50)
            y -= 100;
        else if (y <= thisYear - 50)
            y += 100;
    }
    if (!IsValidDate(y, parts[1], parts[0]))
        return false;
    out = EncodeDate(y, parts[1], parts[0]);
    return true;
}

DateTime StrToDate(std::string_view text, const FormatSettings& fs)
{
    DateTime dt = 0;
    if (!TryStrToDate(text, fs, dt))
        throw PlatformError("'" + std::string(text) + "' is not a valid date");
    return dt;
}

} // namespace vt
