#include "copy/FileCopy.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <new>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/Error.h"
#include "platform/Files.h"

namespace vt {

namespace {

constexpr const char* kTempSuffix = ".vtpart";
constexpr std::size_t kNameMax = 255;
// Up to this many files a batch is flushed file by file.
constexpr std::size_t kFewFiles = 16;

struct Cancelled {};
struct CopyFailure {
    std::string text;
};

std::string FolderOf(const std::string& path)
{
    auto p = path.rfind(PathDelim);
    if (p == std::string::npos)
        return ".";
    return p == 0 ? std::string("/") : path.substr(0, p);
}

std::string NameOf(const std::string& path)
{
    auto p = path.rfind(PathDelim);
    return p == std::string::npos ? path : path.substr(p + 1);
}

[[noreturn]] void FailCopy(int err, const std::string& source, const std::string& target)
{
    throw CopyFailure{"Impossibile copiare " + source + " in " + FolderOf(target) + ": " + SystemErrorText(err)};
}

[[noreturn]] void FailRead(int err, const std::string& path)
{
    throw CopyFailure{"Impossibile leggere " + path + ": " + SystemErrorText(err)};
}

enum class Kind { Folder, File, Link };

struct Item {
    Kind kind = Kind::File;
    std::string src, dst;
    struct stat st {};
    std::string linkText; // Link only
};

// Errors of copy_file_range that mean "not here": the read/write loop takes
// over from the same offset.
bool CopyRangeRefused(int err)
{
    return err == EXDEV || err == EINVAL || err == ENOSYS || err == EOPNOTSUPP || err == ENOTSUP || err == EPERM ||
           err == EBADF || err == ETXTBSY;
}

// Errors of fallocate that say the file cannot fit; the others only mean the
// file system cannot reserve space, and the copy goes on without it.
bool ReserveRefused(int err) { return err == ENOSPC || err == EFBIG || err == EDQUOT; }

// Everything the sources hold, folders before their content. Measuring the
// whole request first gives the progress window its total, and a copy into
// a folder below the source cannot chase its own new entries.
class Planner {
public:
    std::vector<Item> items;
    std::int64_t totalBytes = 0;
    int fileCount = 0;

    void AddSource(std::string src, const std::string& destFolder)
    {
        while (src.size() > 1 && src.back() == PathDelim)
            src.pop_back();
        const std::string name = NameOf(src);
        if (name.empty() || name == "." || name == "..")
            throw CopyFailure{"Impossibile copiare " + src + ": indicare il file o la cartella per nome"};
        const std::string dst = (destFolder == "/" ? std::string() : destFolder) + PathDelim + name;
        struct stat st {};
        if (stat(src.c_str(), &st) != 0) {
            int err = errno;
            if (lstat(src.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
                AddLink(src, dst, st);
                return;
            }
            FailCopy(err, src, dst);
        }
        if (S_ISDIR(st.st_mode))
            AddTree(src, dst, st);
        else if (S_ISREG(st.st_mode))
            AddFile(src, dst, st);
        else
            throw CopyFailure{"Impossibile copiare " + src + ": non è un file né una cartella"};
    }

private:
    void AddFile(const std::string& src, const std::string& dst, const struct stat& st)
    {
        items.push_back({Kind::File, src, dst, st, {}});
        totalBytes += static_cast<std::int64_t>(st.st_size);
        ++fileCount;
    }

    void AddLink(const std::string& src, const std::string& dst, const struct stat& st)
    {
        std::string text(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 0) + 256, '\0');
        ssize_t n = readlink(src.c_str(), text.data(), text.size());
        if (n < 0)
            FailRead(errno, src);
        text.resize(static_cast<std::size_t>(n));
        items.push_back({Kind::Link, src, dst, st, std::move(text)});
    }

