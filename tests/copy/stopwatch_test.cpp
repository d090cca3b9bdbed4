#include <gtest/gtest.h>

#include "copy/Stopwatch.h"

namespace {

TEST(CopyStopwatch, SecondsOfElapsedTicks)
{
    struct Case {
        int fromTicks, toTicks, secs;
    } cases[] = {{0, 9, 0}, {10, 27, 1}, {28, 28, 2}, {1000, 1000, 55}, {1675 * 10, 1675 * 10, 920}};
    for (const auto& c : cases)
        for (int t = c.fromTicks; t <= c.toTicks; ++t)
            EXPECT_EQ(vt::SecsFromTicks(t), c.secs) << "ticks " << t;
}

TEST(CopyStopwatch, TicksAndTheWrap)
{
    EXPECT_EQ(vt::TicksFromMs(54), 0u);
    EXPECT_EQ(vt::TicksFromMs(55), 1u);
    // Only the low 32 bits of the milliseconds count.
    EXPECT_EQ(vt::TicksFromMs((std::uint64_t{1} << 32) + 110), 2u);
    EXPECT_EQ(vt::TicksFromMs(0xFFFFFFFFu), 78090314u);

    EXPECT_EQ(vt::ElapsedTicks(100, 100), 0);
    EXPECT_EQ(vt::ElapsedTicks(100, 1100), 1000);
    // A reading below the start means the counter wrapped.
    EXPECT_EQ(vt::ElapsedTicks(39045150, 10), 17);
    EXPECT_EQ(vt::ElapsedTicks(1000, 0), 39045157 - 1000);
}

TEST(CopyStopwatch, FormatHMS)
{
    EXPECT_EQ(vt::FormatHMS(0), "00:00:00");
    EXPECT_EQ(vt::FormatHMS(3725), "01:02:05");
    EXPECT_EQ(vt::FormatHMS(360000), "100:00:00");
    EXPECT_EQ(vt::FormatHMS(59 * 60 + 59), "00:59:59");
}

} // namespace
