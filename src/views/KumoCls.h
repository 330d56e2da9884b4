// The classes overview: the weeks of the classes of the chosen grades.
#pragma once

#include <QWidget>

namespace kumo {

class KumoApp;

class TfrmClasses : public QWidget {
 public:
  explicit TfrmClasses(KumoApp& app);

  void RenewAll() {}
  void RenewClass(int /*grade*/, int /*classNo*/) {}
};

}  // namespace kumo
