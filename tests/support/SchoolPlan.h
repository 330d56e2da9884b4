// A school as the prints meet it: homeroom teachers for every class of three grades, subject
// teachers, a full week of lessons without clashes, homeroom periods, symbols and counted
// pieces. The same arguments always give the same timetable.
#pragma once

#include "document/KumoHead.h"

namespace kumo::test {

// teachers lines (at least 3 × classesPerGrade), the first ones the homeroom teachers.
void BuildSchool(TKumData& doc, int teachers, int classesPerGrade);

}  // namespace kumo::test
