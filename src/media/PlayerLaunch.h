#pragma once
// The external players: the user's video player (PLAYER, "xdg-open" at
// first start) for one file, the side-by-side launcher "Bivisore" for two.
// A player is started detached with posix_spawnp, each file path one
// argument: no shell and no quoting, so a name with quotes, blanks, "$" or
// a line break reaches the player unchanged. The program does not wait for
// the player and does not track it.
//
// Handlers, each a few lines:
//   PREVIEWClick:  PlayVideo(PLAYER->Path(), PreviewFile(*SLV1));
//   NAVPLAYERClick: plain open-file dialog; on a choice PLAYER := the file, SBSAVE enabled
//   SBHDPLAYClick (list window): PlayVideo(player, MediaTitleFile(row));
#include <functional>
#include <string>
#include <vector>

#include "platform/ShellRows.h"

namespace vt {

// The side-by-side launcher's name.
inline constexpr const char* kSideBySidePlayer = "Bivisore";

struct PlayerCommand {
    std::string program;           // as posix_spawnp looks it up
    std::vector<std::string> args; // the arguments after argv[0]
    bool operator==(const PlayerCommand&) const = default;
};

// What starts a program: the real one spawns it detached, tests record it.
// Throws PlatformError when the program cannot be started.
using Spawner = std::function<void(const PlayerCommand&)>;

// One file (`second` empty): `player` with `first`; two files: the
// side-by-side launcher `sideBySide` with `first` and `second`.
PlayerCommand BuildPlayerCommand(const std::string& player, const std::string& first, const std::string& second,
                                 const std::string& sideBySide);

// The side-by-side launcher: "Bivisore" in `programFolder` (the folder of
// the executable, ending in "/") when it is there and executable, else the
// bare name for the search path.
std::string SideBySidePlayerIn(const std::string& programFolder);

// Starts `cmd.program` in a session of its own with the default signal
// handling, and returns without waiting. Children that ended are reaped at
// the next start, so none stays a zombie for long. Throws PlatformError
// with the system's text and the program's name when it cannot be started
// ("File not found: zplayer" for a player that is not there): on Linux no
// shell reports that for the program.
void SpawnDetached(const PlayerCommand& cmd);

// PlayVideo: starts the player on `first`, or the side-by-side launcher
// beside the executable (or on the search path) on both files. `spawn`
// defaults to SpawnDetached.
void PlayVideo(const std::string& player, const std::string& first, const std::string& second = {},
               const Spawner& spawn = {});

// PREVIEW's file: the shell list's folder + "/" + the caption of its first
// selected row (a root folder gives "//name"); empty when none is selected.
std::string PreviewFile(const ShellRows& rows);

} // namespace vt
