// The dialog for the three names of one subject.
#pragma once

#include "views/OkCancl1.h"

namespace kumo {

class KumoApp;

class TdlgEditS : public TOKBottomDlg {
 public:
  explicit TdlgEditS(KumoApp& app);

  // Edits subject k, placed by the palette at origin; false when cancelled.
  bool EditSubject(int k, QPoint origin);

 private:
  KumoApp& app_;
};

}  // namespace kumo
