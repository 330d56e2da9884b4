// The dialog for one symbol and its meaning.
#pragma once

#include "views/OkCancl1.h"

namespace kumo {

class KumoApp;

class TdlgEditSi : public TOKBottomDlg {
 public:
  explicit TdlgEditSi(KumoApp& app);

  // Edits symbol k, placed by the palette at origin; false when cancelled.
  bool EditSymbol(int k, QPoint origin);

 private:
  KumoApp& app_;
};

}  // namespace kumo
