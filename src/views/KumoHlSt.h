// The holding window: the pieces put aside on the holding stack.
#pragma once

#include <QWidget>

namespace kumo {

class KumoApp;

class TfrmHoldingStack : public QWidget {
 public:
  explicit TfrmHoldingStack(KumoApp& app);

  void RenewHolding() {}
  void ShowHoldingRow(int /*row*/) {}
};

}  // namespace kumo
