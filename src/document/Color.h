// A colour as the settings file stores it and the drawing takes it: 0x00BBGGRR.
#pragma once

#include <cstdint>

namespace kumo {

using ColorRef = std::uint32_t;

constexpr ColorRef Rgb(int r, int g, int b) {
  return static_cast<ColorRef>(r) | (static_cast<ColorRef>(g) << 8) |
         (static_cast<ColorRef>(b) << 16);
}

}  // namespace kumo