    void AddTree(const std::string& src, const std::string& dst, const struct stat& st)
    {
        items.push_back({Kind::Folder, src, dst, st, {}});
        DIR* dir = opendir(src.c_str());
        if (!dir)
            FailRead(errno, src);
        std::vector<std::string> names;
        errno = 0;
        while (dirent* de = readdir(dir)) {
            const char* n = de->d_name;
            if (n[0] == '.' && (n[1] == 0 || (n[1] == '.' && n[2] == 0)))
                continue;
            names.emplace_back(n);
            errno = 0;
        }
        int readErr = errno;
        closedir(dir);
        if (readErr != 0)
            FailRead(readErr, src);
        std::sort(names.begin(), names.end());
        for (const auto& n : names) {
            const std::string s = src + PathDelim + n;
            const std::string d = dst + PathDelim + n;
            struct stat cst {};
            if (lstat(s.c_str(), &cst) != 0)
                FailCopy(errno, s, d);
            if (S_ISDIR(cst.st_mode)) {
                AddTree(s, d, cst);
            } else if (S_ISREG(cst.st_mode)) {
                AddFile(s, d, cst);
            } else if (S_ISLNK(cst.st_mode)) {
                // A link to a file is copied as the file it shows (the size
                // of the folder counts it so); a link to a folder is never
                // followed, so it is copied as a link, as is a broken one.
                struct stat target {};
                if (stat(s.c_str(), &target) == 0 && S_ISREG(target.st_mode))
                    AddFile(s, d, target);
                else
                    AddLink(s, d, cst);
            } else {
                throw CopyFailure{"Impossibile copiare " + s + ": non è un file né una cartella"};
            }
        }
    }
};

class Fd {
public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    ~Fd()
    {
        if (fd_ >= 0)
            close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    // Closes now and reports the error a close can carry (a delayed write
    // error on some file systems).
    int Close()
    {
        int fd = fd_;
        fd_ = -1;
        return close(fd) == 0 ? 0 : errno;
    }

private:
    int fd_;
};

// Removes the temporary file unless the copy got as far as renaming it.
class TempGuard {
public:
    explicit TempGuard(std::string path) : path_(std::move(path)) {}
    ~TempGuard()
    {
        if (!path_.empty())
            unlink(path_.c_str());
    }
    void Release() { path_.clear(); }
    TempGuard(const TempGuard&) = delete;
    TempGuard& operator=(const TempGuard&) = delete;

private:
    std::string path_;
};

class Executor {
public:
    Executor(CopyMonitor& monitor, const CopyTuning& tuning) : monitor_(monitor), tuning_(tuning) {}

    ~Executor()
    {
        // Whatever was not renamed yet is not a copy anyone asked for.
        for (const auto& p : pending_)
            unlink(p.tmp.c_str());
    }

    void Run(const std::vector<Item>& items)
    {
        for (const auto& item : items) {
            switch (item.kind) {
            case Kind::Folder: MakeFolder(item); break;
            case Kind::File: CopyFile(item); break;
            case Kind::Link: CopyLink(item); break;
            }
        }
        FlushFiles();
        // Each created folder gets its source's time after the last change
        // of its entries, the deepest first, since creating a subfolder
        // changes the parent's time.
        for (auto it = created_.rbegin(); it != created_.rend(); ++it) {
            const Item& f = **it;
            chmod(f.dst.c_str(), f.st.st_mode & 07777);
            const struct timespec times[2] = {f.st.st_atim, f.st.st_mtim};
            if (utimensat(AT_FDCWD, f.dst.c_str(), times, 0) != 0)
                FailCopy(errno, f.src, f.dst);
            dirtyDirs_.insert(f.dst);
        }
        SyncDirs();
    }

    // After a cancel or an error: the files already complete still reach
    // their final names; if that fails too, they are dropped.
    void SalvageCompleted()
    {
        try {
            FlushFiles();
            SyncDirs();
        } catch (const CopyFailure&) {
        }
    }

private:
    struct Pending {
        std::string tmp, dst;
    };

    void CheckCancel()
    {
        if (monitor_.CancelRequested())
            throw Cancelled{};
    }

