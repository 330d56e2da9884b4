// The Edit menu of the main window: walking the history, erasing and filling a range,
// selecting the table, clearing the stacks, and the entries of the line tools.
#include <QAction>
#include <QElapsedTimer>

#include "editing/KumoCexc.h"
#include "editing/KumoEdit.h"
#include "editing/KumoLh.h"
#include "shell/KumoApp.h"
#include "shell/KumoMain.h"
#include "views/KumoPicS.h"

namespace kumo {

namespace {

// The views follow a walk once per display frame.
constexpr int FrameMilliseconds = 16;

}  // namespace

void TfrmKumo::mnuEditClick() {
  const bool range = !app_.frmEdit->Selection().SingleCell();
  cmd_.mnuEditFill->setEnabled(range);
  cmd_.mnuEditLineHead->setEnabled(!range);
}

void TfrmKumo::mnuEditBackClick() {
  app_.doc.StepBack();
  app_.frmEdit->FocusTable();
}

void TfrmKumo::mnuEditForwardClick() {
  app_.doc.StepForward();
  app_.frmEdit->FocusTable();
}

void TfrmKumo::mnuEditHomeClick() {
  Walk(&TKumData::StepBack);
}

void TfrmKumo::mnuEditEndClick() {
  Walk(&TKumData::StepForward);
}

// No command runs inside a half-walked history: the pending events are let through between
// frames without the user's input, which waits until the walk has ended.
void TfrmKumo::Walk(bool (TKumData::*step)()) {
  TKumData& doc = app_.doc;
  if (walking_) return;
  walking_ = true;
  stopWalk_ = false;
  bool going = true;
  while (going) {
    {
      const TKumData::Batch frame(doc);
      QElapsedTimer clock;
      clock.start();
      do {
        const bool ahead = step == &TKumData::StepBack ? doc.HistoryPos() > 1
                                                       : doc.HistoryPos() < doc.HistoryEnd();
        going = ahead && (doc.*step)();
      } while (going && clock.elapsed() < FrameMilliseconds);
    }
    if (going) app_.platform.ProcessMessages();
    going = going && !stopWalk_;
  }
  walking_ = false;
  app_.frmEdit->FocusTable();
}

void TfrmKumo::mnuEditEraceClick() {
  app_.doc.EraseRange(app_.frmEdit->SelectedCells());
}

void TfrmKumo::mnuEditFillClick() {
  app_.frmPickS->show();
  app_.frmPickS->activateWindow();
}

void TfrmKumo::mnuEditAllClick() {
  // The cursor would leave the carried piece's line for the last one.
  if (!app_.doc.Hand().Piece.IsEmpty()) {
    app_.platform.Beep();
    return;
  }
  StringGrid& grid = app_.frmEdit->EditGrid();
  grid.SetSelection({ColOfPeriod(1), RowOfLine(1), grid.ColCount() - 1, grid.RowCount() - 1});
}

void TfrmKumo::mnuEditStackClearClick() {
  app_.doc.ClearHistory();
}

void TfrmKumo::mnuEditHoldingClearClick() {
  app_.doc.ClearHolding();
}

void TfrmKumo::mnuEditLineHeadClick() {
  app_.frmLineHead->show();
}

void TfrmKumo::mnuColumExchangeClick() {
  app_.frmColumExchange->OpenColumnExchange();
}

}  // namespace kumo
