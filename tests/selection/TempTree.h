#pragma once
// A temporary folder for tests that need real files, removed at the end.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace vt::test {

class TempTree {
public:
    TempTree()
    {
        char tmpl[] = "/tmp/vt-selection-XXXXXX";
        const char* p = mkdtemp(tmpl);
        if (!p)
            throw std::runtime_error("mkdtemp failed");
        root_ = p;
        // Readable by everybody, so a test can walk it as an unprivileged user.
        chmod(root_.c_str(), 0755);
    }
    ~TempTree()
    {
        // Give locked folders back their permissions so they can be removed.
        std::error_code ec;
        for (auto it = std::filesystem::recursive_directory_iterator(
                 root_, std::filesystem::directory_options::skip_permission_denied, ec);
             it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
            if (it->is_directory(ec) && !it->is_symlink(ec))
                chmod(it->path().c_str(), 0755);
        chmod(root_.c_str(), 0755);
        std::filesystem::remove_all(root_, ec);
    }
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;

    const std::string& root() const { return root_; }
    std::string Path(const std::string& rel) const { return root_ + "/" + rel; }

    std::string Dir(const std::string& rel) const
    {
        std::filesystem::create_directories(Path(rel));
        chmod(Path(rel).c_str(), 0755);
        return Path(rel);
    }
    std::string File(const std::string& rel, std::size_t bytes) const
    {
        std::ofstream out(Path(rel), std::ios::binary);
        out << std::string(bytes, 'x');
        return Path(rel);
    }
    void Link(const std::string& target, const std::string& rel) const
    {
        std::filesystem::create_symlink(target, Path(rel));
    }

private:
    std::string root_;
};

} // namespace vt::test
