#include "app/Version.h"

#include <cstdio>

#include "BuildVersion.h"

namespace vt {

std::string FormatVersionText(int major, int minor, int release)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%2d.%2d.%2d", major, minor, release);
    return buf;
}

std::string GetVersionText()
{
    return FormatVersionText(VT_VERSION_MAJOR, VT_VERSION_MINOR, VT_VERSION_PATCH);
}

std::string MainCaption() { return kCaptionPrefix + GetVersionText(); }

} // namespace vt
