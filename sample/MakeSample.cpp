// Builds the sample school's timetable file from its description: the teachers with their
// subjects, homerooms and classes, the weekly hours of every class, and the periods a grade
// keeps for its homeroom teachers. The week is laid out by a search that places every lesson
// without a clash, a teacher in two classes at once, or a subject twice on one day of a class.
//
//   kumo_make_sample school.txt school.kmt
#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/Cp932.h"
#include "document/KumoHead.h"

namespace kumo {
namespace {

constexpr int Grades = 3;
constexpr int Attempts = 2000;

struct ClassId {
  int Grade;
  int No;
  bool operator<(const ClassId& o) const { return Grade != o.Grade ? Grade < o.Grade : No < o.No; }
};

struct Teacher {
  std::string Name;  // CP932
  int Subject = 0;
  int Grade = 0;
  int Homeroom = 0;
  std::vector<ClassId> Classes;
};

struct Fixed {
  int Subject;
  int Period;
};

struct School {
  std::string Title, Comment;  // CP932
  std::array<int, Grades + 1> ClassCount{};
  std::array<std::vector<Fixed>, Grades + 1> GradeFixed;
  std::vector<std::pair<int, int>> Hours;  // subject, hours a week
  std::map<int, Byte> FixedFlags;          // subject, flags of its homeroom pieces
  std::vector<Teacher> Teachers;
};

[[noreturn]] void Fail(int lineNo, const std::string& why) {
  throw std::runtime_error("line " + std::to_string(lineNo) + ": " + why);
}

std::string ToDoc(const std::string& utf8, int lineNo) {
  std::optional<std::string> bytes = Utf8ToCp932(utf8);
  if (!bytes) Fail(lineNo, "not representable in CP932: " + utf8);
  return *bytes;
}

int SubjectOf(const std::string& utf8, int lineNo) {
  const std::string name = ToDoc(utf8, lineNo);
  for (int k = 1; k <= MaxSubject; ++k) {
    if (DefaultSubjectNames1()[k].View() == name) return k;
  }
  Fail(lineNo, "unknown subject " + utf8);
}

// "月6" is Monday's sixth lesson.
int PeriodOf(const std::string& text, int lineNo) {
  for (int d = 0; d < DayCount; ++d) {
    const std::string day = Cp932ToUtf8(DayName(d));
    if (text.rfind(day, 0) == 0 && text.size() == day.size() + 1) {
      const int lesson = text.back() - '0';
      if (lesson >= 1 && lesson <= PeriodsPerDay) return d * PeriodsPerDay + lesson;
    }
  }
  Fail(lineNo, "not a period: " + text);
}

// "key=value" split at the first '='.
std::pair<std::string, std::string> Pair(const std::string& token, int lineNo) {
  const std::size_t eq = token.find('=');
  if (eq == std::string::npos) Fail(lineNo, "expected name=value: " + token);
  return {token.substr(0, eq), token.substr(eq + 1)};
}

void AddClasses(const School& school, Teacher& t, const std::string& token, int lineNo) {
  for (int g = 1; g <= Grades; ++g) {
    for (int c = 1; c <= school.ClassCount[g]; ++c) {
      const std::string name = std::to_string(g) + "-" + std::to_string(c);
      const std::string all = std::to_string(g) + "-*";
      if (token == "*" || token == all || token == name) t.Classes.push_back({g, c});
    }
  }
  if (t.Classes.empty()) Fail(lineNo, "no such class: " + token);
}

School Read(std::istream& in) {
  School school;
  std::string line;
  for (int lineNo = 1; std::getline(in, line); ++lineNo) {
    std::istringstream words(line);
    std::string key;
    if (!(words >> key) || key[0] == '#') continue;
    std::vector<std::string> args;
    for (std::string w; words >> w;) args.push_back(w);
    if (key == "title" || key == "comment") {
      std::string text;
      for (const std::string& w : args) text += (text.empty() ? "" : "\xe3\x80\x80") + w;
      (key == "title" ? school.Title : school.Comment) = ToDoc(text, lineNo);
    } else if (key == "grade" && args.size() >= 2) {
      const int g = std::stoi(args[0]);
      if (g < 1 || g > Grades) Fail(lineNo, "grade out of range");
      school.ClassCount[g] = std::stoi(args[1]);
      for (std::size_t k = 2; k < args.size(); ++k) {
        const auto [subject, period] = Pair(args[k], lineNo);
        school.GradeFixed[g].push_back({SubjectOf(subject, lineNo), PeriodOf(period, lineNo)});
      }
    } else if (key == "hours") {
      for (const std::string& a : args) {
        const auto [subject, hours] = Pair(a, lineNo);
        school.Hours.emplace_back(SubjectOf(subject, lineNo), std::stoi(hours));
      }
    } else if (key == "flags") {
      for (const std::string& a : args) {
        const auto [subject, names] = Pair(a, lineNo);
        Byte flags = 0;
        if (names.find("locked") != std::string::npos) flags |= Locked;
        if (names.find("counted") != std::string::npos) flags |= Counted;
        school.FixedFlags[SubjectOf(subject, lineNo)] = flags;
      }
    } else if (key == "teacher" && args.size() >= 5) {
      Teacher t;
      t.Name = ToDoc(args[0], lineNo);
      t.Subject = SubjectOf(args[1], lineNo);
      t.Grade = std::stoi(args[2]);
      t.Homeroom = args[3] == "-" ? 0 : std::stoi(args[3]);
      for (std::size_t k = 4; k < args.size(); ++k) AddClasses(school, t, args[k], lineNo);
      school.Teachers.push_back(std::move(t));
    } else {
      Fail(lineNo, "cannot read: " + line);
    }
  }
  return school;
}

// One lesson still to place: a class's subject with its teacher.
struct Demand {
  int Class;  // index into the class list
  int Teacher;
  int Subject;
  int Left;
};

class Planner {
 public:
  explicit Planner(const School& school) : school_(school) {
    for (int g = 1; g <= Grades; ++g) {
      for (int c = 1; c <= school.ClassCount[g]; ++c) classes_.push_back({g, c});
    }
    for (int k = 0; k < static_cast<int>(classes_.size()); ++k) {
      for (const auto& [subject, hours] : school.Hours) {
        const int teacher = TeacherOf(classes_[k], subject);
        demands_.push_back({k, teacher, subject, hours});
      }
    }
  }

