#include "editing/KumoLh.h"

#include "platform/Fonts.h"

namespace kumo {

TfrmLineHead::TfrmLineHead(KumoApp& app)
    : QWidget(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint),
      app_(app) {
  setWindowTitle(QStringLiteral("行ヘッダ編集"));
  setFont(GothicFont(13));
  setFixedSize(322, 185);
}

}  // namespace kumo
