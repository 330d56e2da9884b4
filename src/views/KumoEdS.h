// The dialog for the three names of one subject.
#pragma once

#include "views/OkCancl1.h"

namespace kumo {

class TKumData;
class Platform;

class TdlgEditS : public TOKBottomDlg {
 public:
  TdlgEditS(TKumData& doc, Platform& platform);

  // Edits subject k, placed by the palette at origin; false when cancelled.
  bool EditSubject(int k, QPoint origin);

 private:
  TKumData& doc_;
  Platform& platform_;
};

}  // namespace kumo
