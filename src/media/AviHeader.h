#pragma once
// The frame size of an AVI file, taken from the first 72 bytes: width and
// height are the signed 32-bit little-endian integers at bytes 64 and 68
// (dwWidth and dwHeight of the main AVI header, which comes first in a
// standard file). No signature is tested: any file of 72 bytes or more
// yields a width and a height.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace vt {

constexpr std::size_t kAviHeaderSize = 72;

struct TAviHeader {
    std::array<std::uint8_t, kAviHeaderSize> bytes{};

    std::int32_t Width() const { return Int32At(64); }
    std::int32_t Height() const { return Int32At(68); }

private:
    std::int32_t Int32At(std::size_t at) const
    {
        std::uint32_t v = static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
                          static_cast<std::uint32_t>(bytes[at + 2]) << 16 |
                          static_cast<std::uint32_t>(bytes[at + 3]) << 24;
        return static_cast<std::int32_t>(v);
    }
};

// Reads exactly the first 72 bytes of the file at `path` into `header`.
// The file is opened read-only (Linux lets other programs read and write it
// meanwhile) and non-blocking, so a FIFO that happens to carry an ".avi"
// name fails instead of hanging the program; it is closed in every case.
// Throws PlatformError: "Read beyond end of file" for a shorter file,
// "File not found", or the system's text for any other failure. A failed
// read may leave `header` partly overwritten: callers use it only after a
// successful read.
void ReadAviHeader(const std::string& path, TAviHeader& header);

// "640 x 480": the resolution text of the media titles.
std::string ResolutionText(const TAviHeader& header);

} // namespace vt
