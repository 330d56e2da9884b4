#include "document/TeacherListText.h"

namespace kumo {
namespace {

// grade, then the class as the style writes it; gradeText stands for the grade.
std::string ClassText(const ClassLabelTable& labels, const Options& options, int grade, int classNo,
                      const std::string& gradeText) {
  if (classNo < 0 || classNo > MaxClassNo) return {};
  if (options.TeachersKind != 2) return gradeText + std::string(labels[classNo].View());
  return DashedClassName(options, grade, classNo);
}

}  // namespace

std::string DashedClassName(const Options& options, int grade, int classNo) {
  constexpr char BeforeA = 'A' - 1;
  const std::string number = options.ViewClassType == 2 && classNo >= 1
                                 ? std::string(1, static_cast<char>(BeforeA + classNo))
                                 : std::to_string(classNo);
  return std::to_string(grade) + "-" + number;
}

std::string HomeroomText(const ClassLabelTable& labels, const Options& options,
                         const TeacherLine& line) {
  if (line.Grade < 1 || line.Grade > 3 || line.Homeroom == 0) return {};
  if (options.TeachersKind == 1 && line.Homeroom <= MaxClassNo) {
    return std::string(labels[line.Homeroom].View());
  }
  return ClassText(labels, options, line.Grade, line.Homeroom, std::to_string(line.Grade));
}

std::string ClassPieceText(const ClassLabelTable& labels, const Options& options,
                           const TeacherLine& line, const PeriodCell& piece, OwnGrade ownGrade) {
  if (!piece.IsClass()) return {};
  const bool leftOut = options.TeachersKind == 1 && piece.Kind == line.Grade;
  const std::string gradeText = !leftOut                      ? std::to_string(piece.Kind)
                                : ownGrade == OwnGrade::Space ? std::string(" ")
                                                              : std::string();
  return ClassText(labels, options, piece.Kind, piece.Item, gradeText);
}

}  // namespace kumo
