// The export dialog: the teacher list or the class timetables as tab-separated text.
#pragma once

#include <QDialog>

namespace kumo {

class KumoApp;

class TdlgExport : public QDialog {
 public:
  explicit TdlgExport(KumoApp& app);

  void RunExportDialog() {}
};

}  // namespace kumo
