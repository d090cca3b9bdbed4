// vantaro-cli copy [--overwrite] --to DEST [--to DEST ...] SOURCE...: the
// copy job of the program. Each SOURCE becomes a copy-list entry as ADDNAMES
// makes it, each DEST a destination; existing files are skipped unless
// --overwrite. As each entry ends at a destination: "copied|skipped|failed
// TAB TARGET"; as each destination ends: "DIRECTORY TAB TEMPO TAB MB/S";
// at the end "Tempo totale : HH:MM:SS". Ctrl-C cancels like "Annulla".
#include <chrono>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

#include "app/ProgramState.h"
#include "cli/Cli.h"
#include "copy/CopyJob.h"
#include "copy/CopyProgress.h"
#include "copy/ShellCopy.h"
#include "platform/ConsoleUi.h"
#include "platform/Files.h"
#include "platform/ShellRows.h"
#include "selection/CopyList.h"
#include "selection/DestList.h"

namespace vt::cli {

namespace {

const bool kStderrIsTerminal = isatty(STDERR_FILENO) != 0;

void ClearProgressLine()
{
    if (kStderrIsTerminal)
        std::fputs("\r\033[K", stderr);
}

// The folder walks of ADDNAMES stop on Ctrl-C, as they stop on a click in
// the window.
class InterruptibleUi : public ConsoleUi {
public:
    explicit InterruptibleUi(ProgramState& state) { StopOnInterrupt(state.StopRequested); }
    void Message(MsgIcon icon, const std::string& text) override
    {
        ClearProgressLine();
        ConsoleUi::Message(icon, text);
    }
};

// The progress line on a terminal, a few times a second; Ctrl-C cancels
// the copy at its next chunk.
class TerminalProgress : public SharedProgress {
public:
    TerminalProgress() { SetExternalCancel(&ConsoleUi::Interrupted); }
    void Started(std::int64_t totalBytes, int fileCount) override
    {
        SharedProgress::Started(totalBytes, fileCount);
        start_ = std::chrono::steady_clock::now();
        last_ = {};
    }
    void FileStarted(const std::string& source, const std::string& target) override
    {
        SharedProgress::FileStarted(source, target);
        Show(true);
    }
    void Advanced(std::int64_t bytes) override
    {
        SharedProgress::Advanced(bytes);
        Show(false);
    }

private:
    void Show(bool force)
    {
        if (!kStderrIsTerminal)
            return;
        auto now = std::chrono::steady_clock::now();
        if (!force && now - last_ < std::chrono::milliseconds(200))
            return;
        last_ = now;
        const double secs = std::chrono::duration<double>(now - start_).count();
        ProgressTexts t = MakeProgressTexts(Snapshot(), secs, ItalianFormat());
        std::string line = t.file + "  " + t.bytes;
        if (!t.throughput.empty())
            line += "  " + t.throughput + "  " + t.timeLeft;
        std::fprintf(stderr, "\r\033[K%s", line.c_str());
        std::fflush(stderr);
    }

    std::chrono::steady_clock::time_point start_, last_;
};

// The copy job's screen as lines on stdout.
class PrintingView : public CopyJobView {
public:
    explicit PrintingView(const ProgramState& state) : state_(state) {}

    void SetEntryState(int row, int st) override
    {
        const char* word = st == kEntryCopied ? "copied" : st == kEntrySkipped ? "skipped" : st == kEntryFailed ? "failed" : nullptr;
        if (!word || dest_ < 0)
            return;
        const auto& e = state_.FileItems[static_cast<std::size_t>(row)];
        Print({word, state_.DestItems[static_cast<std::size_t>(dest_)].Directory + PathDelim + e.Name});
    }
    void ScrollEntryIntoView(int) override {}
    void SetDestState(int row, int st) override
    {
        if (st == kDestCopying)
            dest_ = row;
    }
    void SetDestTexts(int row, const std::string& time, const std::string& throughput) override
    {
        if (time == kUnknownColumnText)
            return;
        Print({state_.DestItems[static_cast<std::size_t>(row)].Directory, time, throughput});
    }
    void SetProgressMax(std::int64_t) override {}
    void SetProgressPosition(std::int64_t) override {}
    void SetTotalTime(const std::string& text) override
    {
        if (text != kUnknownTotalText)
            Print({"Tempo totale : " + text});
    }
    void SetStartEnabled(bool) override {}

private:
    static void Print(const std::vector<std::string>& fields)
    {
        ClearProgressLine();
        PrintRecord(fields);
        std::fflush(stdout);
    }

