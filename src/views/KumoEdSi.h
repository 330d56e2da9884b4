// The dialog for one symbol and its meaning.
#pragma once

#include "views/OkCancl1.h"

namespace kumo {

class TKumData;
class Platform;

class TdlgEditSi : public TOKBottomDlg {
 public:
  TdlgEditSi(TKumData& doc, Platform& platform);

  // Edits symbol k, placed by the palette at origin; false when cancelled.
  bool EditSymbol(int k, QPoint origin);

 private:
  TKumData& doc_;
  Platform& platform_;
};

}  // namespace kumo
