#include "copy/CopyProgress.h"

#include <algorithm>
#include <cmath>

#include "copy/Stopwatch.h"
#include "platform/Files.h"
#include "selection/CopyList.h"

namespace vt {

void SharedProgress::Started(std::int64_t totalBytes, int)
{
    total_.store(totalBytes);
    done_.store(0);
}

void SharedProgress::FileStarted(const std::string& source, const std::string& target)
{
    std::lock_guard<std::mutex> lock(mutex_);
    source_ = source;
    target_ = target;
}

void SharedProgress::Advanced(std::int64_t bytes) { done_.fetch_add(bytes); }

bool SharedProgress::CancelRequested()
{
    if (externalCancel_ && externalCancel_())
        cancel_.store(true);
    return cancel_.load();
}

ProgressSnapshot SharedProgress::Snapshot() const
{
    ProgressSnapshot s;
    s.totalBytes = total_.load();
    s.doneBytes = done_.load();
    std::lock_guard<std::mutex> lock(mutex_);
    s.source = source_;
    s.target = target_;
    return s;
}

namespace {
std::string FolderText(const std::string& path)
{
    std::string f = ExtractFilePath(path);
    if (f.size() > 1 && f.back() == PathDelim)
        f.pop_back();
    return f;
}
} // namespace

ProgressTexts MakeProgressTexts(const ProgressSnapshot& s, double elapsedSecs, const FormatSettings& fs)
{
    ProgressTexts t;
    t.file = ExtractFileName(s.source);
    t.from = FolderText(s.source);
    t.to = FolderText(s.target);
    // FormatSize shows nothing for 0 bytes; a progress line says "0  B".
    auto size = [&](std::int64_t n) { return n > 0 ? FormatSize(n, fs) : std::string("0  B"); };
    t.bytes = size(s.doneBytes) + " di " + size(s.totalBytes);
    if (s.totalBytes > 0)
        t.percent = static_cast<int>(std::min<std::int64_t>(100, s.doneBytes * 100 / s.totalBytes));
    if (elapsedSecs >= 1 && s.doneBytes > 0) {
        const double rate = static_cast<double>(s.doneBytes) / elapsedSecs;
        t.throughput = FormatFixed(rate / 1048576, 2, 3, fs) + " MB/s";
        const double left = static_cast<double>(std::max<std::int64_t>(0, s.totalBytes - s.doneBytes)) / rate;
        t.timeLeft = FormatHMS(static_cast<std::uint32_t>(std::lround(left)));
    }
    return t;
}

} // namespace vt
