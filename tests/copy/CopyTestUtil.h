#pragma once
// Scratch folders and file helpers of the copy tests.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <fcntl.h>
#include <sys/stat.h>
#include <vector>

namespace vt::copytest {

class ScratchDir {
public:
    ScratchDir()
    {
        std::string tmpl = (std::filesystem::temp_directory_path() / "vt-copy-XXXXXX").string();
        if (!mkdtemp(tmpl.data()))
            throw std::runtime_error("mkdtemp");
        path_ = tmpl;
    }
    ~ScratchDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    const std::string& path() const { return path_; }
    std::string operator/(const std::string& rel) const { return path_ + "/" + rel; }

private:
    std::string path_;
};

inline void WriteFile(const std::string& path, const std::string& data)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << data;
}

inline std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// Bytes that differ from offset to offset, so a shifted or short copy shows.
inline std::string Pattern(std::size_t n, unsigned seed = 1)
{
    std::string s(n, '\0');
    std::uint32_t x = seed * 2654435761u + 1;
    for (std::size_t i = 0; i < n; ++i) {
        x = x * 1664525u + 1013904223u;
        s[i] = static_cast<char>(x >> 24);
    }
    return s;
}

inline void SetMtime(const std::string& path, time_t t)
{
    struct timespec ts[2] = {{t, 0}, {t, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), ts, AT_SYMLINK_NOFOLLOW), 0) << path;
}

inline time_t Mtime(const std::string& path)
{
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0)
        return -1;
    return st.st_mtime;
}

// Every leftover temporary file below `root`.
inline std::vector<std::string> TempFilesBelow(const std::string& root)
{
    std::vector<std::string> out;
    for (const auto& e : std::filesystem::recursive_directory_iterator(root))
        if (e.path().filename().string().find(".vtpart") != std::string::npos)
            out.push_back(e.path().string());
    return out;
}

} // namespace vt::copytest
