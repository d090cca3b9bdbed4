#include "platform/Files.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include "platform/Error.h"

namespace vt {

std::string ExtractFilePath(std::string_view path)
{
    auto pos = path.rfind(PathDelim);
    if (pos == std::string_view::npos)
        return {};
    return std::string(path.substr(0, pos + 1));
}

std::string ExtractFileName(std::string_view path)
{
    auto pos = path.rfind(PathDelim);
    return std::string(pos == std::string_view::npos ? path : path.substr(pos + 1));
}

std::string ExecutablePath()
{
    char buf[PATH_MAX + 1];
    ssize_t n = readlink("/proc/self/exe", buf, PATH_MAX);
    if (n <= 0)
        return {};
    return std::string(buf, static_cast<std::size_t>(n));
}

bool FileExists(const std::string& path)
{
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool DirectoryExists(const std::string& path)
{
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string ReadWholeFile(const std::string& path)
{
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        ThrowSystemError(errno, path);
    std::string data;
    char buf[65536];
    for (;;) {
        ssize_t n = read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            int err = errno;
            close(fd);
            ThrowSystemError(err, path);
        }
        if (n == 0)
            break;
        data.append(buf, static_cast<std::size_t>(n));
    }
    close(fd);
    return data;
}

std::vector<std::string> SplitTextLines(std::string_view text)
{
    auto eof = text.find('\x1A');
    if (eof != std::string_view::npos)
        text = text.substr(0, eof);
    std::vector<std::string> lines;
    std::string cur;
    bool open = false; // characters seen since the last line break
    for (char c : text) {
        if (c == '\r') {
            open = true;
            continue;
        }
        if (c == '\n') {
            lines.push_back(std::move(cur));
            cur.clear();
            open = false;
            continue;
        }
        cur += c;
        open = true;
    }
    // A lone CR after the last LF holds no text of its own: it is dropped
    // and makes no line.
    if (open && !cur.empty())
        lines.push_back(std::move(cur));
    return lines;
}

void WriteFileAtomic(const std::string& path, std::string_view data)
{
    std::string dir = ExtractFilePath(path);
    std::string tmpl = dir + "." + ExtractFileName(path) + ".tmpXXXXXX";
    std::vector<char> name(tmpl.begin(), tmpl.end());
    name.push_back('\0');
    int fd = mkstemp(name.data());
    if (fd < 0)
        ThrowSystemError(errno, path);
    std::string tmp(name.data());
    auto fail = [&](int err) {
        close(fd);
        unlink(tmp.c_str());
        ThrowSystemError(err, path);
    };
    // Keep the permissions of the file it replaces; a new file gets the
    // usual ones (mkstemp makes it 0600).
    struct stat st {};
    mode_t mode = 0666;
    if (stat(path.c_str(), &st) == 0)
        mode = st.st_mode & 07777;
    else {
        mode_t mask = umask(0);
        umask(mask);
        mode &= ~mask;
    }
    if (fchmod(fd, mode) != 0)
        fail(errno);
    std::size_t done = 0;
    while (done < data.size()) {
        ssize_t n = write(fd, data.data() + done, data.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fail(errno);
        }
        done += static_cast<std::size_t>(n);
    }
    if (fsync(fd) != 0)
        fail(errno);
    if (close(fd) != 0) {
        int err = errno;
        unlink(tmp.c_str());
        ThrowSystemError(err, path);
    }
    if (rename(tmp.c_str(), path.c_str()) != 0) {
        int err = errno;
        unlink(tmp.c_str());
        ThrowSystemError(err, path);
    }
}

int CompareNamesCaseBlind(std::string_view a, std::string_view b)
{
    auto lower = [](unsigned char c) { return (c >= 'A' && c <= 'Z') ? c + 32 : c; };
    std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        int ca = lower(static_cast<unsigned char>(a[i]));
        int cb = lower(static_cast<unsigned char>(b[i]));
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    int c = a.compare(b);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

bool ShellOrderLess(const FolderEntry& a, const FolderEntry& b)
{
    if (a.isFolder != b.isFolder)
        return a.isFolder;
    return CompareNamesCaseBlind(a.name, b.name) < 0;
}

std::vector<FolderEntry> ListFolder(const std::string& folder)
{
    int dfd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd < 0)
        ThrowSystemError(errno, folder);
    DIR* dir = fdopendir(dfd);
    if (!dir) {
        int err = errno;
        close(dfd);
        ThrowSystemError(err, folder);
    }
    std::vector<FolderEntry> out;
    errno = 0;
    while (dirent* de = readdir(dir)) {
        std::string_view n = de->d_name;
        if (n == "." || n == "..")
            continue;
        FolderEntry e;
        e.name = std::string(n);
        e.hidden = n.front() == '.';
        struct stat st {};
        if (fstatat(dfd, de->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0) {
            e.isSymlink = S_ISLNK(st.st_mode);
            if (e.isSymlink) {
                struct stat target {};
                // A link shows what it points to; a broken one is a file.
                if (fstatat(dfd, de->d_name, &target, 0) == 0)
                    st = target;
            }
            e.isFolder = S_ISDIR(st.st_mode);
            e.size = e.isFolder ? 0 : static_cast<std::int64_t>(st.st_size);
            e.modified = FromTimeT(st.st_mtime);
        }
        out.push_back(std::move(e));
        errno = 0;
    }
    int err = errno;
    closedir(dir);
    if (err != 0)
        ThrowSystemError(err, folder);
    std::sort(out.begin(), out.end(), ShellOrderLess);
    return out;
}

int RenameNoReplace(const std::string& from, const std::string& to)
{
    struct stat a {}, b {};
    if (lstat(from.c_str(), &a) != 0)
        return errno;
    if (lstat(to.c_str(), &b) == 0) {
        // The same file under another spelling (a change of letter case on
        // a case-blind file system): nothing else can be replaced.
        if (a.st_dev == b.st_dev && a.st_ino == b.st_ino)
            return rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
        return EEXIST;
    }
    long r = syscall(SYS_renameat2, AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE);
    if (r == 0)
        return 0;
    int err = errno;
    if (err != EINVAL && err != ENOSYS)
        return err;
    // The file system does not know the flag: check, then rename.
    if (lstat(to.c_str(), &b) == 0)
        return EEXIST;
    return rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

int MakeFolder(const std::string& path)
{
    return mkdir(path.c_str(), 0777) == 0 ? 0 : errno;
}

} // namespace vt
