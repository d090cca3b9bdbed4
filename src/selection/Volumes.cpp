#include "selection/Volumes.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/sysmacros.h>

#include "platform/Files.h"

namespace vt {

namespace {

bool IsOct(char c) { return c >= '0' && c <= '7'; }

// mountinfo writes blank, tab, newline and backslash of a path as "\ooo".
std::string DecodeOctalEscapes(std::string_view s)
{
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && s.size() - i >= 4 && IsOct(s[i + 1]) && IsOct(s[i + 2]) && IsOct(s[i + 3])) {
            out += static_cast<char>((s[i + 1] - '0') * 64 + (s[i + 2] - '0') * 8 + (s[i + 3] - '0'));
            i += 3;
            continue;
        }
        out += s[i];
    }
    return out;
}

// udev writes the characters of a label that are not safe in a file name
// (blank, "/", ...) as "\xHH".
std::string DecodeHexEscapes(std::string_view s)
{
    auto hex = [](char c) -> int {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    };
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && s.size() - i >= 4 && s[i + 1] == 'x') {
            int hi = hex(s[i + 2]), lo = hex(s[i + 3]);
            if (hi >= 0 && lo >= 0) {
                out += static_cast<char>(hi * 16 + lo);
                i += 3;
                continue;
            }
        }
        out += s[i];
    }
    return out;
}

std::vector<std::string_view> SplitBlanks(std::string_view line)
{
    std::vector<std::string_view> f;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && line[i] == ' ')
            ++i;
        std::size_t j = i;
        while (j < line.size() && line[j] != ' ')
            ++j;
        if (j > i)
            f.push_back(line.substr(i, j - i));
        i = j;
    }
    return f;
}

bool ParseUnsigned(std::string_view s, unsigned& out)
{
    if (s.empty())
        return false;
    unsigned long v = 0;
    for (char c : s) {
        if (c < '0' || c > '9')
            return false;
        v = v * 10 + static_cast<unsigned>(c - '0');
        if (v > 0xFFFFFFFFul)
            return false;
    }
    out = static_cast<unsigned>(v);
    return true;
}

std::string Canonical(const std::string& path)
{
    char buf[PATH_MAX];
    return realpath(path.c_str(), buf) ? std::string(buf) : std::string();
}

// `mp` holds `path` when it is the path itself or a folder above it.
bool Holds(std::string_view mp, std::string_view path)
{
    if (mp == "/")
        return !path.empty() && path.front() == '/';
    if (path.size() < mp.size() || path.compare(0, mp.size(), mp) != 0)
        return false;
    return path.size() == mp.size() || path[mp.size()] == '/';
}

} // namespace

std::vector<MountEntry> ParseMountInfo(std::string_view text)
{
    std::vector<MountEntry> out;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t nl = text.find('\n', pos);
        std::string_view line = text.substr(pos, nl == std::string_view::npos ? std::string_view::npos : nl - pos);
        pos = nl == std::string_view::npos ? text.size() : nl + 1;

        auto f = SplitBlanks(line);
        // id parent major:minor root mount-point options [optional...] - type source super-options
        auto sep = std::find(f.begin() + std::min<std::size_t>(f.size(), 6), f.end(), std::string_view("-"));
        if (f.size() < 6 || sep == f.end() || f.end() - sep < 3)
            continue;
        MountEntry m;
        std::string_view dev = f[2];
        auto colon = dev.find(':');
        if (colon == std::string_view::npos || !ParseUnsigned(dev.substr(0, colon), m.major) ||
            !ParseUnsigned(dev.substr(colon + 1), m.minor))
            continue;
        m.mountPoint = DecodeOctalEscapes(f[4]);
        m.fsType = DecodeOctalEscapes(sep[1]);
        m.source = DecodeOctalEscapes(sep[2]);
        out.push_back(std::move(m));
    }
    return out;
}

std::optional<MountEntry> FindMount(const std::vector<MountEntry>& mounts, std::string_view path)
{
    const MountEntry* best = nullptr;
    for (const auto& m : mounts)
        if (Holds(m.mountPoint, path) && (!best || m.mountPoint.size() >= best->mountPoint.size()))
            best = &m;
    if (!best)
        return std::nullopt;
    return *best;
}

std::optional<MountEntry> MountOf(const std::string& path, const VolumeSource& src)
{
    std::string text;
    try {
        text = ReadWholeFile(src.mountInfoPath);
    } catch (const std::exception&) {
        // No mount table (no /proc): the path has no known mount, so no
        // label; the free space is still read from the path itself.
        return std::nullopt;
    }
    return FindMount(ParseMountInfo(text), path);
}

std::int64_t FreeBytesOf(const std::string& path)
{
    struct statvfs sv {};
    if (path.empty() || statvfs(path.c_str(), &sv) != 0)
        return -1;
    return static_cast<std::int64_t>(sv.f_bavail) * static_cast<std::int64_t>(sv.f_frsize);
}

std::string LabelOfMount(const MountEntry& mount, const std::string& byLabelDir)
{
    DIR* dir = opendir(byLabelDir.c_str());
    if (!dir)
        return {};
    std::vector<std::string> names;
    while (dirent* e = readdir(dir)) {
        std::string_view n = e->d_name;
        if (n != "." && n != "..")
            names.emplace_back(n);
    }
    closedir(dir);
    // Two labels for one device cannot happen with udev; sorting only makes
    // the answer the same on every run if a hand-made folder has them.
    std::sort(names.begin(), names.end());

    const std::string source = Canonical(mount.source);
    const dev_t device = makedev(mount.major, mount.minor);
    for (const auto& n : names) {
        std::string entry = byLabelDir + "/" + n;
        std::string target = Canonical(entry);
        bool match = !target.empty() && !source.empty() && target == source;
        if (!match) {
            // "/dev/root" and other aliases name the device differently:
            // the device number of the mount settles it.
            struct stat st {};
            match = stat(entry.c_str(), &st) == 0 && S_ISBLK(st.st_mode) && st.st_rdev == device;
        }
        if (match)
            return DecodeHexEscapes(n);
    }
    return {};
}

std::string GetVolumeLabel(const std::string& path, const VolumeSource& src)
{
    auto m = MountOf(path, src);
    return m ? LabelOfMount(*m, src.byLabelDir) : std::string();
}

VolumeInfo ProbeVolume(const std::string& path, const VolumeSource& src)
{
    VolumeInfo v;
    if (auto m = MountOf(path, src)) {
        v.mountPoint = m->mountPoint;
        v.label = LabelOfMount(*m, src.byLabelDir);
    }
    // statvfs of the path asks the file system that holds it, which is the
    // mount found above; it also works where the mount point itself is out
    // of reach (a mount seen from inside a chroot).
    v.freeBytes = FreeBytesOf(path);
    return v;
}

} // namespace vt
