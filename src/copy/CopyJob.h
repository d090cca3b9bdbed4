#pragma once
// The copy job (SBCOPIA, "START COPIA"): the whole copy list to every
// destination, one after the other, with the state of every entry and
// destination, the total progress bar, each destination's time and
// throughput, the total time and the two voice messages.
//
// The window's handler is a few lines: it implements CopyJobView over
// LISTASORG, LDEST, PBTOT, TPASSATO and SBCOPIA (copy/qt/QtCopyJobView.h
// does), fills CopyJobOptions from RBSKIPFILE, CBHIDEAPI and VOCAL, and
// calls RunCopyJob with its copier (copy/qt/QtFileCopier.h).
#include <cstdint>
#include <functional>
#include <string>

#include "app/ProgramState.h"
#include "copy/ShellCopy.h"
#include "platform/Regional.h"
#include "platform/UiServices.h"

namespace vt {

// State images (ImageList2) of the rows of LISTASORG...
constexpr int kEntryWaiting = 0;
constexpr int kEntryCopying = 1;
constexpr int kEntryCopied = 2;
constexpr int kEntryFailed = 3;
constexpr int kEntrySkipped = 4;
// ...and of the rows of LDEST.
constexpr int kDestWaiting = 0;
constexpr int kDestCopying = 1;
constexpr int kDestDone = 2;

// The texts a column or label shows before the job has a figure for it.
inline constexpr const char* kUnknownColumnText = "???";
inline constexpr const char* kUnknownTotalText = "?:??:??";
inline constexpr const char* kNoThroughputText = "na";

inline constexpr const char* kDestVoice = "FineDest.wav";
inline constexpr const char* kJobVoice = "FineJob.wav";

// What the job writes to the screen.
class CopyJobView {
public:
    virtual ~CopyJobView() = default;
    virtual void SetEntryState(int row, int state) = 0; // LISTASORG state image
    virtual void ScrollEntryIntoView(int row) = 0;      // LISTASORG
    virtual void SetDestState(int row, int state) = 0;  // LDEST state image
    // LDEST sub-items "Tempo" and "MB/s".
    virtual void SetDestTexts(int row, const std::string& time, const std::string& throughput) = 0;
    // PBTOT, in units of 1000 bytes (a window whose bar takes 32 bits
    // holds up to about 2 TB in total).
    virtual void SetProgressMax(std::int64_t max) = 0;
    virtual void SetProgressPosition(std::int64_t position) = 0;
    virtual void SetTotalTime(const std::string& text) = 0; // TPASSATO
    virtual void SetStartEnabled(bool enabled) = 0;        // SBCOPIA
};

struct CopyJobOptions {
    bool skipExisting = true; // RBSKIPFILE checked (else RBOVERWRITE)
    bool hideApi = false;     // CBHIDEAPI
    bool vocal = true;        // VOCAL
    std::string programFolder; // where the voice files are, trailing "/"
    // Stopwatch ticks; empty: the steady clock (tests drive their own).
    std::function<std::uint32_t()> ticks;
    FormatSettings format = ItalianFormat();
};

struct CopyJobResult {
    bool aborted = false; // the user cancelled a copy: the job ended there
    int copied = 0, skipped = 0, failed = 0; // entries, over all destinations
};

// SBCOPIAClick. Runs on the calling thread to its end or to an abort; the
// copier may run the event loop meanwhile (its progress window), so a
// second start while one runs is refused with a beep.
CopyJobResult RunCopyJob(ProgramState& state, const CopyJobOptions& options, CopyJobView& view, UiServices& ui,
                         FileCopier& copier);

// "MB/s" of a destination: bytes / secs / 1048576 with two decimals, "na"
// under one second.
std::string ThroughputText(std::int64_t bytes, std::int32_t secs, const FormatSettings& fs);

// Starts a voice message from the program folder when `vocal`; a missing
// file stays silent.
void PlayVoice(UiServices& ui, bool vocal, const std::string& programFolder, const std::string& name);

} // namespace vt
