// How the teacher list writes homerooms and class pieces, in the three styles the user picks
// ("1②", " ②", "1-2"); shared by the printed list and its text export.
#pragma once

#include <string>

#include "document/ClassLabels.h"
#include "document/Records.h"

namespace kumo {

// The texts take the class labels they write with: the printed list circles the numbers, the
// export writes them as the views show them.

// The line's homeroom (CP932): style 0 the grade and the class label, style 1 the label alone,
// style 2 grade, "-" and the class as a letter (letters display type) or a number. Empty for a
// line without a grade 1..3 or without a homeroom.
std::string HomeroomText(const ClassLabelTable& labels, const Options& options,
                         const TeacherLine& line);

// "1-2", or "1-B" under the letters display type: the third style, and the print dialog's list.
std::string DashedClassName(const Options& options, int grade, int classNo);

// Where style 1 leaves out the grade of a class in the line's own grade: the printed list keeps
// its column with a space, the export writes the label alone.
enum class OwnGrade { Space, Omitted };

// A class piece of the line (CP932).
std::string ClassPieceText(const ClassLabelTable& labels, const Options& options,
                           const TeacherLine& line, const PeriodCell& piece,
                           OwnGrade ownGrade = OwnGrade::Space);

}  // namespace kumo
