// The print dialog: the teacher list and the class timetables on the printer.
#pragma once

#include <QDialog>
#include <QFont>

namespace kumo {

class KumoApp;

class TdlgPrintOut : public QDialog {
 public:
  explicit TdlgPrintOut(KumoApp& app);

  QFont PrintFont;  // the font every print draws with
};

}  // namespace kumo