  const std::vector<ClassId>& Classes() const { return classes_; }

  // The subject of every class in every period, 0 where it has none; empty when this seed found
  // no week.
  std::vector<std::array<int, PeriodCount + 1>> Plan(unsigned seed) {
    std::mt19937 random(seed);
    std::vector<Demand> left = demands_;
    std::vector<std::array<int, PeriodCount + 1>> week(classes_.size());
    for (auto& days : week) days.fill(0);
    for (int p = 1; p <= PeriodCount; ++p) {
      std::vector<bool> busy(school_.Teachers.size(), false);
      std::vector<int> order(classes_.size());
      for (int k = 0; k < static_cast<int>(order.size()); ++k) order[k] = k;
      std::shuffle(order.begin(), order.end(), random);
      for (const int k : order) {
        if (IsFixed(classes_[k], p)) continue;
        Demand* best = nullptr;
        double bestScore = -1;
        for (Demand& d : left) {
          if (d.Class != k || d.Left == 0 || busy[d.Teacher] || TwiceToday(week[k], d.Subject, p)) {
            continue;
          }
          // The lessons with the least room left go first: the teacher's load and the
          // class's own hours against the periods that remain.
          const double score = TeacherLoad(left, d.Teacher) + d.Left +
                               std::uniform_real_distribution<double>(0, 1)(random);
          if (score > bestScore) {
            bestScore = score;
            best = &d;
          }
        }
        if (best == nullptr) continue;
        busy[best->Teacher] = true;
        --best->Left;
        week[k][p] = best->Subject;
      }
    }
    for (const Demand& d : left) {
      if (d.Left != 0) return {};
    }
    return week;
  }