    void MakeFolder(const Item& f)
    {
        CheckCancel();
        // Owner access while the content goes in, whatever the source's
        // bits; the exact bits come at the end.
        if (mkdir(f.dst.c_str(), (f.st.st_mode & 0777) | 0700) == 0) {
            created_.push_back(&f);
            dirtyDirs_.insert(FolderOf(f.dst));
            return;
        }
        int err = errno;
        struct stat st {};
        if (err == EEXIST && stat(f.dst.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
            return; // merge into the folder that is there
        FailCopy(err == EEXIST ? ENOTDIR : err, f.src, f.dst);
    }

    // Checks that the final name may be replaced by a file.
    void CheckTarget(const Item& item, const struct stat& srcSt)
    {
        struct stat t {};
        if (lstat(item.dst.c_str(), &t) != 0)
            return;
        if (S_ISDIR(t.st_mode))
            FailCopy(EISDIR, item.src, item.dst);
        struct stat tf {};
        if (stat(item.dst.c_str(), &tf) == 0 && tf.st_dev == srcSt.st_dev && tf.st_ino == srcSt.st_ino)
            throw CopyFailure{"Impossibile copiare " + item.src + " in " + FolderOf(item.dst) +
                              ": origine e destinazione sono lo stesso file"};
    }

    void CopyFile(const Item& item)
    {
        CheckCancel();
        const std::string dir = FolderOf(item.dst);
        const std::string tmp = dir + PathDelim + TempNameFor(NameOf(item.dst));
        if (pendingTmps_.count(tmp)) // the same target twice in one request
            FlushFiles();
        monitor_.FileStarted(item.src, item.dst);

        Fd in(open(item.src.c_str(), O_RDONLY | O_CLOEXEC));
        if (in.get() < 0)
            FailCopy(errno, item.src, item.dst);
        struct stat st {};
        if (fstat(in.get(), &st) != 0)
            FailCopy(errno, item.src, item.dst);
        CheckTarget(item, st);

        // O_NOFOLLOW: a link planted under the temporary name is not
        // written through. A leftover of a crash is reused and truncated.
        Fd out(open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0600));
        if (out.get() < 0)
            FailCopy(errno, item.src, item.dst);
        TempGuard guard(tmp);

        posix_fadvise(in.get(), 0, 0, POSIX_FADV_SEQUENTIAL);
        const std::int64_t size = static_cast<std::int64_t>(st.st_size);
        bool reserved = false;
        if (tuning_.reserveSpace && size > 0) {
            if (fallocate(out.get(), 0, 0, static_cast<off_t>(size)) == 0)
                reserved = true;
            else if (ReserveRefused(errno))
                FailCopy(errno, item.src, item.dst);
        }
        const std::int64_t copied = MoveBytes(in.get(), out.get(), size, item);
        if (reserved && copied < size && ftruncate(out.get(), static_cast<off_t>(copied)) != 0)
            FailCopy(errno, item.src, item.dst);
        if (fchmod(out.get(), st.st_mode & 0777) != 0)
            FailCopy(errno, item.src, item.dst);
        const struct timespec times[2] = {st.st_atim, st.st_mtim};
        if (futimens(out.get(), times) != 0)
            FailCopy(errno, item.src, item.dst);

        if (size <= tuning_.batchFileBytes) {
            if (int err = out.Close())
                FailCopy(err, item.src, item.dst);
            guard.Release();
            pending_.push_back({tmp, item.dst});
            pendingTmps_.insert(tmp);
            pendingBytes_ += size;
            if (pendingBytes_ >= tuning_.batchBytes || static_cast<int>(pending_.size()) >= tuning_.batchFiles)
                FlushFiles();
            return;
        }
        if (fsync(out.get()) != 0)
            FailCopy(errno, item.src, item.dst);
        if (int err = out.Close())
            FailCopy(err, item.src, item.dst);
        if (rename(tmp.c_str(), item.dst.c_str()) != 0)
            FailCopy(errno, item.src, item.dst);
        guard.Release();
        SyncDir(dir, item);
    }

    std::int64_t MoveBytes(int in, int out, std::int64_t size, const Item& item)
    {
        bool useRange = tuning_.useCopyFileRange;
        std::int64_t off = 0;
        for (;;) {
            CheckCancel();
            if (useRange) {
                loff_t inOff = off, outOff = off;
                ssize_t n = copy_file_range(in, &inOff, out, &outOff, tuning_.chunkBytes, 0);
                if (n < 0) {
                    if (errno == EINTR)
                        continue;
                    if (CopyRangeRefused(errno)) {
                        useRange = false;
                        continue;
                    }
                    FailCopy(errno, item.src, item.dst);
                }
                if (n == 0) {
                    // Some file systems answer 0 instead of an error; the
                    // read loop finds out whether this really is the end.
                    if (off < size) {
                        useRange = false;
                        continue;
                    }
                    return off;
                }
                StartWriteback(out, off, n, size);
                off += n;
                monitor_.Advanced(n);
                continue;
            }
            char* buf = Buffer();
            ssize_t r = pread(in, buf, tuning_.bufferBytes, off);
            if (r < 0) {
                if (errno == EINTR)
                    continue;
                FailCopy(errno, item.src, item.dst);
            }
            if (r == 0)
                return off;
            ssize_t done = 0;
            while (done < r) {
                ssize_t w = pwrite(out, buf + done, static_cast<std::size_t>(r - done), off + done);
                if (w < 0) {
                    if (errno == EINTR)
                        continue;
                    FailCopy(errno, item.src, item.dst);
                }
                done += w;
            }
            StartWriteback(out, off, r, size);
            off += r;
            monitor_.Advanced(r);
        }
    }

    // A large file is written to the disk while the copy goes on, so the
    // flush before its rename waits only for the last part instead of the
    // whole file (cp followed by sync gets the same overlap from the
    // kernel's own writeback). Small files wait for their batch's flush.
    void StartWriteback(int out, std::int64_t off, std::int64_t n, std::int64_t size)
    {
        if (size > tuning_.batchFileBytes)
            sync_file_range(out, off, n, SYNC_FILE_RANGE_WRITE);
    }

    void CopyLink(const Item& item)
    {
        CheckCancel();
        struct stat t {};
        if (lstat(item.dst.c_str(), &t) == 0 && S_ISDIR(t.st_mode))
            FailCopy(EISDIR, item.src, item.dst);
        const std::string dir = FolderOf(item.dst);
        const std::string tmp = dir + PathDelim + TempNameFor(NameOf(item.dst));
        if (pendingTmps_.count(tmp))
            FlushFiles();
        unlink(tmp.c_str());
        if (symlink(item.linkText.c_str(), tmp.c_str()) != 0)
            FailCopy(errno, item.src, item.dst);
        TempGuard guard(tmp);
        const struct timespec times[2] = {item.st.st_atim, item.st.st_mtim};
        utimensat(AT_FDCWD, tmp.c_str(), times, AT_SYMLINK_NOFOLLOW);
        if (rename(tmp.c_str(), item.dst.c_str()) != 0)
            FailCopy(errno, item.src, item.dst);
        guard.Release();
        dirtyDirs_.insert(dir);
    }

    // The batch: one flush of the file system (as `sync` would) makes every
    // pending file durable, then each is renamed over its final name.
    void FlushFiles()
    {
        if (pending_.empty())
            return;
        if (pending_.size() <= kFewFiles) {
            // A flush of the whole file system would also write whatever
            // other programs left dirty: a few files go one by one.
            for (const auto& p : pending_) {
                Fd fd(open(p.tmp.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
                if (fd.get() < 0 || fsync(fd.get()) != 0)
                    throw CopyFailure{"Impossibile copiare " + NameOf(p.dst) + " in " + FolderOf(p.dst) + ": " +
                                      SystemErrorText(errno)};
            }
        } else {
            std::set<dev_t> flushed;
            std::set<std::string> dirs;
            for (const auto& p : pending_)
                dirs.insert(FolderOf(p.dst));
            for (const auto& d : dirs) {
                Fd fd(open(d.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
                struct stat st {};
                if (fd.get() < 0 || fstat(fd.get(), &st) != 0)
                    throw CopyFailure{"Impossibile copiare in " + d + ": " + SystemErrorText(errno)};
                if (flushed.insert(st.st_dev).second && syncfs(fd.get()) != 0)
                    throw CopyFailure{"Impossibile copiare in " + d + ": " + SystemErrorText(errno)};
            }
        }
        for (std::size_t i = 0; i < pending_.size(); ++i) {
            const Pending& p = pending_[i];
            if (rename(p.tmp.c_str(), p.dst.c_str()) != 0) {
                CopyFailure failure{"Impossibile copiare " + NameOf(p.dst) + " in " + FolderOf(p.dst) + ": " +
                                    SystemErrorText(errno)};
                // The ones renamed already are no longer temporary files.
                pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(i));
                throw failure;
            }
            dirtyDirs_.insert(FolderOf(p.dst));
        }
        pending_.clear();
        pendingTmps_.clear();
        pendingBytes_ = 0;
    }

    void SyncDir(const std::string& dir, const Item& item)
    {
        Fd fd(open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (fd.get() < 0 || fsync(fd.get()) != 0)
            FailCopy(errno, item.src, item.dst);
    }

    void SyncDirs()
    {
        for (const auto& d : dirtyDirs_) {
            Fd fd(open(d.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
            if (fd.get() < 0 || fsync(fd.get()) != 0)
                throw CopyFailure{"Impossibile copiare in " + d + ": " + SystemErrorText(errno)};
        }
        dirtyDirs_.clear();
    }

    char* Buffer()
    {
        if (!buffer_) {
            // Page-aligned, as direct transfers and the page cache like it.
            void* p = std::aligned_alloc(4096, (tuning_.bufferBytes + 4095) / 4096 * 4096);
            if (!p)
                throw std::bad_alloc();
            buffer_.reset(static_cast<char*>(p));
        }
        return buffer_.get();
    }

    struct FreeDeleter {
        void operator()(char* p) const { std::free(p); }
    };

    CopyMonitor& monitor_;
    const CopyTuning& tuning_;
    std::vector<Pending> pending_;
    std::set<std::string> pendingTmps_;
    std::int64_t pendingBytes_ = 0;
    std::vector<const Item*> created_;
    std::set<std::string> dirtyDirs_;
    std::unique_ptr<char, FreeDeleter> buffer_;
};

// The byte length of the longest prefix of `s` no longer than `max` bytes
// that does not cut a UTF-8 sequence.
std::size_t CharBoundary(const std::string& s, std::size_t max)
{
    if (s.size() <= max)
        return s.size();
    std::size_t n = max;
    while (n > 0 && (static_cast<unsigned char>(s[n]) & 0xC0) == 0x80)
        --n;
    return n;
}

} // namespace

std::string TempNameFor(const std::string& name)
{
    std::string tmp = "." + name + kTempSuffix;
    if (tmp.size() <= kNameMax)
        return tmp;
    // FNV-1a of the whole name keeps two long names with one prefix apart.
    std::uint32_t h = 2166136261u;
    for (unsigned char c : name)
        h = (h ^ c) * 16777619u;
    char hex[10];
    std::snprintf(hex, sizeof hex, "~%08x", h);
    const std::size_t room = kNameMax - 1 - 9 - std::strlen(kTempSuffix);
    return "." + name.substr(0, CharBoundary(name, room)) + hex + kTempSuffix;
}

CopyResult CopyPaths(const std::vector<std::string>& sources, const std::string& destFolder, CopyMonitor& monitor,
                     const CopyTuning& tuning)
{
    CopyResult result;
    Planner plan;
    try {
        for (const auto& s : sources)
            plan.AddSource(s, destFolder);
    } catch (const CopyFailure& f) {
        result.failed = true;
        result.error = f.text;
        return result;
    }
    monitor.Started(plan.totalBytes, plan.fileCount);
    Executor exec(monitor, tuning);
    try {
        exec.Run(plan.items);
    } catch (const Cancelled&) {
        result.aborted = true;
        exec.SalvageCompleted();
    } catch (const CopyFailure& f) {
        result.failed = true;
        result.error = f.text;
        exec.SalvageCompleted();
    }
    return result;
}

} // namespace vt
