// The save of a file whose folder refuses new files but which may itself be written (a shared
// school folder): the file can only be rewritten through itself, which no rename makes one
// step. A copy of the old bytes therefore waits in the user's own data folder until the new
// bytes are on the disk, and a save cut short (a crash, a kill, the power) is taken back from
// it when the file is next opened.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kumo {

// The folder the copies wait in, with its trailing separator: kumo/saving/ in the user's data
// folder ($XDG_DATA_HOME, or ~/.local/share).
std::string SaveCopyDirectory();

// Rewrites target, a regular file the user may write, with bytes; path is the name the user
// gave. The whole new length is reserved before the first byte changes, so that a full disk
// fails with nothing changed, and a write that fails part way puts the old bytes back. Throws
// FileError naming path and the reason.
void RewriteInPlace(const std::string& path, const std::string& target, std::string_view bytes);

// The first step of a rewrite with bytes: the file's present bytes are copied into the user's
// data folder, with what tells the new bytes; returns them. A file an earlier rewrite left torn
// keeps the copy of its last whole bytes. Throws FileError naming path and the reason.
std::string KeepSaveCopy(const std::string& path, std::string_view bytes);

// When a rewrite of the file was cut short and left it neither the old nor the new bytes: the
// old bytes, whole. A copy whose rewrite finished, or never began, is no longer needed and is
// removed; nothing then.
std::optional<std::string> InterruptedSaveCopy(const std::string& path);

// Removes the file's copy, once it has been taken back or the user let it go.
void DropSaveCopy(const std::string& path);

}  // namespace kumo
