#include "views/KumoPicS.h"

#include "platform/Fonts.h"
#include "platform/WindowKinds.h"

namespace kumo {

TfrmPickS::TfrmPickS(KumoApp& /*app*/) : QWidget(nullptr, ToolWindow) {
  setWindowTitle(QStringLiteral("教科,記号入力"));
  setFont(GothicFont(12));
  resize(381, 78);
}

}  // namespace kumo
