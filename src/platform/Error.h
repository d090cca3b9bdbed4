#pragma once
// The one error type of the platform layer. An input/output or conversion
// failure ("Read beyond end of file", "File not found", a number that does
// not convert) is thrown as a PlatformError carrying the text the user sees.
// Window handlers run inside RunGuarded (UiServices.h), which shows it in the
// standard error box; the CLI prints it on stderr and exits with 1.
#include <stdexcept>
#include <string>

namespace vt {

class PlatformError : public std::runtime_error {
public:
    explicit PlatformError(const std::string& message) : std::runtime_error(message) {}
};

// Text of errno value `err`, as the system words it.
std::string SystemErrorText(int err);

// Throws PlatformError with the system's text for `err`. When `path` is not
// empty it is named in the message so the user knows which file failed.
[[noreturn]] void ThrowSystemError(int err, const std::string& path = {});

} // namespace vt
