// The lesson details dialog: which lesson stands in a cell, and the flags of its piece.
#pragma once

#include <QDialog>
#include <array>

class QCheckBox;
class QLabel;

namespace kumo {

class KumoApp;

class TdlgMicro : public QDialog {
 public:
  explicit TdlgMicro(KumoApp& app);

  // The lesson at the document cursor, and its flags set on OK.
  void RunForCell();
  // The checked flags added to every piece of the edit table's selected range on OK.
  void RunForRange();

 private:
  std::uint8_t CheckedFlags() const;

  KumoApp& app_;
  QLabel* lblPeriod_ = nullptr;
  QLabel* lblTeacher_ = nullptr;
  QLabel* lblClass_ = nullptr;
  QLabel* lblSubject_ = nullptr;
  std::array<QCheckBox*, 6> cbxStates_{};
};

}  // namespace kumo
