// The class input palette: every class of the school, entered into the cursor cell.
#pragma once

#include <QWidget>

namespace kumo {

class KumoApp;

class TfrmPickCharge : public QWidget {
 public:
  explicit TfrmPickCharge(KumoApp& app);

  void RenewView() {}

 private:
  KumoApp& app_;
};

}  // namespace kumo
