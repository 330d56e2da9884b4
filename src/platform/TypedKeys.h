// Keys as the input method may send them: digits, letters and signs in full width stand for
// the ASCII keys they show.
#pragma once

#include <QChar>

namespace kumo {

inline QChar HalfWidth(QChar ch) {
  const char16_t c = ch.unicode();
  return c >= u'\uFF01' && c <= u'\uFF5E' ? QChar(static_cast<char16_t>(c - 0xFEE0)) : ch;
}

}  // namespace kumo
