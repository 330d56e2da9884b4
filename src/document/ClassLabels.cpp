#include "document/ClassLabels.h"

#include <string>

#include "document/FullWidth.h"

namespace kumo {
namespace {

constexpr std::string_view FullWidthSpace = "\x81\x40";
constexpr int CircledBase = 0x8740;  // ①
constexpr int LetterBase = 0x8260;   // Ａ

}  // namespace

ClassLabelStyle ShownLabelStyle(const Options& options) {
  if (options.LetterLabels) return ClassLabelStyle::Letters;
  return options.CircledLabels ? ClassLabelStyle::Circled : ClassLabelStyle::Digits;
}

ClassLabelStyle TeacherListLabelStyle(const Options& options) {
  return options.LetterLabels ? ClassLabelStyle::Letters : ClassLabelStyle::Circled;
}

ClassLabelTable ClassLabelsOf(ClassLabelStyle style, const ClassLabelTable& before) {
  ClassLabelTable labels = before;
  if (style == ClassLabelStyle::Digits) {
    for (int c = 1; c <= MaxClassNo; ++c) {
      const std::string digits = std::to_string(c);
      labels[c].Assign(c <= 9 ? ToFullWidth(digits) : digits);
    }
    return labels;
  }
  labels[0].Assign(FullWidthSpace);
  const int base = style == ClassLabelStyle::Letters ? LetterBase : CircledBase;
  for (int c = 1; c <= MaxClassNo; ++c) {
    const int code = base + c - 1;
    labels[c].Len = 2;
    labels[c].Bytes[0] = static_cast<Byte>(code >> 8);
    labels[c].Bytes[1] = static_cast<Byte>(code & 0xFF);
  }
  return labels;
}

}  // namespace kumo
