#pragma once
// The progress of one copy request as a window or a terminal line shows it.
// SharedProgress is the monitor the copier reports to; it may run on a
// worker thread while another thread reads snapshots and asks to cancel.
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

#include "copy/FileCopy.h"
#include "platform/Regional.h"

namespace vt {

struct ProgressSnapshot {
    std::int64_t totalBytes = 0;
    std::int64_t doneBytes = 0;
    std::string source; // the file being copied
    std::string target; // its final path
};

class SharedProgress : public CopyMonitor {
public:
    void Started(std::int64_t totalBytes, int fileCount) override;
    void FileStarted(const std::string& source, const std::string& target) override;
    void Advanced(std::int64_t bytes) override;
    bool CancelRequested() override;

    void RequestCancel() { cancel_.store(true); }
    bool Cancelling() const { return cancel_.load(); }
    ProgressSnapshot Snapshot() const;

    // Also asked on every CancelRequested (the CLI's Ctrl-C flag).
    void SetExternalCancel(bool (*test)()) { externalCancel_ = test; }

private:
    std::atomic<bool> cancel_{false};
    std::atomic<std::int64_t> total_{0};
    std::atomic<std::int64_t> done_{0};
    bool (*externalCancel_)() = nullptr;
    mutable std::mutex mutex_;
    std::string source_, target_;
};

// The texts of the progress window.
struct ProgressTexts {
    std::string file;       // name of the file being copied
    std::string from;       // its folder
    std::string to;         // the folder it goes to
    std::string bytes;      // "1,5 GB di 4,0 GB"
    std::string throughput; // "85,20 MB/s", empty before the first second
    std::string timeLeft;   // "00:01:12", empty while unknown
    int percent = 0;        // 0..100
};

ProgressTexts MakeProgressTexts(const ProgressSnapshot& s, double elapsedSecs, const FormatSettings& fs);

} // namespace vt
