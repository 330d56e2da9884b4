#include "views/KumoChrg.h"

#include "platform/Fonts.h"
#include "platform/WindowKinds.h"

namespace kumo {

TfrmPickCharge::TfrmPickCharge(KumoApp& app) : QWidget(nullptr, ToolWindow), app_(app) {
  setWindowTitle(QStringLiteral("クラス入力"));
  setFont(GothicFont(12));
  resize(227, 83);
}

}  // namespace kumo
