#pragma once
// The copy job's stopwatch: 55 ms ticks of a millisecond clock, and the
// arithmetic that turns elapsed ticks into whole seconds. The pieces are
// pure functions so that the figures can be checked without waiting.
#include <cstdint>
#include <string>

namespace vt {

constexpr std::uint32_t kTickMs = 55;
// What the elapsed count assumes the tick counter wrapped at.
constexpr std::int32_t kTickWrap = 39045157;

// Ticks of a millisecond reading: the low 32 bits of the milliseconds,
// divided by 55.
std::uint32_t TicksFromMs(std::uint64_t ms);
// Ticks now, from the steady clock (never jumps with the wall clock).
std::uint32_t CurrentTicks();
// Ticks from `start` to `now`; a `now` below `start` (signed comparison)
// means the counter wrapped.
std::int32_t ElapsedTicks(std::uint32_t start, std::uint32_t now);
// Whole seconds of an elapsed tick count, rounded to about the nearest
// second: ((ticks + 9) * 92) div 1675, in 32-bit arithmetic.
std::int32_t SecsFromTicks(std::int32_t ticks);
// "HH:MM:SS", each at least two digits ("100:00:00" after 100 hours).
std::string FormatHMS(std::uint32_t secs);

} // namespace vt
