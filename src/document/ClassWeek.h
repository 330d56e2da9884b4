// What a class has in a period, from the class index: the one rule behind the class row of the
// edit table, the classes overview, the single class timetable, the class prints and exports.
#pragma once

#include <string>

#include "document/KumoHead.h"

namespace kumo {

struct ClassPeriod {
  Byte Subject = 0;       // index into the subject tables; 0, the blank subject, for none
  bool Homeroom = false;  // a subject piece in the homeroom teacher's own line (学活, 道徳 …)
  int Teacher = 0;        // the line teaching the class then; 0 for none
  // A lesson of a teaching line; homeroom subject pieces are not counted.
  bool Counted() const { return !Homeroom && Teacher != 0; }
  // Something is there: a homeroom subject or a lesson.
  bool Found() const { return Homeroom || Teacher != 0; }
};

// The first that applies: the homeroom teacher's subject piece; the teaching line's lesson
// subject, else that teacher's subject; nothing.
ClassPeriod ClassSubjectAt(const TKumData& doc, const ClassEntry& entry, int period);

// The heading of a class's week (CP932): "１年２組時間割", the class as its letter label when the
// classes show as letters.
std::string ClassTitle(const TKumData& doc, const Options& options, const ClassEntry& entry);

}  // namespace kumo
