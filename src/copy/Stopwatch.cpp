#include "copy/Stopwatch.h"

#include <chrono>
#include <cstdio>

namespace vt {

std::uint32_t TicksFromMs(std::uint64_t ms) { return static_cast<std::uint32_t>(ms) / kTickMs; }

std::uint32_t CurrentTicks()
{
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
    return TicksFromMs(static_cast<std::uint64_t>(ms.count()));
}

std::int32_t ElapsedTicks(std::uint32_t start, std::uint32_t now)
{
    // Unsigned arithmetic wraps where 32-bit signed arithmetic would; the
    // result is taken back as signed.
    if (static_cast<std::int32_t>(now) >= static_cast<std::int32_t>(start))
        return static_cast<std::int32_t>(now - start);
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(kTickWrap) - start + now);
}

std::int32_t SecsFromTicks(std::int32_t ticks)
{
    const std::uint32_t product = (static_cast<std::uint32_t>(ticks) + 9u) * 92u;
    return static_cast<std::int32_t>(product) / 1675;
}

std::string FormatHMS(std::uint32_t secs)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02u:%02u:%02u", secs / 3600, (secs / 60) % 60, secs % 60);
    return buf;
}

} // namespace vt
