#include "views/KumoEdSi.h"

#include "platform/Fonts.h"
#include "platform/WindowKinds.h"

namespace kumo {

TdlgEditSi::TdlgEditSi(KumoApp& /*app*/) : QDialog(nullptr, ToolWindow) {
  setWindowTitle(QStringLiteral("記号とその意味"));
  setFont(GothicFont(12));
  setFixedSize(258, 136);
}

}  // namespace kumo
