// The subject and symbol palette, where the two tables are also edited and filed.
#pragma once

#include <QWidget>

namespace kumo {

class KumoApp;

class TfrmPickS : public QWidget {
 public:
  explicit TfrmPickS(KumoApp& app);

  void RenewView() {}

  int Letters = 1;  // 1: one-character subject names; otherwise two
};

}  // namespace kumo
