// The about box: the program's name and version.
#pragma once

#include <QDialog>

namespace kumo {

class KumoApp;

class TAboutBox : public QDialog {
 public:
  explicit TAboutBox(KumoApp& app);
};

}  // namespace kumo
