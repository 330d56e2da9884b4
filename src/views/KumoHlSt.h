// The holding window: the pieces put aside on the holding stack.
#pragma once

#include "document/DocumentChange.h"
#include "platform/StackWindow.h"

namespace kumo {

class TKumData;
struct Options;

class TfrmHoldingStack : public StackWindow, public DocumentObserver {
 public:
  TfrmHoldingStack(TKumData& doc, Options& options);

  // Every row from the holding stack.
  void RenewHolding();
  // The rows for the held pieces, row a (0: none) from held piece a, the tail emptied and
  // selected.
  void ShowHoldingRow(int a);
  void DocumentChanged(const DocumentChange& change) override;

 protected:
  void ClearStack() override;
  std::optional<ColorRef> TextColor(int col, int row) const override;

 private:
  TKumData& doc_;
  Options& options_;
};

}  // namespace kumo
