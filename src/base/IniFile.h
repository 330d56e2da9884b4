// A profile file of "[Section]" and "key=value" lines, read whole and written whole. Lines the
// program does not know (other tools' keys, comments, blank lines) come back out untouched.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kumo {

class IniFile {
 public:
  // Reads the file; a missing file gives an empty profile. Throws FileError when the file
  // exists but cannot be read.
  explicit IniFile(std::string path);

  const std::string& Path() const { return path_; }

  // Section and key names match whatever their case; of two equal keys the first one counts.
  std::string GetString(std::string_view section, std::string_view key,
                        std::string_view fallback) const;
  // Decimal, or hexadecimal after "$", "0x" or "0X"; a value that does not parse gives fallback.
  int GetInt(std::string_view section, std::string_view key, int fallback) const;
  // The integer rule; non-zero is true.
  bool GetBool(std::string_view section, std::string_view key, bool fallback) const;

  // Replaces the value in place, or appends the key to its section (the section to the file).
  // A value never spans lines: line breaks in it are dropped.
  void SetString(std::string_view section, std::string_view key, std::string_view value);
  void SetInt(std::string_view section, std::string_view key, int value);
  void SetBool(std::string_view section, std::string_view key, bool value);

  // Replaces the file in one step (UTF-8); on failure throws FileError and the old file stays.
  void Save() const;

 private:
  struct Line {
    std::string Text;
    std::string End;  // "\r\n", "\n", or "" or "\r" for a last line without a line feed
  };
  // Index of the first line holding the key in a section of that name, or -1.
  int FindKey(std::string_view section, std::string_view key) const;
  // Index after the last line of the first section of that name, or -1.
  int SectionEnd(std::string_view section) const;
  void InsertLine(int at, std::string text);

  std::string path_;
  std::vector<Line> lines_;
  std::string newLine_ = "\n";  // for lines we add: the file's own line end
  bool bom_ = false;
};

}  // namespace kumo
