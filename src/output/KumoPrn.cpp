#include "output/KumoPrn.h"

#include "platform/Fonts.h"

namespace kumo {

TdlgPrintOut::TdlgPrintOut(KumoApp& /*app*/) : PrintFont(QStringLiteral("ＭＳ ゴシック")) {
  setWindowTitle(QStringLiteral("印刷"));
  setFont(GothicFont(13));
}

}  // namespace kumo
