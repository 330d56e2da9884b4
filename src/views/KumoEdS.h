// The dialog for the three names of one subject.
#pragma once

#include <QDialog>

namespace kumo {

class KumoApp;

class TdlgEditS : public QDialog {
 public:
  explicit TdlgEditS(KumoApp& app);
};

}  // namespace kumo
