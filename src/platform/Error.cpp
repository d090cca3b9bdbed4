#include "platform/Error.h"

#include <cerrno>
#include <cstring>

namespace vt {

std::string SystemErrorText(int err)
{
    // strerror_r in its GNU form may or may not use the buffer.
    char buf[256];
    const char* text = strerror_r(err, buf, sizeof buf);
    return text;
}

void ThrowSystemError(int err, const std::string& path)
{
    if (err == ENOENT)
        throw PlatformError(path.empty() ? "File not found" : "File not found: " + path);
    std::string text = SystemErrorText(err);
    if (!path.empty())
        text += ": " + path;
    throw PlatformError(text);
}

} // namespace vt
