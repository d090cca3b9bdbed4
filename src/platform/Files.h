#pragma once
// Files and folders: whole-file reads, line splitting, the safe write used
// for every file the program writes, existence tests, folder listings in the
// shell list's order, and the rename that never replaces another file.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/DateTime.h"

namespace vt {

constexpr char PathDelim = '/';

// Folder part of a path with its trailing "/" ("/opt/vt/vantaro" gives
// "/opt/vt/"); empty when the path has no "/".
std::string ExtractFilePath(std::string_view path);
// The part after the last "/".
std::string ExtractFileName(std::string_view path);
// Full path of the running executable.
std::string ExecutablePath();

bool FileExists(const std::string& path);      // a file, or a link to one
bool DirectoryExists(const std::string& path); // a folder, or a link to one

// The whole file. Throws PlatformError ("File not found" or the system's text).
std::string ReadWholeFile(const std::string& path);

// Lines of a text written on Windows or Linux: a line ends at LF, a CR is
// dropped wherever it stands (so CR LF and a lone LF both end a line), and
// Ctrl-Z (26) ends the text. A last line ended by its line break is followed
// by nothing: "a\r\nb\r\n" is two lines.
std::vector<std::string> SplitTextLines(std::string_view text);

// Writes `data` to a temporary file in the folder of `path`, flushes it to
// the disk and renames it over `path`, so that a crash or a full disk never
// leaves a half-written file under the final name. On failure the temporary
// file is removed, `path` is as it was, and PlatformError is thrown.
void WriteFileAtomic(const std::string& path, std::string_view data);

// One entry of a folder listing.
struct FolderEntry {
    std::string name;       // the bytes the file system gives
    bool isFolder = false;  // a folder, or a link to one
    bool isSymlink = false;
    std::int64_t size = 0;  // 0 for folders
    DateTime modified = 0;  // last write, local time
    bool hidden = false;    // the name begins with "."
};

// ASCII letters compared without case, then byte by byte: "abc" < "ABD",
// "a" < "B", and names that differ only in case keep a fixed order.
int CompareNamesCaseBlind(std::string_view a, std::string_view b);
// The shell list's order: folders first, then files, each by name.
bool ShellOrderLess(const FolderEntry& a, const FolderEntry& b);

// All entries of a folder but "." and "..", hidden ones included, in the
// shell list's order. Throws PlatformError when the folder cannot be read.
std::vector<FolderEntry> ListFolder(const std::string& folder);

// Renames `from` to `to` without ever replacing another file: 0 on success,
// else the errno value (EEXIST when `to` exists). Where the file system
// refuses RENAME_NOREPLACE, a check-then-rename takes its place. A rename to
// another letter case of the same file (same inode) is a plain rename.
int RenameNoReplace(const std::string& from, const std::string& to);

// mkdir with the usual permissions: 0 or the errno value.
int MakeFolder(const std::string& path);

} // namespace vt
