// The Windows Japanese faces that settings and timetables name, and the faces Linux has for
// them.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace kumo {

struct FaceSubstitution {
  std::string_view WindowsName;  // UTF-8
  std::string_view SystemName;
};

// The IPA faces, whose full-width characters are exactly twice as wide as the half-width ones,
// for the Windows faces by their Japanese and their Latin names.
std::span<const FaceSubstitution> FaceSubstitutions();

// The face the system draws for a face name (UTF-8): its IPA counterpart for a Windows face,
// any other name as it is.
std::string SystemFace(std::string_view face);

}  // namespace kumo
