// The environment dialog: editing, display and print options, piece colours, the printing font
// and the document's print title and comment. Its controls edit app.options in place.
#pragma once

#include <QDialog>

namespace kumo {

class KumoApp;

class TdlgEnvironment : public QDialog {
 public:
  explicit TdlgEnvironment(KumoApp& app);

  // Fills, runs modally and applies on OK. page -1 keeps the page last shown.
  int RunEnvironmentDialog(int page = -1);
  // Sets the scroll bars of the large grids from the two scroll-bar options.
  void ApplyScrollBars();

 private:
  KumoApp& app_;
};

}  // namespace kumo
