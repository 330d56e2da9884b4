#include "views/KumoTes.h"

#include "platform/Fonts.h"

namespace kumo {

TfrmTeachers::TfrmTeachers(KumoApp& /*app*/) {
  setWindowTitle(QStringLiteral("教師一覧"));
  setFont(GothicFont(12));
  resize(435, 300);
}

}  // namespace kumo
