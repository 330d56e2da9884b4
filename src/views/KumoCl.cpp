#include "views/KumoCl.h"

#include "platform/Fonts.h"
#include "platform/WindowKinds.h"

namespace kumo {

TfrmClass::TfrmClass(KumoApp& /*app*/) : QWidget(nullptr, CloseOnlyWindow) {
  setWindowTitle(QStringLiteral("ｸﾗｽ時間割"));
  setFont(GothicFont(12));
  resize(136, 177);
}

}  // namespace kumo
