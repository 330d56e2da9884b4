#include "document/ClassWeek.h"

#include "base/Cp932.h"
#include "document/FullWidth.h"

namespace kumo {

ClassPeriod ClassSubjectAt(const TKumData& doc, const ClassEntry& entry, int period) {
  ClassPeriod result;
  const int home = entry.HomeroomLine;
  if (doc.IsLineInUse(home) && doc.Cell(home, period).Kind == KindSubject) {
    result.Subject = doc.Cell(home, period).Item;
    result.Homeroom = true;
    return result;
  }
  const int teacher = entry.PeriodLines[period];
  if (!doc.IsLineInUse(teacher)) return result;
  result.Teacher = teacher;
  const Byte lesson = doc.Cell(teacher, period).LessonSubject;
  result.Subject = lesson != 0 ? lesson : doc.Line(teacher).Subject;
  if (result.Subject > MaxSubject) result.Subject = 0;
  return result;
}

std::string ClassTitle(const TKumData& doc, const Options& options, const ClassEntry& entry) {
  const std::string classText = options.LetterLabels && entry.ClassNo <= MaxClassNo
                                    ? std::string(doc.ClassLabels()[entry.ClassNo].View())
                                    : ToFullWidth(std::to_string(entry.ClassNo));
  return ToFullWidth(std::to_string(entry.Grade)) + Cp932Literal("年") + classText +
         Cp932Literal("組時間割");
}

}  // namespace kumo
