// The teachers overview: the weeks of one subject's or one grade's teachers.
#pragma once

#include <QWidget>

namespace kumo {

class KumoApp;

class TfrmTeachers : public QWidget {
 public:
  explicit TfrmTeachers(KumoApp& app);

  void RenewAll() {}
  void RenewCurrentLine() {}
};

}  // namespace kumo
