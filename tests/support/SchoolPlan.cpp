#include "support/SchoolPlan.h"

#include <string>
#include <vector>

#include "base/Cp932.h"

namespace kumo::test {
namespace {

constexpr const char* Families[] = {"佐藤", "鈴木", "高橋", "田中", "伊藤", "渡辺",   "山本",
                                    "中村", "小林", "加藤", "吉田", "山田", "佐々木", "山口",
                                    "松本", "井上", "木村", "林",   "斎藤", "清水"};
constexpr const char* Given[] = {"一郎", "花子", "健", "明美", "誠"};
constexpr Byte Homeroom = 13;  // 学活
constexpr Byte Moral = 14;     // 道徳

}  // namespace

void BuildSchool(TKumData& doc, int teachers, int classesPerGrade) {
  const int homerooms = 3 * classesPerGrade;
  std::vector<TeacherLine> lines;
  auto at = [&](int k) -> TeacherLine& { return lines[k - 1]; };
  for (int k = 0; k < teachers; ++k) {
    TeacherLine line{};
    // Every eleventh subject teacher has no grade (the head, a visiting teacher).
    line.Grade = k < homerooms                ? static_cast<Byte>(k / classesPerGrade + 1)
                 : (k - homerooms) % 11 == 10 ? 0
                                              : static_cast<Byte>(k % 3 + 1);
    line.Homeroom = k < homerooms ? static_cast<Byte>(k % classesPerGrade + 1) : 0;
    line.Subject = static_cast<Byte>(k % 10 + 1);
    line.Name.AssignWhole(Cp932Literal(std::string(Families[k % 20]) + Given[k / 20 % 5]));
    lines.push_back(line);
  }
  const int n = teachers;
  for (int k = 1; k <= homerooms; ++k) {
    at(k).Cells[30] = {KindSubject, Homeroom, 0, Counted};
    at(k).Cells[18] = {KindSubject, Moral, 0, 0};
  }
  for (int p = 1; p <= PeriodCount; ++p) {
    for (int g = 1; g <= 3; ++g) {
      for (int c = 1; c <= classesPerGrade; ++c) {
        const int home = (g - 1) * classesPerGrade + c;
        if (at(home).Cells[p].Kind == KindSubject) continue;
        for (int step = 0; step < n; ++step) {
          const int k = (p * 7 + g * 3 + c * 5 + step) % n + 1;
          TeacherLine& line = at(k);
          if (line.Grade != g || !line.Cells[p].IsEmpty()) continue;
          line.Cells[p] = {static_cast<Byte>(g), static_cast<Byte>(c), 0, 0};
          // Now and then a lesson of another subject than the teacher's own.
          if ((p + k) % 17 == 0) line.Cells[p].LessonSubject = 19;
          break;
        }
      }
    }
  }
  // Meetings and duties in free periods of the subject teachers.
  for (int k = homerooms + 1; k <= n; ++k) {
    for (int p = k % 6 + 1; p <= PeriodCount; p += 11) {
      if (at(k).Cells[p].IsEmpty()) {
        at(k).Cells[p] = {KindSymbol, static_cast<Byte>(p % 3 + 1), 0, Counted};
      }
    }
  }
  for (const TeacherLine& line : lines) doc.AddLine(line);
}

}  // namespace kumo::test
