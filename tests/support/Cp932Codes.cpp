// Writes the reference table of CP932 as the system converts it, for the codec's tests:
// built by the Windows build and run there (under Wine), its output is kept as
// tests/base/cp932-windows.txt. Each line is a run of n codes that map one to one onto n
// consecutive characters: "D code char n" for CP932 to Unicode, "E char code n" for Unicode to
// CP932, codes and characters in hexadecimal, n in decimal.
#include <cstdio>
#include <optional>
#include <string>

#include "base/Cp932Chars.h"

namespace {

char32_t Decoded(const std::string& utf8) {
  auto b = [&](std::size_t i) {
    return static_cast<char32_t>(static_cast<unsigned char>(utf8[i]));
  };
  switch (utf8.size()) {
    case 1:
      return b(0);
    case 2:
      return (b(0) & 0x1F) << 6 | (b(1) & 0x3F);
    case 3:
      return (b(0) & 0x0F) << 12 | (b(1) & 0x3F) << 6 | (b(2) & 0x3F);
    default:
      return 0;
  }
}

// Collects pairs in the order of their first member into runs.
class Runs {
 public:
  explicit Runs(char kind) : kind_(kind) {}
  ~Runs() { Flush(); }
  void Add(unsigned from, unsigned to) {
    if (n_ && from == from_ + n_ && to == to_ + n_) {
      ++n_;
      return;
    }
    Flush();
    from_ = from;
    to_ = to;
    n_ = 1;
  }

 private:
  void Flush() {
    if (n_) std::printf("%c %04X %04X %u\n", kind_, from_, to_, n_);
    n_ = 0;
  }
  char kind_;
  unsigned from_ = 0, to_ = 0, n_ = 0;
};

}  // namespace

int main() {
  {
    Runs decode('D');
    for (unsigned code = 0x80; code <= 0xFFFF; ++code) {
      std::string bytes;
      if (code > 0xFF) bytes += static_cast<char>(code >> 8);
      bytes += static_cast<char>(code & 0xFF);
      const std::string utf8 = kumo::cp932::DecodeChar(bytes);
      if (!utf8.empty()) decode.Add(code, Decoded(utf8));
    }
  }
  Runs encode('E');
  for (char32_t c = 0x80; c <= 0xFFFF; ++c) {
    if (c >= 0xD800 && c <= 0xDFFF) continue;
    const std::optional<std::string> bytes = kumo::cp932::EncodeChar(c);
    if (!bytes) continue;
    unsigned code = 0;
    for (char b : *bytes) code = code << 8 | static_cast<unsigned char>(b);
    encode.Add(static_cast<unsigned>(c), code);
  }
}
