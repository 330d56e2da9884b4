// The line header editor: appends, inserts, changes and cuts teacher lines.
#pragma once

#include <QWidget>

namespace kumo {

class KumoApp;

class TfrmLineHead : public QWidget {
 public:
  explicit TfrmLineHead(KumoApp& app);

 private:
  KumoApp& app_;
};

}  // namespace kumo
