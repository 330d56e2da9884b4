#include "editing/KumoCexc.h"

#include "platform/Fonts.h"
#include "platform/WindowKinds.h"

namespace kumo {

TfrmColumExchange::TfrmColumExchange(KumoApp& /*app*/)
    : QWidget(nullptr, CloseOnlyWindow | Qt::WindowStaysOnTopHint) {
  setWindowTitle(QStringLiteral("列交換"));
  setFont(GothicFont(13));
  setFixedSize(234, 121);
}

}  // namespace kumo
