// Full-width forms of half-width digits and letters, for numbers in grids and printouts.
#pragma once

#include <string>
#include <string_view>

namespace kumo {

// Half-width ASCII (CP932 bytes) to the full-width CP932 characters, two bytes per input byte.
// Only the first 80 input bytes are converted.
std::string ToFullWidth(std::string_view ascii);

// JIS X 0208 code pairs to CP932 pairs. A text starting with the escape byte 0x1B is taken to be
// wrapped in a two-byte escape sequence at each end, which is dropped. A last unpaired byte is
// dropped too.
std::string JisToSjis(std::string_view jis);

}  // namespace kumo
