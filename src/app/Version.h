#pragma once
#include <string>

namespace vt {

// "%2d.%2d.%2d" of major, minor and release: 5.0.3 gives " 5. 0. 3".
std::string FormatVersionText(int major, int minor, int release);
// The version compiled into this build, formatted as above.
std::string GetVersionText();

// The main window's caption: its design text followed by the version.
inline constexpr const char* kCaptionPrefix = "Vantaro - Quadrel (2006-09) - Ver. ";
std::string MainCaption();

} // namespace vt
