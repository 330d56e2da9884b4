#include "document/FontFaces.h"

#include <algorithm>

namespace kumo {
namespace {

constexpr FaceSubstitution Substitutions[] = {
    {"ＭＳ ゴシック", "IPAGothic"}, {"MS Gothic", "IPAGothic"},   {"ＭＳ Ｐゴシック", "IPAPGothic"},
    {"MS PGothic", "IPAPGothic"},   {"ＭＳ 明朝", "IPAMincho"},   {"MS Mincho", "IPAMincho"},
    {"ＭＳ Ｐ明朝", "IPAPMincho"},  {"MS PMincho", "IPAPMincho"},
};

}  // namespace

std::span<const FaceSubstitution> FaceSubstitutions() {
  return Substitutions;
}

std::string SystemFace(std::string_view face) {
  const auto* found =
      std::find_if(std::begin(Substitutions), std::end(Substitutions),
                   [face](const FaceSubstitution& s) { return s.WindowsName == face; });
  return std::string(found == std::end(Substitutions) ? face : found->SystemName);
}

}  // namespace kumo
