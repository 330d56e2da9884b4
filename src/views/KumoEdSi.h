// The dialog for one symbol and its meaning.
#pragma once

#include <QDialog>

namespace kumo {

class KumoApp;

class TdlgEditSi : public QDialog {
 public:
  explicit TdlgEditSi(KumoApp& app);
};

}  // namespace kumo
