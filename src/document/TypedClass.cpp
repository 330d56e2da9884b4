#include "document/TypedClass.h"

namespace kumo {

TypedKey TypedClass::Type(char ch, bool letters) {
  if (!Pending()) {
    Drop();
    if (ch < '1' || ch > '3') return TypedKey::NotClass;
    Grade = ch - '0';
    return TypedKey::Grade;
  }
  const char lower = ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
  if (ch >= '1' && ch <= '9') {
    ClassNo = ch - '0';
  } else if (letters && lower >= 'a' && lower < 'a' + MaxClassNo) {
    ClassNo = lower - 'a' + 1;
  } else {
    // The grade stays typed: the next key may still name its class.
    return TypedKey::Wrong;
  }
  return TypedKey::Class;
}

}  // namespace kumo