  int TeacherOf(const ClassId& c, int subject) const {
    int found = -1;
    for (int t = 0; t < static_cast<int>(school_.Teachers.size()); ++t) {
      const Teacher& teacher = school_.Teachers[t];
      if (teacher.Subject != subject) continue;
      for (const ClassId& taught : teacher.Classes) {
        if (taught.Grade == c.Grade && taught.No == c.No) {
          if (found >= 0) throw std::runtime_error("two teachers for one class and subject");
          found = t;
        }
      }
    }
    if (found < 0) {
      throw std::runtime_error("no teacher for class " + std::to_string(c.Grade) + "-" +
                               std::to_string(c.No));
    }
    return found;
  }

  bool IsFixed(const ClassId& c, int period) const {
    const auto& fixed = school_.GradeFixed[c.Grade];
    return std::any_of(fixed.begin(), fixed.end(),
                       [period](const Fixed& f) { return f.Period == period; });
  }

 private:
  static bool TwiceToday(const std::array<int, PeriodCount + 1>& days, int subject, int period) {
    const int first = DayOf(period) * PeriodsPerDay + 1;
    for (int p = first; p < period; ++p) {
      if (days[p] == subject) return true;
    }
    return false;
  }
  static int TeacherLoad(const std::vector<Demand>& left, int teacher) {
    int load = 0;
    for (const Demand& d : left) load += d.Teacher == teacher ? d.Left : 0;
    return load;
  }

  const School& school_;
  std::vector<ClassId> classes_;
  std::vector<Demand> demands_;
};

class Silent : public Prompter {
 public:
  Answer MessageBox(BoxType, Buttons, const std::string& text) override {
    throw std::runtime_error("the document asked: " + text);
  }
  void Beep() override {}
};

void Build(const School& school, const std::string& out) {
  Planner planner(school);
  std::vector<std::array<int, PeriodCount + 1>> week;
  unsigned seed = 1;
  for (; seed <= Attempts && week.empty(); ++seed) week = planner.Plan(seed);
  if (week.empty()) throw std::runtime_error("no week without clashes found");

  Options options;
  Silent prompter;
  TKumData doc(options, prompter);
  doc.SetTitle(school.Title, school.Comment);
  std::vector<TeacherLine> lines;
  for (const Teacher& t : school.Teachers) {
    TeacherLine line{};
    line.Grade = static_cast<Byte>(t.Grade);
    line.Subject = static_cast<Byte>(t.Subject);
    line.Name.AssignWhole(t.Name);
    line.Homeroom = static_cast<Byte>(t.Homeroom);
    if (t.Homeroom != 0) {
      for (const Fixed& f : school.GradeFixed[t.Grade]) {
        const auto flags = school.FixedFlags.find(f.Subject);
        line.Cells[f.Period] = {KindSubject, static_cast<Byte>(f.Subject), 0,
                                flags == school.FixedFlags.end() ? Byte{0} : flags->second};
      }
    }
    lines.push_back(line);
  }
  const std::vector<ClassId>& classes = planner.Classes();
  for (int k = 0; k < static_cast<int>(classes.size()); ++k) {
    for (int p = 1; p <= PeriodCount; ++p) {
      if (week[k][p] == 0) continue;
      const int teacher = planner.TeacherOf(classes[k], week[k][p]);
      lines[teacher].Cells[p] = {static_cast<Byte>(classes[k].Grade),
                                 static_cast<Byte>(classes[k].No), 0, 0};
    }
  }
  for (const TeacherLine& line : lines) {
    if (!doc.AddLine(line)) throw std::runtime_error("too many teachers");
  }
  doc.SaveAs(out);
  std::printf("%s: %d teachers, %zu classes (seed %u)\n", out.c_str(), doc.LineCount(),
              classes.size(), seed - 1);
}

}  // namespace
}  // namespace kumo

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: kumo_make_sample DESCRIPTION OUTPUT.kmt\n");
    return 2;
  }
  try {
    std::ifstream in(argv[1]);
    if (!in) throw std::runtime_error(std::string("cannot read ") + argv[1]);
    kumo::Build(kumo::Read(in), argv[2]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "kumo_make_sample: %s: %s\n", argv[1], e.what());
    return 1;
  }
  return 0;
}
