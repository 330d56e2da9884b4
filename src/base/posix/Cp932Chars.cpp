#include "base/Cp932Chars.h"

#include <iconv.h>

#include <cstdlib>

namespace kumo::cp932 {
namespace {

// iconv descriptors are not shared: each thread opens its own, which keeps the codec free of
// state.
class Iconv {
 public:
  Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) std::abort();  // glibc always has CP932
  }
  ~Iconv() { iconv_close(cd_); }
  Iconv(const Iconv&) = delete;
  Iconv& operator=(const Iconv&) = delete;

  // Converts the whole input or returns nothing.
  std::optional<std::string> Convert(std::string_view in) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    std::string src(in);
    char out[16];
    char* ip = src.data();
    std::size_t il = src.size();
    char* op = out;
    std::size_t ol = sizeof out;
    if (iconv(cd_, &ip, &il, &op, &ol) == static_cast<std::size_t>(-1) || il != 0) {
      return std::nullopt;
    }
    return std::string(out, op);
  }

 private:
  iconv_t cd_;
};

// Code points that Windows writes as single bytes of their own and glibc does not: 0x80 both
// ways, and the private-use characters that stand for 0xA0 and 0xFD to 0xFF.
constexpr struct {
  unsigned char byte;
  char32_t code;
  bool decodes;
} SingleBytes[] = {{0x80, U'\u0080', true},
                   {0xA0, U'\uF8F0', false},
                   {0xFD, U'\uF8F1', false},
                   {0xFE, U'\uF8F2', false},
                   {0xFF, U'\uF8F3', false}};

}  // namespace

std::string DecodeChar(std::string_view bytes) {
  if (bytes.size() == 1) {
    for (const auto& s : SingleBytes) {
      if (!s.decodes || static_cast<unsigned char>(bytes[0]) != s.byte) continue;
      std::string out;
      AppendUtf8(out, s.code);
      return out;
    }
  }
  static thread_local Iconv decoder("UTF-8", "CP932");
  return decoder.Convert(bytes).value_or("");
}

std::optional<std::string> EncodeChar(char32_t c) {
  for (const auto& s : SingleBytes) {
    if (c == s.code) return std::string(1, static_cast<char>(s.byte));
  }
  static thread_local Iconv encoder("CP932", "UTF-8");
  std::string utf8;
  AppendUtf8(utf8, c);
  return encoder.Convert(utf8);
}

}  // namespace kumo::cp932
