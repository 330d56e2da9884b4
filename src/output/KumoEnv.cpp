#include "output/KumoEnv.h"

#include "shell/KumoApp.h"

namespace kumo {

TdlgEnvironment::TdlgEnvironment(KumoApp& app) : app_(app) {
  setWindowTitle(QStringLiteral("環境設定"));
}

int TdlgEnvironment::RunEnvironmentDialog(int /*page*/) {
  return app_.platform.ExecDialog(*this);
}

void TdlgEnvironment::ApplyScrollBars() {}

}  // namespace kumo
