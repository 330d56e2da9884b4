// The edit table window: the timetable's teacher lines as a grid, where pieces are moved.
#pragma once

#include <QWidget>

namespace kumo {

class KumoApp;

// A rectangle of grid cells, columns and rows inclusive.
struct GridRange {
  int Left;
  int Top;
  int Right;
  int Bottom;

  bool SingleCell() const { return Left == Right && Top == Bottom; }
};

class TfrmEdit : public QWidget {
 public:
  explicit TfrmEdit(KumoApp& app);

  void RedrawTable() {}
  void RedrawCursorCell() {}
  void ShowHand() {}
  void SyncGridCursor() {}
  void ShowClassRow() {}
  void ShowClashRow() {}
  void sgrEditDblClick() {}
  // The grid's selection, which Erase and Fill walk.
  GridRange Selection() const;

 protected:
  // The window has no close button and the user cannot close it.
  void closeEvent(QCloseEvent* event) override;

 private:
  KumoApp& app_;
};

}  // namespace kumo
