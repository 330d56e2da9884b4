// The lesson details dialog: which lesson stands in a cell, and the flags of its piece.
#pragma once

#include <QDialog>

namespace kumo {

class KumoApp;

class TdlgMicro : public QDialog {
 public:
  explicit TdlgMicro(KumoApp& app);

  void RunForCell() {}
  void RunForRange() {}
};

}  // namespace kumo
