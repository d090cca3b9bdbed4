#pragma once
#include "support/TestSupport.h"
// Helpers of the media tests: the header fixtures of tests/data/media and
// files with a given size and date in a temporary tree.
#include <ctime>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "../selection/TempTree.h"
#include "platform/Files.h"

namespace vt::test {

inline std::string MediaData(const std::string& name) { return std::string(VT_TEST_DATA) + "/media/" + name; }

// Copies a header fixture to `to`.
inline void CopyFixture(const std::string& fixture, const std::string& to)
{
    const std::string bytes = ReadWholeFile(MediaData(fixture));
    std::ofstream(to, std::ios::binary) << bytes;
}

// A file of `bytes` bytes, sparse beyond what it holds.
inline void SizedFile(const std::string& path, long long bytes)
{
    std::ofstream(path, std::ios::binary).close();
    if (truncate(path.c_str(), bytes) != 0)
        throw std::runtime_error("truncate failed");
}


// Number of open descriptors of this process.
inline int OpenDescriptors()
{
    int n = 0;
    for (const auto& e : ListFolder("/proc/self/fd"))
        (void)e, ++n;
    return n;
}

} // namespace vt::test
