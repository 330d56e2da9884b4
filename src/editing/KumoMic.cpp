#include "editing/KumoMic.h"

#include "platform/Fonts.h"

namespace kumo {

TdlgMicro::TdlgMicro(KumoApp& /*app*/) {
  setWindowTitle(QStringLiteral("授業詳細"));
  setFont(GothicFont(12));
  setFixedSize(317, 240);
}

}  // namespace kumo
