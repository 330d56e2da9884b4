// How class numbers are written: full-width digits, circled numbers or full-width letters. The
// document keeps the table its views show; a print works out its own without touching it.
#pragma once

#include "document/Options.h"
#include "document/Records.h"

namespace kumo {

using ClassLabelTable = Indexed<Text<2>, 0, MaxClassNo>;

enum class ClassLabelStyle { Digits, Circled, Letters };

// The style of the class display type: letters win over circled numbers.
ClassLabelStyle ShownLabelStyle(const Options& options);
// The teacher list prints circled numbers, unless letters are shown.
ClassLabelStyle TeacherListLabelStyle(const Options& options);

// The labels of a style (CP932). Digits leave entry 0 as before has it; the other styles make
// it a full-width space.
ClassLabelTable ClassLabelsOf(ClassLabelStyle style, const ClassLabelTable& before = {});

}  // namespace kumo
