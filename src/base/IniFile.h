// A profile file of "[Section]" and "key=value" lines, read whole and written whole. Lines the
// program does not change (other tools' keys, comments, blank lines) go back out byte for byte.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kumo {

class IniFile {
 public:
  // A settings file is a few kilobytes; this only keeps a stray huge file out of memory.
  static constexpr std::size_t MaxBytes = 4 * 1024 * 1024;

  // Reads the file; a missing file gives an empty profile. Throws FileError when the file
  // exists but cannot be read, or is longer than MaxBytes.
  explicit IniFile(std::string path);

  const std::string& Path() const { return path_; }

  // Section and key names match whatever their case; of two equal keys the first one counts.
  // The spaces around a value are not part of it, nor is a pair of double quotes around it.
  std::string GetString(std::string_view section, std::string_view key,
                        std::string_view fallback) const;
  // Decimal, or hexadecimal after "$", "0x" or "0X"; a value that does not parse gives fallback.
  int GetInt(std::string_view section, std::string_view key, int fallback) const;
  // The integer rule; non-zero is true.
  bool GetBool(std::string_view section, std::string_view key, bool fallback) const;

  // Replaces the value in place, or appends the key to its section (the section to the file).
  // A value never spans lines: line breaks in it are dropped. A value with spaces at its ends,
  // or in double quotes of its own, is written in double quotes, so that it reads back whole.
  // Setting the value a line already holds leaves the line as it was.
  void SetString(std::string_view section, std::string_view key, std::string_view value);
  void SetInt(std::string_view section, std::string_view key, int value);
  void SetBool(std::string_view section, std::string_view key, bool value);

  // Replaces the file in one step; on failure throws FileError and the old file stays. Lines
  // the program wrote are UTF-8.
  void Save() const;

 private:
  static constexpr std::size_t None = static_cast<std::size_t>(-1);

  // Lines are kept in the order they were read or added; Next links them in the file's order,
  // so that adding a line moves no other and the indexes below stay valid.
  struct Line {
    std::string Text;   // UTF-8, as the program reads it
    std::string Bytes;  // as the file holds it, without the line end
    std::string End;    // "\r\n", "\n", or "" or "\r" for a last line without a line feed
    std::size_t Next = None;
  };

  // Every section of one name, the name in lower case.
  struct Section {
    std::vector<std::size_t> Headers;  // their "[Section]" lines, in the file's order
    std::size_t End = None;        // the line new keys follow: the first one's last line not blank
    mutable bool Indexed = false;  // their keys are in keys_
  };

  // Appends a line to lines_ and links it in after the line at `after` (None: at the start).
  std::size_t InsertAfter(std::size_t after, std::string text);
  // The line holding the key, or None.
  std::size_t FindKey(std::string_view section, std::string_view key) const;

  std::string path_;
  std::vector<Line> lines_;
  std::size_t first_ = None;
  std::size_t last_ = None;
  std::unordered_map<std::string, Section> sections_;
  // By section name and key, both in lower case and joined by a line feed: the first line that
  // holds the key in a section of that name. A section's keys are indexed when it is first
  // looked into, so that the sections of other programs cost nothing beyond their reading.
  mutable std::unordered_map<std::string, std::size_t> keys_;
  std::string newLine_ = "\n";  // for lines we add: the file's own line end
  bool bom_ = false;
};

}  // namespace kumo
