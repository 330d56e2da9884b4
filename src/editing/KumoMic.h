// The lesson details dialog: which lesson stands in a cell, and the flags of its piece.
#pragma once

#include <QDialog>
#include <array>

class QCheckBox;
class QLabel;

namespace kumo {

class TKumData;
struct Options;
class Platform;
class TableCommands;

class TdlgMicro : public QDialog {
 public:
  TdlgMicro(TKumData& doc, Options& options, Platform& platform, TableCommands& table);

  // The lesson at the document cursor, and its flags set on OK.
  void RunForCell();
  // The checked flags added to every piece of the edit table's selected range on OK.
  void RunForRange();

 private:
  std::uint8_t CheckedFlags() const;

  TKumData& doc_;
  Options& options_;
  Platform& platform_;
  TableCommands& table_;
  QLabel* lblPeriod_ = nullptr;
  QLabel* lblTeacher_ = nullptr;
  QLabel* lblClass_ = nullptr;
  QLabel* lblSubject_ = nullptr;
  std::array<QCheckBox*, 6> cbxStates_{};
};

}  // namespace kumo
