#include "platform/Regional.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

#include "platform/Error.h"

namespace vt {

const FormatSettings& ItalianFormat()
{
    static const FormatSettings fs{};
    return fs;
}

FormatSettings PeriodFormat()
{
    FormatSettings fs;
    fs.decimalSeparator = '.';
    fs.thousandSeparator = ',';
    return fs;
}

namespace {

std::string_view TrimBlanks(std::string_view s)
{
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

std::string PadLeft(std::string s, int width)
{
    if (width > 0 && static_cast<int>(s.size()) < width)
        s.insert(0, static_cast<std::size_t>(width) - s.size(), ' ');
    return s;
}

} // namespace

bool TryStrToFloat(std::string_view text, const FormatSettings& fs, double& out)
{
    std::string_view s = TrimBlanks(text);
    // Rebuild the number in the notation from_chars reads, checking its
    // shape on the way: [sign] digits [sep digits] [E [sign] digits].
    std::string norm;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-')
            norm += '-';
        ++i;
    }
    int mantDigits = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
        norm += s[i++];
        ++mantDigits;
    }
    if (i < s.size() && s[i] == fs.decimalSeparator) {
        norm += '.';
        ++i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
            norm += s[i++];
            ++mantDigits;
        }
    }
    if (mantDigits == 0)
        return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        norm += 'e';
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            norm += s[i++];
        int expDigits = 0;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
            norm += s[i++];
            ++expDigits;
        }
        if (expDigits == 0)
            return false;
    }
    if (i != s.size())
        return false;
    double v = 0;
    auto [p, ec] = std::from_chars(norm.data(), norm.data() + norm.size(), v);
    if (ec != std::errc() || p != norm.data() + norm.size())
        return false;
    out = v;
    return true;
}

double StrToFloat(std::string_view text, const FormatSettings& fs)
{
    double v = 0;
    if (!TryStrToFloat(text, fs, v))
        throw PlatformError("'" + std::string(text) + "' is not a valid floating point value");
    return v;
}

bool TryStrToInt(std::string_view text, std::int32_t& out)
{
    std::string_view s = text;
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    bool neg = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        neg = s.front() == '-';
        s.remove_prefix(1);
    }
    if (s.empty())
        return false;
    long long v = 0;
    for (char c : s) {
        if (c < '0' || c > '9')
            return false;
        v = v * 10 + (c - '0');
        if (v > 2147483648LL)
            return false;
    }
    if (neg)
        v = -v;
    if (v > 2147483647LL || v < -2147483648LL)
        return false;
    out = static_cast<std::int32_t>(v);
    return true;
}

std::int32_t StrToInt(std::string_view text)
{
    std::int32_t v = 0;
    if (!TryStrToInt(text, v))
        throw PlatformError("'" + std::string(text) + "' is not a valid integer value");
    return v;
}

std::string FloatToStr(double value, const FormatSettings& fs)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value > 0 ? "INF" : "-INF";
    if (value == 0)
        return "0";
    // 15 significant digits, correctly rounded: d.dddddddddddddde±x
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
    std::string sci(buf, res.ptr);
    bool neg = sci[0] == '-';
    if (neg)
        sci.erase(0, 1);
    std::size_t ePos = sci.find('e');
    int exp10 = std::atoi(sci.c_str() + ePos + 1); // value = d.ddd × 10^exp10
    std::string digits;
    for (std::size_t k = 0; k < ePos; ++k)
        if (sci[k] != '.')
            digits += sci[k];
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out = neg ? "-" : "";
    if (exp10 < -4 || exp10 >= 15) {
        out += digits[0];
        if (digits.size() > 1) {
            out += fs.decimalSeparator;
            out += digits.substr(1);
        }
        out += 'E';
        if (exp10 < 0)
            out += '-';
        out += std::to_string(std::abs(exp10));
        return out;
    }
    if (exp10 < 0) {
        out += '0';
        out += fs.decimalSeparator;
        out += std::string(static_cast<std::size_t>(-exp10 - 1), '0');
        out += digits;
        return out;
    }
    auto intLen = static_cast<std::size_t>(exp10 + 1);
    if (digits.size() <= intLen) {
        out += digits + std::string(intLen - digits.size(), '0');
    } else {
        out += digits.substr(0, intLen);
        out += fs.decimalSeparator;
        out += digits.substr(intLen);
    }
    return out;
}

std::string FormatFixed(double value, int decimals, int width, const FormatSettings& fs)
{
    char buf[400];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
    std::string s(buf, res.ptr);
    for (char& c : s)
        if (c == '.')
            c = fs.decimalSeparator;
    return PadLeft(std::move(s), width);
}

std::string FormatNumber(double value, int decimals, int width, const FormatSettings& fs)
{
    char buf[400];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
    std::string s(buf, res.ptr);
    std::string sign;
    if (!s.empty() && s[0] == '-') {
        sign = "-";
        s.erase(0, 1);
    }
    std::size_t dot = s.find('.');
    std::string intPart = s.substr(0, dot);
    std::string frac = dot == std::string::npos ? "" : s.substr(dot + 1);
    std::string grouped;
    int n = 0;
    for (auto it = intPart.rbegin(); it != intPart.rend(); ++it) {
        if (n > 0 && n % 3 == 0)
            grouped.insert(grouped.begin(), fs.thousandSeparator);
        grouped.insert(grouped.begin(), *it);
        ++n;
    }
    std::string out = sign + grouped;
    if (!frac.empty())
        out += fs.decimalSeparator + frac;
    return PadLeft(std::move(out), width);
}

std::string FormatInt(long long value, int width)
{
    return PadLeft(std::to_string(value), width);
}

} // namespace vt
