// The history window: the recorded steps, the current position marked.
#pragma once

#include <QWidget>

namespace kumo {

class KumoApp;

class TfrmStack : public QWidget {
 public:
  explicit TfrmStack(KumoApp& app);

  void RenewStack() {}
  void ShowStackRow(int /*row*/) {}
  void ClearStackTail() {}
};

}  // namespace kumo
