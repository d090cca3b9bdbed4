#pragma once
// One copy request of the copy job: a source (or a ";"-separated list of
// sources) copied into a destination folder, with the result as two bits.
// The request itself is here; the bytes are moved by a FileCopier: the
// program's own copier (DiskCopier below, over CopyPaths), its windowed
// adaptor in the desktop program (copy/qt/QtFileCopier.h), or a fake in
// the tests.
#include <cstdint>
#include <string>
#include <vector>

#include "app/ProgramState.h"
#include "copy/FileCopy.h"
#include "platform/UiServices.h"

namespace vt {

// Result bits of ShellCopy.
constexpr std::uint32_t kCopyFailed = 1;  // an error ended the copy
constexpr std::uint32_t kCopyAborted = 2; // cancelled, or refused before it began

// A source of this many bytes or more does not fit the request's buffer.
constexpr std::size_t kSourceLimit = 8100;
// The message of that refusal, three lines.
inline constexpr const char* kSourceTooLongText =
    "Problema !\nLunghezza buffer nomifile (8192 bytes) insufficiente\nSelezionare meno file per volta";

// What a copier reports back. `aborted` only for a cancel by the user.
struct CopyOutcome {
    bool failed = false;
    bool aborted = false;
    std::string error; // names the file and the system's reason
};

class FileCopier {
public:
    virtual ~FileCopier() = default;
    // Copies every source into `destFolder` (see CopyPaths) and returns when
    // the copy is over. `showProgress`: a progress window with a cancel
    // button, where the copier has one.
    virtual CopyOutcome Copy(const std::vector<std::string>& sources, const std::string& destFolder,
                             bool showProgress) = 0;
};

// The copier without a window: CopyPaths on the calling thread. The
// optional monitor sees the progress and may cancel (the CLI's Ctrl-C).
class DiskCopier : public FileCopier {
public:
    explicit DiskCopier(CopyMonitor* monitor = nullptr, CopyTuning tuning = {}) : monitor_(monitor), tuning_(tuning) {}
    CopyOutcome Copy(const std::vector<std::string>& sources, const std::string& destFolder, bool showProgress) override;

private:
    CopyMonitor* monitor_;
    CopyTuning tuning_;
};

// The sources of a request: one path, or with `list` the parts between
// ";" up to the first empty one.
std::vector<std::string> SplitSources(const std::string& source, bool list);

// The copy request. A source of 8100 bytes or more is refused with an error
// box and 2, nothing copied, CopyRunning unchanged. Otherwise the copier
// runs (with its progress window unless `hideApi`, CBHIDEAPI); a failure
// adds 1 and its message is shown in an error box unless `hideApi`; a
// cancel by the user adds 2 and clears CopyRunning. 0: the copy was done.
std::uint32_t ShellCopy(ProgramState& state, const std::string& source, const std::string& destFolder, bool list,
                        bool hideApi, UiServices& ui, FileCopier& copier);

} // namespace vt
