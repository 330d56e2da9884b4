#include "views/KumoEdS.h"

#include "platform/Fonts.h"
#include "platform/WindowKinds.h"

namespace kumo {

TdlgEditS::TdlgEditS(KumoApp& /*app*/) : QDialog(nullptr, ToolWindow) {
  setWindowTitle(QStringLiteral("教科編集"));
  setFont(GothicFont(12));
  setFixedSize(251, 134);
}

}  // namespace kumo
