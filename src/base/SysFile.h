// Whole-file input and output and the process's directories, over the C library.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kumo {

// Reads the whole file. A file longer than maxBytes is refused, naming its size; a FIFO, a
// device or a directory is refused at once, never waited on. Throws FileError naming the file
// and the system's reason.
std::string ReadFileBytes(const std::string& path, std::size_t maxBytes);

// Replaces the file in one step: the bytes go to a temporary file beside it, which is flushed
// to disk and renamed over the target, so a failure leaves the old file exactly as it was, and
// an interrupted save leaves at most the one hidden file it was writing. A link is followed to
// the file it names, which is created if missing; a link is never replaced, and neither is
// anything that is not a regular file. Where the directory refuses new files but the file
// itself may be written, the file is rewritten through itself (base/InPlaceSave.h), with a copy
// of the old bytes kept until the new ones are down. Throws FileError.
void WriteFileAtomically(const std::string& path, std::string_view bytes);

// A new empty file of its own in the system's temporary folder, removed with the object: for a
// library that writes only to a file it opens by name. Throws FileError.
class ScratchFile {
 public:
  explicit ScratchFile(std::string_view ending);
  ~ScratchFile();
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

// The message for a file that ends before all of it could be read.
std::string EarlyEndMessage(const std::string& path);

// The directory of the running program, with its trailing separator.
std::string ProgramDirectory();
// The data directory of an installed program (share/kumo/ beside the bin/ it runs from), with
// its trailing separator, whether it exists or not.
std::string InstalledDataDirectory(const std::string& programDir);
// A file shipped with the program, by its path below the data (relative, "help/kumo.qch"):
// beside the program in the build tree, else in the installation's data directory; the build
// tree's path when neither exists.
std::string ShippedFile(const std::string& programDir, const std::string& relative);
std::string CurrentDirectory();
// The path made absolute against the current directory, without "." and ".." steps.
std::string AbsolutePath(const std::string& path);
// Throws FileError when the directory cannot be made current.
void SetCurrentDirectory(const std::string& dir);
// The directory part of a path, without the trailing separator ("" for a bare name).
std::string DirectoryOf(const std::string& path);
// The file name without its directory.
std::string FileNameOf(const std::string& path);

}  // namespace kumo
