#pragma once
// The headers of many files at once, for the resolution pass of the media
// scan: the same 72-byte reads as ReadAviHeader, with the same outcome for
// every file (72 bytes read, or a failure), but submitted in batches
// through io_uring, so that a medium of tens of thousands of titles costs a
// few hundred system calls rather than three per file. Where io_uring is
// not available (an old kernel, a sandbox that forbids it) the files are
// read one by one with ReadAviHeader.
#include <string>
#include <vector>

#include "media/AviHeader.h"

namespace vt {

struct HeaderResult {
    bool ok = false;
    TAviHeader header;
};

// One result per path, in order. `allowRing` false forces the one-by-one
// reads (tests compare both ways).
std::vector<HeaderResult> ReadAviHeaders(const std::vector<std::string>& paths, bool allowRing = true);

} // namespace vt
