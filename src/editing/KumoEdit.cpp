#include "editing/KumoEdit.h"

#include <QCloseEvent>

#include "platform/Fonts.h"
#include "shell/KumoApp.h"

namespace kumo {

TfrmEdit::TfrmEdit(KumoApp& app)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowMaximizeButtonHint),
      app_(app) {
  setWindowTitle(QStringLiteral("編集テーブル"));
  setFont(GothicFont(12));
  resize(451, 316);
}

GridRange TfrmEdit::Selection() const {
  const int column = app_.doc.CurPeriod + 3;
  const int row = app_.doc.CurLine + 1;
  return {column, row, column, row};
}

void TfrmEdit::closeEvent(QCloseEvent* event) {
  event->ignore();
}

}  // namespace kumo
