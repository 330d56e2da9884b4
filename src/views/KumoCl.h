// The single class timetable: one class's week as a table.
#pragma once

#include <QWidget>

namespace kumo {

class KumoApp;

class TfrmClass : public QWidget {
 public:
  explicit TfrmClass(KumoApp& app);

  void RenewView() {}

  int ShownClass = 0;  // class index entry; 0: none
  int Letters = 1;     // 1: one-character subject names; otherwise two
};

}  // namespace kumo
