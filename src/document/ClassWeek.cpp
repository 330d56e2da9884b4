#include "document/ClassWeek.h"

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
  result.Subject = lesson != 0 ? lesson : doc.Lines[teacher].Subject;
  if (result.Subject > MaxSubject) result.Subject = 0;
  return result;
}

}  // namespace kumo