    const ProgramState& state_;
    int dest_ = -1;
};

int RunCopy(const std::vector<std::string>& args)
{
    bool overwrite = false;
    std::vector<std::string> dests, sources;
    bool optionsEnd = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (!optionsEnd && a == "--") {
            optionsEnd = true;
        } else if (!optionsEnd && a == "--overwrite") {
            overwrite = true;
        } else if (!optionsEnd && a == "--to") {
            if (i + 1 >= args.size())
                return UsageError("copy", "manca la cartella dopo --to");
            dests.push_back(args[++i]);
        } else if (!optionsEnd && a.rfind("--to=", 0) == 0) {
            dests.push_back(a.substr(5));
        } else if (!optionsEnd && a.size() > 1 && a[0] == '-') {
            return UsageError("copy", "opzione sconosciuta: " + a);
        } else {
            sources.push_back(a);
        }
    }
    if (dests.empty())
        return UsageError("copy", "manca la destinazione (--to)");
    if (sources.empty())
        return UsageError("copy", "manca il file o la cartella da copiare");
    for (const auto& d : dests)
        if (!DirectoryExists(d))
            return UsageError("copy", "la destinazione non è una cartella: " + d);

    // Each source as a row of the shell list showing its folder.
    struct Row {
        std::string folder, caption;
    };
    std::vector<Row> rows;
    for (std::string s : sources) {
        while (s.size() > 1 && s.back() == PathDelim)
            s.pop_back();
        struct stat st {};
        if (stat(s.c_str(), &st) != 0 && lstat(s.c_str(), &st) != 0)
            return UsageError("copy", "file o cartella inesistente: " + s);
        const std::string caption = ExtractFileName(s);
        if (caption.empty() || caption == "." || caption == "..")
            return UsageError("copy", "indicare il file o la cartella per nome: " + s);
        std::string folder = s.size() > caption.size() ? s.substr(0, s.size() - caption.size()) : std::string(".");
        rows.push_back({NormalizeFolderPath(folder), caption});
    }

    ConsoleUi::CatchInterrupt();
    ProgramState state;
    InterruptibleUi ui(state);
    for (const auto& r : rows) {
        VectorRows shell(r.folder, {{r.caption, true, -1}});
        const int before = state.FileCount;
        AddSelectedFiles(state, shell, ui, AddFilesOptions{});
        if (ConsoleUi::Interrupted())
            return kExitInterrupted;
        if (state.FileCount == before)
            ui.ShowWarning("non aggiunto alla lista (già presente un elemento con lo stesso nome): " + r.folder +
                           PathDelim + r.caption);
    }
    for (const auto& d : dests)
        AddDestination(state, NormalizeFolderPath(d), ui, AddDestOptions{});
    BuildFileListView(state, ItalianFormat()); // TotalBytes, as the window's redisplay leaves it

    TerminalProgress progress;
    DiskCopier copier(&progress);
    CopyJobOptions options;
    options.skipExisting = !overwrite;
    options.vocal = false;
    PrintingView view(state);
    CopyJobResult r = RunCopyJob(state, options, view, ui, copier);
    ClearProgressLine();
    if (r.aborted || ConsoleUi::Interrupted())
        return kExitInterrupted;
    return r.failed > 0 ? kExitFailed : kExitOk;
}

const RegisterSubcommand kCopy({"copy", "copy [--overwrite] --to DEST [--to DEST...] SOURCE...",
                                "copia file e cartelle in ogni destinazione, come START COPIA", RunCopy});

} // namespace

} // namespace vt::cli
