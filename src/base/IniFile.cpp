#include "base/IniFile.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <filesystem>
#include <system_error>
#include <utility>

#include "base/Cp932.h"
#include "base/SysFile.h"

namespace kumo {
namespace {

constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";

std::string_view Trim(std::string_view s) {
  std::size_t b = s.find_first_not_of(" \t");
  if (b == std::string_view::npos) return {};
  return s.substr(b, s.find_last_not_of(" \t") - b + 1);
}

// A value with spaces at its ends, or with quotes of its own around it, is written inside a pair
// of double quotes, which reading takes off again: reading trims the spaces around a value.
bool IsQuoted(std::string_view value) {
  return value.size() >= 2 && value.front() == '"' && value.back() == '"';
}
bool NeedsQuotes(std::string_view value) {
  return !value.empty() && (Trim(value).size() != value.size() || IsQuoted(value));
}

// Names match whatever their case: the index holds them in lower case.
std::string Lower(std::string_view name) {
  std::string lower(name);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

std::string KeyIndex(std::string_view section, std::string_view key) {
  std::string index = Lower(section);
  index += '\n';
  index += Lower(key);
  return index;
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
  std::string bytes = ReadFileBytes(path_, MaxBytes);
  std::string_view rest(bytes);
  if (rest.starts_with(Utf8Bom)) {
    bom_ = true;
    rest.remove_prefix(Utf8Bom.size());
  }
  // A file that is not UTF-8 throughout was written in CP932, or holds one odd line (a path that
  // is not UTF-8): line by line, so that the UTF-8 lines stay as they are and no line can take
  // the next one's line end into a character.
  const bool utf8 = IsUtf8(rest);
  const std::size_t firstBreak = rest.find('\n');
  if (firstBreak != std::string_view::npos && firstBreak > 0 && rest[firstBreak - 1] == '\r') {
    newLine_ = "\r\n";
  }
  // Room for the keys the program adds, so that adding them moves no line.
  lines_.reserve(static_cast<std::size_t>(std::count(rest.begin(), rest.end(), '\n')) + 256);
  Section* firstOfName = nullptr;  // the section being read, when it is the first of its name
  while (!rest.empty()) {
    const std::size_t nl = rest.find('\n');
    const std::size_t next = nl == std::string_view::npos ? rest.size() : nl + 1;
    std::size_t textEnd = nl == std::string_view::npos ? rest.size() : nl;
    if (textEnd > 0 && rest[textEnd - 1] == '\r') --textEnd;
    Line line;
    line.Bytes = rest.substr(0, textEnd);
    line.End = rest.substr(textEnd, next - textEnd);
    line.Text = utf8 || IsUtf8(line.Bytes) ? line.Bytes : Cp932ToUtf8(line.Bytes);
    rest.remove_prefix(next);
    const std::size_t at = lines_.size();
    std::string_view name;
    if (SectionName(line.Text, name)) {
      Section& section = sections_[Lower(name)];
      section.Headers.push_back(at);
      firstOfName = section.Headers.size() == 1 ? &section : nullptr;
      if (firstOfName != nullptr) firstOfName->End = at;
    } else if (firstOfName != nullptr && !Trim(line.Text).empty()) {
      firstOfName->End = at;  // new keys go before the blank lines that part sections
    }
    if (at > 0) lines_.back().Next = at;
    lines_.push_back(std::move(line));
  }
  if (!lines_.empty()) {
    first_ = 0;
    last_ = lines_.size() - 1;
  }
}

std::size_t IniFile::FindKey(std::string_view section, std::string_view key) const {
  const auto found = sections_.find(Lower(section));
  if (found == sections_.end()) return None;
  const Section& s = found->second;
  if (!s.Indexed) {
    s.Indexed = true;
    for (std::size_t header : s.Headers) {
      for (std::size_t at = lines_[header].Next; at != None; at = lines_[at].Next) {
        std::string_view name;
        if (SectionName(lines_[at].Text, name)) break;
        if (KeyName(lines_[at].Text, name)) keys_.try_emplace(KeyIndex(found->first, name), at);
      }
    }
  }
  const auto line = keys_.find(KeyIndex(section, key));
  return line == keys_.end() ? None : line->second;
}

std::size_t IniFile::InsertAfter(std::size_t after, std::string text) {
  const std::size_t at = lines_.size();
  Line line;
  line.Bytes = text;
  line.Text = std::move(text);
  line.End = newLine_;
  if (after == None) {
    line.Next = first_;
    first_ = at;
  } else {
    // The line before the new one must end with a line feed, or the two read back as one.
    Line& before = lines_[after];
    if (!before.End.ends_with('\n')) before.End = newLine_;
    line.Next = before.Next;
    before.Next = at;
  }
  if (line.Next == None) last_ = at;
  lines_.push_back(std::move(line));
  return at;
}

std::string IniFile::GetString(std::string_view section, std::string_view key,
                               std::string_view fallback) const {
  const std::size_t at = FindKey(section, key);
  if (at == None) return std::string(fallback);
  const std::string_view text = lines_[at].Text;
  // A stray carriage return is a line break, which no value holds.
  std::string raw;
  for (char c : text.substr(text.find('=') + 1)) {
    if (c != '\r') raw += c;
  }
  const std::string_view value = Trim(raw);
  return std::string(IsQuoted(value) ? value.substr(1, value.size() - 2) : value);
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
  if (NeedsQuotes(clean)) clean = '"' + clean + '"';
  if (const std::size_t at = FindKey(section, key); at != None) {
    Line& line = lines_[at];
    // The key keeps its own spelling.
    std::string text = line.Text.substr(0, line.Text.find('=') + 1);
    text += clean;
    if (text != line.Text) {
      line.Bytes = text;
      line.Text = std::move(text);
    }
    return;
  }
  auto found = sections_.find(Lower(section));
  if (found == sections_.end()) {
    std::string header = "[";
    header += section;
    header += ']';
    const std::size_t at = InsertAfter(last_, std::move(header));
    found = sections_.emplace(Lower(section), Section{{at}, at, true}).first;
  }
  std::string line(key);
  line += '=';
  line += clean;
  Section& s = found->second;
  s.End = InsertAfter(s.End, std::move(line));
  keys_.emplace(KeyIndex(section, key), s.End);
}

void IniFile::SetInt(std::string_view section, std::string_view key, int value) {
  SetString(section, key, std::to_string(value));
}

void IniFile::SetBool(std::string_view section, std::string_view key, bool value) {
  SetString(section, key, value ? "1" : "0");
}

void IniFile::Save() const {
  std::string bytes(bom_ ? Utf8Bom : "");
  for (std::size_t at = first_; at != None; at = lines_[at].Next) {
    bytes += lines_[at].Bytes;
    bytes += lines_[at].End;
  }
  WriteFileAtomically(path_, bytes);
}

}  // namespace kumo
