#pragma once
// The "drive" of a path on Linux: the mount that holds it (the longest
// mount-point prefix in /proc/self/mountinfo), its free bytes (statvfs) and
// its file system's label (the /dev/disk/by-label entry that resolves to the
// mount's device). The readers take their sources as parameters so that the
// tests can hand them a made-up mount table and a fake by-label folder.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vt {

// One line of a mountinfo file, with the octal escapes ("\040") decoded.
struct MountEntry {
    unsigned major = 0, minor = 0; // st_dev of the files on this mount
    std::string mountPoint;
    std::string fsType;
    std::string source; // "/dev/sda1", "tmpfs", "server:/share", ...
};

// Where the mount table and the labels are read from.
struct VolumeSource {
    std::string mountInfoPath = "/proc/self/mountinfo";
    std::string byLabelDir = "/dev/disk/by-label";
};

// The lines of a mountinfo text, in file order; lines that do not have the
// mountinfo shape are left out.
std::vector<MountEntry> ParseMountInfo(std::string_view text);

// The mount that holds `path` (absolute): the longest mount point that is
// the path itself or a folder above it; of mounts stacked on the same point
// the last one, which is the one in view. nullopt when none matches.
std::optional<MountEntry> FindMount(const std::vector<MountEntry>& mounts, std::string_view path);

// The mount of `path`, read from src.mountInfoPath; nullopt when the table
// cannot be read or holds no mount for it.
std::optional<MountEntry> MountOf(const std::string& path, const VolumeSource& src = {});

// Free bytes available to the user on the file system that holds `path`
// (f_bavail x f_frsize); -1 when it cannot be read.
std::int64_t FreeBytesOf(const std::string& path);

// The label of the mount's file system: the name of the entry of
// `byLabelDir` that resolves to the mount's source device (same path after
// resolving links, or a block device with the mount's device number), with
// udev's "\xHH" escapes decoded. Empty when there is none or the folder
// cannot be read.
std::string LabelOfMount(const MountEntry& mount, const std::string& byLabelDir);

// The label of the file system that holds `path`; empty when there is none.
std::string GetVolumeLabel(const std::string& path, const VolumeSource& src = {});

// What the destination list records about a folder, measured once.
struct VolumeInfo {
    std::string mountPoint; // empty when the mount table has none for it
    std::string label;
    std::int64_t freeBytes = -1;
};

VolumeInfo ProbeVolume(const std::string& path, const VolumeSource& src = {});

} // namespace vt
