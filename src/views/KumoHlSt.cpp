#include "views/KumoHlSt.h"

#include "platform/Fonts.h"
#include "platform/WindowKinds.h"

namespace kumo {

TfrmHoldingStack::TfrmHoldingStack(KumoApp& /*app*/) : QWidget(nullptr, ToolWindow) {
  setWindowTitle(QStringLiteral("保持クラス"));
  setFont(GothicFont(12));
  resize(142, 158);
}

}  // namespace kumo
