#include "output/KumoExp.h"

#include "platform/Fonts.h"

namespace kumo {

TdlgExport::TdlgExport(KumoApp& /*app*/) {
  setWindowTitle(QStringLiteral("ファイルエクスポート"));
  setFont(GothicFont(13));
  resize(360, 200);
}

}  // namespace kumo
