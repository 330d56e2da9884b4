#include "views/KumoCls.h"

#include "platform/Fonts.h"

namespace kumo {

TfrmClasses::TfrmClasses(KumoApp& /*app*/) {
  setWindowTitle(QStringLiteral("クラス一覧"));
  setFont(GothicFont(12));
  resize(435, 400);
}

}  // namespace kumo
