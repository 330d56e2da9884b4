#include "document/TeacherListText.h"

namespace kumo {
namespace {

// grade, then the class as the style writes it; showGrade false puts a space for the grade.
std::string ClassText(const TKumData& doc, const Options& options, int grade, int classNo,
                      bool showGrade) {
  if (classNo < 0 || classNo > MaxClassNo) return {};
  const std::string gradeText = showGrade ? std::to_string(grade) : std::string(" ");
  if (options.TeachersKind != 2) return gradeText + std::string(doc.ClassLabels[classNo].View());
  const std::string number = options.ViewClassType == 2 && classNo >= 1
                                 ? std::string(1, static_cast<char>(64 + classNo))
                                 : std::to_string(classNo);
  return gradeText + "-" + number;
}

}  // namespace

std::string HomeroomText(const TKumData& doc, const Options& options, const TeacherLine& line) {
  if (line.Grade < 1 || line.Grade > 3 || line.Homeroom == 0) return {};
  if (options.TeachersKind == 1 && line.Homeroom <= MaxClassNo) {
    return std::string(doc.ClassLabels[line.Homeroom].View());
  }
  return ClassText(doc, options, line.Grade, line.Homeroom, true);
}

std::string ClassPieceText(const TKumData& doc, const Options& options, const TeacherLine& line,
                           const PeriodCell& piece) {
  if (!piece.IsClass()) return {};
  const bool ownGrade = options.TeachersKind == 1 && piece.Kind == line.Grade;
  return ClassText(doc, options, piece.Kind, piece.Item, !ownGrade);
}

}  // namespace kumo
