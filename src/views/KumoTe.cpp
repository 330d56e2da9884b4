#include "views/KumoTe.h"

#include "platform/Fonts.h"
#include "platform/WindowKinds.h"

namespace kumo {

TfrmTeacher::TfrmTeacher(KumoApp& /*app*/) : QWidget(nullptr, CloseOnlyWindow) {
  setWindowTitle(QStringLiteral("教師時間割"));
  setFont(GothicFont(12));
  resize(143, 177);
}

}  // namespace kumo
