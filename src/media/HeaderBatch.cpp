#include "media/HeaderBatch.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/io_uring.h>
#include <sys/mman.h>
#include <sys/syscall.h>
#include <unistd.h>

#include "platform/Error.h"

namespace vt {

namespace {

constexpr unsigned kBatch = 256;             // files per round
constexpr unsigned kRingEntries = 2 * kBatch; // a read and a close per file

// A minimal io_uring: one submission and one completion ring, mapped as
// the kernel describes them. Only what the header reads need.
class Ring {
public:
    Ring()
    {
        io_uring_params p{};
        fd_ = static_cast<int>(syscall(__NR_io_uring_setup, kRingEntries, &p));
        if (fd_ < 0)
            return;
        sqSize_ = p.sq_off.array + p.sq_entries * sizeof(unsigned);
        cqSize_ = p.cq_off.cqes + p.cq_entries * sizeof(io_uring_cqe);
        const bool single = (p.features & IORING_FEAT_SINGLE_MMAP) != 0;
        if (single)
            sqSize_ = cqSize_ = std::max(sqSize_, cqSize_);
        sq_ = mmap(nullptr, sqSize_, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_POPULATE, fd_, IORING_OFF_SQ_RING);
        if (sq_ == MAP_FAILED) {
            sq_ = nullptr;
            return;
        }
        cq_ = single ? sq_ : mmap(nullptr, cqSize_, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_POPULATE, fd_, IORING_OFF_CQ_RING);
        if (cq_ == MAP_FAILED) {
            cq_ = nullptr;
            return;
        }
        sqesSize_ = p.sq_entries * sizeof(io_uring_sqe);
        void* s = mmap(nullptr, sqesSize_, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_POPULATE, fd_, IORING_OFF_SQES);
        if (s == MAP_FAILED)
            return;
        sqes_ = static_cast<io_uring_sqe*>(s);
        auto* sq = static_cast<char*>(sq_);
        auto* cq = static_cast<char*>(cq_);
        sqTail_ = reinterpret_cast<unsigned*>(sq + p.sq_off.tail);
        sqMask_ = *reinterpret_cast<unsigned*>(sq + p.sq_off.ring_mask);
        sqArray_ = reinterpret_cast<unsigned*>(sq + p.sq_off.array);
        cqHead_ = reinterpret_cast<unsigned*>(cq + p.cq_off.head);
        cqTail_ = reinterpret_cast<unsigned*>(cq + p.cq_off.tail);
        cqMask_ = *reinterpret_cast<unsigned*>(cq + p.cq_off.ring_mask);
        cqes_ = reinterpret_cast<io_uring_cqe*>(cq + p.cq_off.cqes);
        ready_ = true;
    }
    ~Ring()
    {
        if (sqes_)
            munmap(sqes_, sqesSize_);
        if (cq_ && cq_ != sq_)
            munmap(cq_, cqSize_);
        if (sq_)
            munmap(sq_, sqSize_);
        if (fd_ >= 0)
            close(fd_);
    }
    Ring(const Ring&) = delete;
    Ring& operator=(const Ring&) = delete;

    bool ready() const { return ready_; }

    // A cleared entry at the tail of the submission ring.
    io_uring_sqe& Next()
    {
        const unsigned tail = *sqTail_ + pending_;
        const unsigned idx = tail & sqMask_;
        sqArray_[idx] = idx;
        ++pending_;
        io_uring_sqe& e = sqes_[idx];
        std::memset(&e, 0, sizeof e);
        return e;
    }

