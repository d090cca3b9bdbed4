#include "media/AviHeader.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

#include "platform/Error.h"

namespace vt {

namespace {

// Closes the descriptor however the read ends.
struct FdCloser {
    int fd;
    ~FdCloser() { close(fd); }
};

} // namespace

void ReadAviHeader(const std::string& path, TAviHeader& header)
{
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        ThrowSystemError(errno);
    FdCloser closer{fd};
    std::size_t got = 0;
    while (got < kAviHeaderSize) {
        ssize_t n = read(fd, header.bytes.data() + got, kAviHeaderSize - got);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ThrowSystemError(errno);
        }
        if (n == 0)
            throw PlatformError("Read beyond end of file");
        got += static_cast<std::size_t>(n);
    }
}

std::string ResolutionText(const TAviHeader& header)
{
    return std::to_string(header.Width()) + " x " + std::to_string(header.Height());
}

} // namespace vt
