#include "views/KumoStck.h"

#include "platform/Fonts.h"
#include "platform/WindowKinds.h"

namespace kumo {

TfrmStack::TfrmStack(KumoApp& /*app*/) : QWidget(nullptr, ToolWindow) {
  setWindowTitle(QStringLiteral("スタック"));
  setFont(GothicFont(12));
  resize(168, 268);
}

}  // namespace kumo