    // Submits what Next() prepared and hands every completion to `done`
    // (user_data, res) until `expected` completions arrived. False when
    // the kernel refused the submission.
    template <class F>
    bool Run(unsigned expected, F&& done)
    {
        std::atomic_ref<unsigned>(*sqTail_).store(*sqTail_ + pending_, std::memory_order_release);
        unsigned toSubmit = pending_;
        pending_ = 0;
        unsigned seen = 0;
        while (seen < expected) {
            const long r = syscall(__NR_io_uring_enter, fd_, toSubmit, expected - seen, IORING_ENTER_GETEVENTS, nullptr, 0);
            if (r < 0) {
                if (errno == EINTR)
                    continue;
                return false;
            }
            toSubmit -= static_cast<unsigned>(r) < toSubmit ? static_cast<unsigned>(r) : toSubmit;
            unsigned head = *cqHead_;
            const unsigned tail = std::atomic_ref<unsigned>(*cqTail_).load(std::memory_order_acquire);
            for (; head != tail; ++head, ++seen) {
                const io_uring_cqe& c = cqes_[head & cqMask_];
                done(c.user_data, c.res);
            }
            std::atomic_ref<unsigned>(*cqHead_).store(head, std::memory_order_release);
        }
        return true;
    }

private:
    int fd_ = -1;
    bool ready_ = false;
    void* sq_ = nullptr;
    void* cq_ = nullptr;
    std::size_t sqSize_ = 0, cqSize_ = 0, sqesSize_ = 0;
    io_uring_sqe* sqes_ = nullptr;
    unsigned* sqTail_ = nullptr;
    unsigned* sqArray_ = nullptr;
    unsigned sqMask_ = 0;
    unsigned* cqHead_ = nullptr;
    unsigned* cqTail_ = nullptr;
    unsigned cqMask_ = 0;
    io_uring_cqe* cqes_ = nullptr;
    unsigned pending_ = 0;
};

void ReadOneByOne(const std::vector<std::string>& paths, std::size_t from, std::vector<HeaderResult>& out)
{
    for (std::size_t i = from; i < paths.size(); ++i) {
        try {
            ReadAviHeader(paths[i], out[i].header);
            out[i].ok = true;
        } catch (const PlatformError&) {
            out[i].ok = false;
        }
    }
}

// One round: opens the files of [from, to), then reads 72 bytes of each
// opened one and closes it (the close is hard-linked to the read, so it
// runs whatever the read gave). False when the ring failed; the caller
// then reads this round again one by one.
bool ReadRound(Ring& ring, const std::vector<std::string>& paths, std::size_t from, std::size_t to,
               std::vector<HeaderResult>& out)
{
    const unsigned n = static_cast<unsigned>(to - from);
    std::vector<int> fds(n, -1);
    for (unsigned k = 0; k < n; ++k) {
        io_uring_sqe& e = ring.Next();
        e.opcode = IORING_OP_OPENAT;
        e.fd = AT_FDCWD;
        e.addr = reinterpret_cast<std::uintptr_t>(paths[from + k].c_str());
        e.open_flags = O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY;
        e.user_data = k;
    }
    if (!ring.Run(n, [&](std::uint64_t k, int res) { fds[k] = res; })) {
        for (int fd : fds)
            if (fd >= 0)
                close(fd);
        return false;
    }

    unsigned expected = 0;
    std::vector<int> got(n, -1);
    for (unsigned k = 0; k < n; ++k) {
        if (fds[k] < 0)
            continue;
        io_uring_sqe& rd = ring.Next();
        rd.opcode = IORING_OP_READ;
        rd.fd = fds[k];
        rd.addr = reinterpret_cast<std::uintptr_t>(out[from + k].header.bytes.data());
        rd.len = kAviHeaderSize;
        rd.off = 0;
        rd.flags = IOSQE_IO_HARDLINK;
        rd.user_data = k;
        io_uring_sqe& cl = ring.Next();
        cl.opcode = IORING_OP_CLOSE;
        cl.fd = fds[k];
        cl.user_data = std::uint64_t{1} << 32 | k;
        expected += 2;
    }
    if (!ring.Run(expected, [&](std::uint64_t tag, int res) {
            if ((tag >> 32) == 0)
                got[tag] = res;
        })) {
        for (int fd : fds)
            if (fd >= 0)
                close(fd);
        return false;
    }
    // One read of 72 bytes from offset 0, as ReadAviHeader does it; fewer
    // bytes (a short file, a FIFO) is a failure.
    for (unsigned k = 0; k < n; ++k)
        out[from + k].ok = got[k] == static_cast<int>(kAviHeaderSize);
    return true;
}

} // namespace

std::vector<HeaderResult> ReadAviHeaders(const std::vector<std::string>& paths, bool allowRing)
{
    std::vector<HeaderResult> out(paths.size());
    if (!allowRing || paths.size() < 16) {
        ReadOneByOne(paths, 0, out);
        return out;
    }
    Ring ring;
    if (!ring.ready()) {
        ReadOneByOne(paths, 0, out);
        return out;
    }
    for (std::size_t from = 0; from < paths.size(); from += kBatch) {
        const std::size_t to = std::min(paths.size(), from + kBatch);
        if (!ReadRound(ring, paths, from, to, out)) {
            ReadOneByOne(paths, from, out);
            break;
        }
    }
    return out;
}

} // namespace vt
