// The column exchange tool: swaps two periods in every teacher line.
#pragma once

#include <QWidget>

namespace kumo {

class KumoApp;

class TfrmColumExchange : public QWidget {
 public:
  explicit TfrmColumExchange(KumoApp& app);

  void OpenColumnExchange() {}
};

}  // namespace kumo
