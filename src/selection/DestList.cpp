#include "selection/DestList.h"

#include <cmath>

namespace vt {

int FindDestItem(const ProgramState& state, const std::string& path, const std::string& label, bool verifyInDest,
                 UiServices& ui)
{
    if (!verifyInDest)
        return -1;
    for (int i = 0; i < state.DestCount; ++i) {
        const auto& d = state.DestItems[static_cast<std::size_t>(i)];
        if (d.Volume == label && d.Directory == path) {
            ui.Beep();
            return i;
        }
    }
    return -1;
}

bool AddDestination(ProgramState& state, const std::string& folder, UiServices& ui, const AddDestOptions& options)
{
    const std::string label = GetVolumeLabel(folder, options.volumes);
    if (FindDestItem(state, folder, label, options.verifyInDest, ui) >= 0)
        return false;
    if (state.DestCount >= kDestSlots) {
        ui.Beep();
        ui.ShowWarning("La lista delle destinazioni è piena (" + std::to_string(kDestSlots) +
                       " destinazioni): la cartella non è stata aggiunta.");
        return false;
    }
    DestItem d;
    d.Directory = folder;
    d.FreeBytes = FreeBytesOf(folder);
    d.Volume = label;
    state.DestItems[static_cast<std::size_t>(state.DestCount)] = std::move(d);
    ++state.DestCount;
    return true;
}

void RemoveSelectedDests(ProgramState& state, const std::vector<int>& selectedRows)
{
    RemoveTableRows(state.DestItems, state.DestCount, selectedRows);
}

void ClearDests(ProgramState& state) { ClearTable(state.DestItems, state.DestCount); }

bool HasEnoughSpace(const DestItem& dest, double minMB, std::int64_t totalBytes)
{
    const double need = minMB * 1048576.0 + static_cast<double>(totalBytes);
    return static_cast<double>(dest.FreeBytes) > need;
}

std::string FreeMBText(std::int64_t freeBytes, const FormatSettings& fs)
{
    double mb = static_cast<double>(freeBytes) / 1048576.0;
    // An unreadable drive (-1 bytes) would round to "-0".
    if (std::round(mb) == 0)
        mb = 0;
    return FormatNumber(mb, 0, 6, fs);
}

DestListView BuildDestListView(const ProgramState& state, double minMB, const FormatSettings& fs)
{
    DestListView v;
    for (int i = 0; i < state.DestCount; ++i) {
        const auto& d = state.DestItems[static_cast<std::size_t>(i)];
        const int mark = HasEnoughSpace(d, minMB, state.TotalBytes) ? kMarkEnoughSpace : kMarkShortOfSpace;
        v.ldest2.push_back({d.Volume, {d.Directory, FreeMBText(d.FreeBytes, fs)}, mark, -1});
        v.ldest.push_back({d.Volume, {d.Directory, "???", "???"}, mark, kStateWaiting});
    }
    return v;
}

} // namespace vt
