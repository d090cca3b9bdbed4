#pragma once
// The program's own copier: files and whole folder trees copied into a
// destination folder so that no final name ever holds a half-written file.
//
// Every file is written under a hidden temporary name in its target folder,
// given the source's permission bits and last-write time, flushed to the
// disk and only then renamed over the final name; the folder is flushed
// after the rename. So an existing file is replaced only by a complete copy,
// and a cancel, an error or a full disk leaves the old file as it was and
// no temporary file behind. A crash may leave a temporary file: its name
// depends only on the final name, so the next copy of that file reuses it.
//
// Small files are flushed in batches (one file-system flush for many files,
// then their renames), which keeps a tree of many small files as fast as a
// plain copy followed by `sync`; the guarantees are the same.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vt {

// What the copier reports while it runs, and where it asks whether to stop.
// The calls come from the thread that runs CopyPaths.
class CopyMonitor {
public:
    virtual ~CopyMonitor() = default;
    // Once, after the sources were measured: the bytes of all their files.
    virtual void Started(std::int64_t /*totalBytes*/, int /*fileCount*/) {}
    // A file begins: its source path and its final target path.
    virtual void FileStarted(const std::string& /*source*/, const std::string& /*target*/) {}
    // More bytes were copied.
    virtual void Advanced(std::int64_t /*bytes*/) {}
    // Asked before each file and each chunk; true stops the copy there.
    virtual bool CancelRequested() { return false; }
};

struct CopyTuning {
    // Bytes per copy_file_range call; a cancel is seen between chunks.
    std::size_t chunkBytes = 64u << 20;
    // Buffer of the read/write fallback.
    std::size_t bufferBytes = 4u << 20;
    // Try copy_file_range first; when false only read/write is used.
    bool useCopyFileRange = true;
    // Reserve each file's space before writing (fallocate) where possible.
    bool reserveSpace = true;
    // Files up to this size are flushed in batches; larger ones one by one.
    std::int64_t batchFileBytes = 16 << 20;
    // A batch is flushed when it holds this many bytes or files.
    std::int64_t batchBytes = 256 << 20;
    int batchFiles = 1000;
};

struct CopyResult {
    bool failed = false;  // an error ended the copy; `error` says which and why
    bool aborted = false; // the monitor asked to stop
    std::string error;
};

// Copies each source (a file, or a folder with its whole tree) into
// `destFolder` under its own name. A folder merges into a folder of the
// same name; existing files are replaced without a question; a link to a
// file is copied as the file, other links are copied as links. The first
// error or a cancel ends the copy (what was completed stays). Each copied
// file keeps its source's last-write time; folders the copy created get
// their source's time once their content is in.
CopyResult CopyPaths(const std::vector<std::string>& sources, const std::string& destFolder, CopyMonitor& monitor,
                     const CopyTuning& tuning = {});

// The hidden temporary name a file named `name` is written under: "." +
// name + ".vtpart", with the name shortened (at a character boundary, plus a
// hash of the whole name) when that would exceed 255 bytes.
std::string TempNameFor(const std::string& name);

} // namespace vt
