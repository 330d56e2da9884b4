// The edit table's keyboard: the move keys, the keypad and ASDF history commands, and the
// vertical keys that a carried piece does not follow.
#include "editing/KumoEdit.h"
#include "shell/KumoApp.h"
#include "shell/KumoMain.h"

namespace kumo {

namespace {

bool IsVerticalKey(int key) {
  switch (key) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Up:
    case Qt::Key_Down:
      return true;
    default:
      return false;
  }
}

}  // namespace

void TfrmEdit::sgrEditKeyDown(int& key, Qt::KeyboardModifiers modifiers) {
  TfrmKumo& main = *app_.frmKumo;
  if (app_.options.TenKeys && modifiers.testFlag(Qt::KeypadModifier)) {
    switch (key) {
      case Qt::Key_1:
        key = 0;
        main.mnuEditBackClick();
        break;
      case Qt::Key_2:
        key = Qt::Key_Down;
        break;
      case Qt::Key_3:
        key = 0;
        main.mnuEditForwardClick();
        break;
      case Qt::Key_4:
        key = Qt::Key_Left;
        break;
      case Qt::Key_5:
        key = 0;
        sgrEditDblClick();
        break;
      case Qt::Key_6:
        key = Qt::Key_Right;
        break;
      case Qt::Key_7:
        key = 0;
        main.mnuEditHomeClick();
        break;
      case Qt::Key_8:
        key = Qt::Key_Up;
        break;
      case Qt::Key_9:
        key = 0;
        main.mnuEditEndClick();
        break;
      default:
        break;
    }
  }
  if (app_.doc.Hand.Piece.IsEmpty()) return;
  if (IsVerticalKey(key)) {
    key = 0;
  } else if (key == Qt::Key_Left || key == Qt::Key_Right) {
    app_.platform.ProcessMessages();
  }
}

void TfrmEdit::sgrEditKeyPress(QChar ch) {
  if (ch == QChar('\r') || ch == QChar(' ')) {
    sgrEditDblClick();
    return;
  }
  if (!app_.options.ASDFKeys) return;
  TfrmKumo& main = *app_.frmKumo;
  switch (ch.toLower().unicode()) {
    case 'a':
      main.mnuEditHomeClick();
      break;
    case 's':
      main.mnuEditBackClick();
      break;
    case 'd':
      main.mnuEditForwardClick();
      break;
    case 'f':
      main.mnuEditEndClick();
      break;
    default:
      break;
  }
}

}  // namespace kumo
