// vantaro-cli dupes MEDIUM [--date] [--size] [--res] [--archive DIR]: the
// media scan, then the duplicate search ("CERCA") with the chosen criteria;
// the titles in their order after the search, "*" before the marked ones,
// then the count of pairs found. --timing writes the time the search took
// on stderr (for the benchmark).
#include <chrono>
#include <cstdio>

#include "cli/MediaCli.h"

namespace vt::cli {

namespace {

int RunDupes(const std::vector<std::string>& args)
{
    MediaArgs a;
    if (int rc = ParseMediaArgs("dupes", args, {"--archive", "--date", "--size", "--res", "--timing"}, a); rc >= 0)
        return rc;
    ProgramState state;
    bool stopped = false;
    if (int rc = RunMediaScan(a, state, stopped); rc >= 0)
        return rc;
    const auto t0 = std::chrono::steady_clock::now();
    const int found = FindDuplicateTitles(state, {a.date, a.size, a.res}, ItalianFormat());
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - t0;
    if (a.timing)
        std::fprintf(stderr, "CERCA: %zu titoli, %.1f ms\n", state.MediaTitles.size(), took.count());
    for (const auto& t : state.MediaTitles) {
        std::vector<std::string> fields{t.DuplicateMark ? "*" : ""};
        for (auto& c : MediaColumns(t))
            fields.push_back(std::move(c));
        PrintRecord(fields);
    }
    PrintRecord({DuplicatesFoundText(found)});
    std::fflush(stdout);
    return kExitOk;
}

const RegisterSubcommand reg({"dupes", "dupes MEDIA [--date] [--size] [--res] [--archive DIR] [--timing]",
                              "scansione del media e ricerca dei titoli doppi (CERCA)", RunDupes});

} // namespace

} // namespace vt::cli
