// The few things each system does in its own way below the file services: one source file per
// system gives them (base/posix, base/windows), the build picks it.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace kumo {

// The path separator the system writes; '/' is read as one everywhere.
extern const char Separator;

// The directory of the running program's executable, without a trailing separator; empty when
// the system cannot tell.
std::string ExecutableDirectory();

// Creates an empty file where none may exist yet; false with the errno value otherwise.
bool CreateNewFile(const std::string& path, int& err);

// The user's own data folder ($XDG_DATA_HOME or ~/.local/share; %LOCALAPPDATA% on Windows),
// with its trailing separator.
std::string UserDataDirectory();

// Rewrites the file through itself: its whole new length reserved first, then the bytes
// written, the file cut to their length and synced. 0, or the errno value of the failure;
// untouched tells a failure that came before any byte changed.
int RewriteFileBytes(const std::string& path, std::string_view bytes, bool& untouched);

// The errno value for an error of the file system library.
int ErrnoOf(const std::error_code& ec);

// The hidden name the new bytes of a save wait under beside the file before they replace it:
// the file's own name, numbered (k > 0) where a file of that name is there already (left by a
// save cut short, or anybody's own: a save removes only the file it made itself). A name
// near the system's limit leaves no room for the ending, and its start stands for it.
std::string SaveTempName(const std::string& folder, const std::string& name, int k);

// The failures every system's file calls share.
[[noreturn]] void FailNotRegular(const char* what, const std::string& path);
[[noreturn]] void FailTooLarge(const std::string& path, unsigned long long size,
                               std::size_t maxBytes);

// Paths are UTF-8 in the program and whatever the system takes at its boundary.
inline std::filesystem::path PathOf(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string Utf8Of(const std::filesystem::path& path) {
  const std::u8string s = path.u8string();
  return {s.begin(), s.end()};
}

}  // namespace kumo
