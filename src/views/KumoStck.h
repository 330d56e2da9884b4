// The history window: the recorded steps, the current position marked.
#pragma once

#include "document/DocumentChange.h"
#include "platform/StackWindow.h"

namespace kumo {

class TKumData;
struct Options;

class TfrmStack : public StackWindow, public DocumentObserver {
 public:
  TfrmStack(TKumData& doc, Options& options);

  // The rows are read from the history as they are painted, however long it is: a renewal only
  // says which of them to paint again.
  // Every row.
  void RenewStack();
  // The rows for the history's length, row a (0: none) from entry a, the tail emptied and the
  // position selected.
  void ShowStackRow(int a);
  void ClearStackTail();
  // Recorded steps paint their own rows; a walk moves only the position.
  void DocumentChanged(const DocumentChange& change) override;

 protected:
  void ClearStack() override;
  std::optional<ColorRef> TextColor(int col, int row) const override;
  void changeEvent(QEvent* event) override;

 private:
  // Column col of row r: entry r of the history, or nothing for the tail row.
  QString StackText(int col, int row) const;

  TKumData& doc_;
  Options& options_;
  int markedRow_ = 1;  // the row whose number was painted red
};

}  // namespace kumo
