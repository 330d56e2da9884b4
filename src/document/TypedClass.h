// A class typed at the edit table's cursor: the grade digit, then the class as the labels show
// it (a digit, or a letter when the classes are lettered).
#pragma once

#include "document/Records.h"

namespace kumo {

enum class TypedKey {
  NotClass,  // not a key of a class: others may take it
  Grade,     // a grade typed; the class is still to come
  Class,     // a whole class typed
  Wrong,     // after a grade, a key that names no class
};

struct TypedClass {
  int Grade = 0;  // the grade typed so far; 0: none
  int ClassNo = 0;

  // Takes one character typed (ASCII; full-width digits and letters are turned half-width by
  // the caller). A whole class leaves Grade and ClassNo set until the next key.
  TypedKey Type(char ch, bool letters);
  void Drop() { Grade = ClassNo = 0; }
  bool Pending() const { return Grade != 0 && ClassNo == 0; }
};

}  // namespace kumo
