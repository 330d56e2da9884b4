#include "base/IniFile.h"

#include <charconv>
#include <cstdint>
#include <filesystem>
#include <system_error>

#include "base/Cp932.h"
#include "base/FileError.h"
#include "base/SysFile.h"

namespace kumo {
namespace {

// A settings file is a few kilobytes; this only keeps a stray huge file out of memory.
constexpr std::size_t MaxProfileBytes = 4 * 1024 * 1024;
constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";

std::string_view Trim(std::string_view s) {
  std::size_t b = s.find_first_not_of(" \t");
  if (b == std::string_view::npos) return {};
  return s.substr(b, s.find_last_not_of(" \t") - b + 1);
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// The name of a "[Section]" line, or nothing for any other line.
bool SectionName(std::string_view line, std::string_view& name) {
  std::string_view t = Trim(line);
  if (t.size() < 2 || t.front() != '[') return false;
  std::size_t close = t.find(']');
  if (close == std::string_view::npos) return false;
  name = Trim(t.substr(1, close - 1));
  return true;
}

// The key of a "key=value" line; comment lines and lines without "=" have none.
bool KeyName(std::string_view line, std::string_view& key) {
  std::string_view t = Trim(line);
  std::size_t eq = t.find('=');
  if (t.empty() || t.front() == ';' || eq == std::string_view::npos) return false;
  key = Trim(t.substr(0, eq));
  return true;
}

bool ParseProfileInt(std::string_view text, int& value) {
  std::string_view t = Trim(text);
  int base = 10;
  if (t.starts_with("$")) {
    t.remove_prefix(1);
    base = 16;
  } else if (t.starts_with("0x") || t.starts_with("0X")) {
    t.remove_prefix(2);
    base = 16;
  }
  if (t.empty() || t.front() == '+' || (base == 16 && t.front() == '-')) return false;
  std::int64_t v = 0;
  auto [end, err] = std::from_chars(t.data(), t.data() + t.size(), v, base);
  if (err != std::errc() || end != t.data() + t.size()) return false;
  // Hexadecimal covers the full 32 bits, as colour values are written that way.
  if (base == 16 && v <= 0xFFFFFFFF) v = static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
  if (v < INT32_MIN || v > INT32_MAX) return false;
  value = static_cast<int>(v);
  return true;
}

}  // namespace

IniFile::IniFile(std::string path) : path_(std::move(path)) {
  std::error_code ec;
  if (!std::filesystem::exists(path_, ec)) return;
  std::string bytes = ReadFileBytes(path_, MaxProfileBytes + 1);
  if (bytes.size() > MaxProfileBytes) {
    throw FileError("\"" + path_ + "\" を読み込めません。\nファイルが大きすぎます。");
  }
  if (bytes.starts_with(Utf8Bom)) {
    bom_ = true;
    bytes.erase(0, Utf8Bom.size());
  }
  // A file that is not UTF-8 throughout was written in CP932, or holds one odd line (a path that
  // is not UTF-8): line by line, so that the UTF-8 lines stay as they are and no line can take
  // the next one's line end into a character.
  bool utf8 = IsUtf8(bytes);
  std::size_t firstBreak = bytes.find('\n');
  if (firstBreak != std::string::npos && firstBreak > 0 && bytes[firstBreak - 1] == '\r') {
    newLine_ = "\r\n";
  }
  for (std::size_t pos = 0; pos < bytes.size();) {
    std::size_t nl = bytes.find('\n', pos);
    std::size_t next = nl == std::string::npos ? bytes.size() : nl + 1;
    std::size_t textEnd = nl == std::string::npos ? bytes.size() : nl;
    if (textEnd > pos && bytes[textEnd - 1] == '\r') --textEnd;
    std::string text = bytes.substr(pos, textEnd - pos);
    if (!utf8 && !IsUtf8(text)) text = Cp932ToUtf8(text);
    lines_.push_back({std::move(text), bytes.substr(textEnd, next - textEnd)});
    pos = next;
  }
}

int IniFile::FindKey(std::string_view section, std::string_view key) const {
  bool inSection = false;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    std::string_view name;
    if (SectionName(lines_[i].Text, name)) {
      inSection = SameName(name, section);
    } else if (inSection && KeyName(lines_[i].Text, name) && SameName(name, key)) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

int IniFile::SectionEnd(std::string_view section) const {
  int end = -1;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    std::string_view name;
    if (SectionName(lines_[i].Text, name)) {
      if (end >= 0) break;
      if (SameName(name, section)) end = static_cast<int>(i) + 1;
    } else if (end >= 0 && !Trim(lines_[i].Text).empty()) {
      end = static_cast<int>(i) + 1;  // new keys go before the blank lines that part sections
    }
  }
  return end;
}

void IniFile::InsertLine(int at, std::string text) {
  // A line before the new one must end with a line feed, or the two read back as one.
  if (at > 0 && !lines_[at - 1].End.ends_with('\n')) lines_[at - 1].End = newLine_;
  lines_.insert(lines_.begin() + at, Line{std::move(text), newLine_});
}

std::string IniFile::GetString(std::string_view section, std::string_view key,
                               std::string_view fallback) const {
  int at = FindKey(section, key);
  if (at < 0) return std::string(fallback);
  const std::string& text = lines_[at].Text;
  return std::string(Trim(std::string_view(text).substr(text.find('=') + 1)));
}

int IniFile::GetInt(std::string_view section, std::string_view key, int fallback) const {
  int value = fallback;
  return ParseProfileInt(GetString(section, key, ""), value) ? value : fallback;
}

bool IniFile::GetBool(std::string_view section, std::string_view key, bool fallback) const {
  return GetInt(section, key, fallback ? 1 : 0) != 0;
}

void IniFile::SetString(std::string_view section, std::string_view key, std::string_view value) {
  std::string clean;
  for (char c : value) {
    if (c != '\r' && c != '\n') clean += c;
  }
  int at = FindKey(section, key);
  if (at >= 0) {
    std::string& text = lines_[at].Text;
    text = text.substr(0, text.find('=') + 1) + clean;  // the key keeps its own spelling
    return;
  }
  std::string line = std::string(key) + "=" + clean;
  int end = SectionEnd(section);
  if (end < 0) {
    InsertLine(static_cast<int>(lines_.size()), "[" + std::string(section) + "]");
    end = static_cast<int>(lines_.size());
  }
  InsertLine(end, std::move(line));
}

void IniFile::SetInt(std::string_view section, std::string_view key, int value) {
  SetString(section, key, std::to_string(value));
}

void IniFile::SetBool(std::string_view section, std::string_view key, bool value) {
  SetString(section, key, value ? "1" : "0");
}

void IniFile::Save() const {
  std::string bytes(bom_ ? Utf8Bom : "");
  for (const Line& line : lines_) bytes += line.Text + line.End;
  WriteFileAtomically(path_, bytes);
}

}  // namespace kumo
