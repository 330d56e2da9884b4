// The single teacher timetable: one teacher line as a week table.
#pragma once

#include <QWidget>

namespace kumo {

class KumoApp;

class TfrmTeacher : public QWidget {
 public:
  explicit TfrmTeacher(KumoApp& app);

  void RenewView() {}

  int ShownLine = 0;  // 0: none
};

}  // namespace kumo
