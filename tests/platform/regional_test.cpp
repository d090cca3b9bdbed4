#include <gtest/gtest.h>

#include "platform/DateTime.h"
#include "platform/Error.h"
#include "platform/Regional.h"

using namespace vt;

TEST(Regional, FloatToStrGeneralFormat)
{
    const auto& it = ItalianFormat();
    struct Case { double v; const char* text; } cases[] = {
        {0, "0"},           {10, "10"},         {12.5, "12,5"},     {2.5, "2,5"},
        {0.0001, "0,0001"}, {0.00005, "5E-5"},  {0.000005, "5E-6"}, {0.00001, "1E-5"},
        {1e15, "1E15"},     {123456789012345.0, "123456789012345"}, {-3.25, "-3,25"},
        {1.0 / 3, "0,333333333333333"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FloatToStr(c.v, it), c.text) << c.v;
    EXPECT_EQ(FloatToStr(12.5, PeriodFormat()), "12.5");
}

TEST(Regional, StrToFloatAndIntAcceptOnlyNumbers)
{
    const auto& it = ItalianFormat();
    EXPECT_DOUBLE_EQ(StrToFloat("12,5", it), 12.5);
    EXPECT_DOUBLE_EQ(StrToFloat(" 10 ", it), 10);
    EXPECT_DOUBLE_EQ(StrToFloat("1E3", it), 1000);
    for (const char* bad : {"", "12.5", "abc", "1,2,3", ",", "1E"})
        EXPECT_THROW(StrToFloat(bad, it), PlatformError) << bad;
    try {
        StrToFloat("abc", it);
    } catch (const PlatformError& e) {
        EXPECT_STREQ(e.what(), "'abc' is not a valid floating point value");
    }
    EXPECT_EQ(StrToInt("-1"), -1);
    EXPECT_EQ(StrToInt(" 42"), 42);
    EXPECT_EQ(StrToInt("2147483647"), 2147483647);
    for (const char* bad : {"", "x", "1.0", "2147483648", "1 "})
        EXPECT_THROW(StrToInt(bad), PlatformError) << bad;
}

TEST(Regional, FixedAndThousands)
{
    const auto& it = ItalianFormat();
    EXPECT_EQ(FormatFixed(3.14159, 2, 3, it), "3,14");
    EXPECT_EQ(FormatFixed(5, 1, 5, it), "  5,0");
    EXPECT_EQ(FormatNumber(117738, 0, 6, it), "117.738");
    EXPECT_EQ(FormatNumber(1234.567, 2, 4, it), "1.234,57");
    EXPECT_EQ(FormatNumber(12, 0, 6, it), "    12");
    EXPECT_EQ(FormatNumber(1234567, 0, 0, PeriodFormat()), "1,234,567");
}

TEST(DateTimeTest, EncodeFormatParse)
{
    const auto& it = ItalianFormat();
    DateTime d = EncodeDate(2009, 9, 14);
    EXPECT_DOUBLE_EQ(d, 40070);
    EXPECT_DOUBLE_EQ(EncodeDate(1899, 12, 30), 0);
    EXPECT_EQ(DateToStr(d, it), "14/09/2009");
    EXPECT_EQ(FormatDateTime("dd-mmm-yyyy", d, it), "14-set-2009");
    EXPECT_EQ(FormatDateTime("yyyy-mm-dd", d, it), "2009-09-14");
    EXPECT_DOUBLE_EQ(StrToDate("14/09/2009", it), d);
    EXPECT_DOUBLE_EQ(StrToDate("1/2/2009", it), EncodeDate(2009, 2, 1));
    for (const char* bad : {"31/02/2009", "", "14-09-2009", "14/09", "aa/bb/cccc", "14/09/209"})
        EXPECT_THROW(StrToDate(bad, it), PlatformError) << bad;
    DateParts p = DecodeDateTime(d + 0.5);
    EXPECT_EQ(p.hour, 12);
    EXPECT_EQ(p.day, 14);
}
