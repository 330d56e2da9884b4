// File → 比較...: the changes shown against another timetable file, such as last term's version
// or a colleague's copy, its teachers matched to this one's by name.
#include <memory>

#include "shell/KumoApp.h"
#include "shell/KumoMain.h"
#include "views/KumoChk.h"

namespace kumo {

void TfrmKumo::mnuFileCompareClick() {
  TKumData& doc = app_.doc;
  const auto path = app_.platform.OpenFileDialog(
      this, {"Kumo Ver.2 ﾌｧｲﾙ|*.kmt", "kmt", "", "", "比較する時間割を開く"});
  if (!path) return;
  // Read aside: the open timetable, its history and its hand stay as they are.
  auto other = std::make_unique<TKumData>(app_.options, app_.platform);
  if (!other->Open(*path)) return;
  const auto lines = other->LinesInUse();
  Baseline base = Baseline::ByName({lines.begin(), lines.end()}, doc.LinesInUse());
  base.Source = *path;
  doc.CompareWith(std::move(base));
  app_.frmChecks->ShowPage(TfrmChecks::ChangesPage);
  app_.frmChecks->show();
  app_.frmChecks->raise();
}

}  // namespace kumo
