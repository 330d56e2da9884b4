// The edit table's keyboard: the move keys, the keypad and ASDF history commands, the
// vertical keys that a carried piece does not follow, and entering by typing: a class, the
// chooser of subjects and symbols, Delete.
#include "document/KumoHead.h"
#include "document/Options.h"
#include "editing/KumoEdit.h"
#include "editing/SubjectChooser.h"
#include "editing/WindowCommands.h"
#include "platform/Platform.h"
#include "platform/TypedKeys.h"

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
  if (options_.TenKeys && modifiers.testFlag(Qt::KeypadModifier)) {
    switch (key) {
      case Qt::Key_1:
        key = 0;
        main_.RunEditCommand(EditCommand::Back);
        break;
      case Qt::Key_2:
        key = Qt::Key_Down;
        break;
      case Qt::Key_3:
        key = 0;
        main_.RunEditCommand(EditCommand::Forward);
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
        main_.RunEditCommand(EditCommand::Home);
        break;
      case Qt::Key_8:
        key = Qt::Key_Up;
        break;
      case Qt::Key_9:
        key = 0;
        main_.RunEditCommand(EditCommand::End);
        break;
      default:
        break;
    }
  }
  if (TypingKey(key, modifiers)) {
    key = 0;
    return;
  }
  if (doc_.Hand().Piece.IsEmpty()) return;
  if (IsVerticalKey(key)) {
    key = 0;
  } else if (key == Qt::Key_Left || key == Qt::Key_Right) {
    platform_.ProcessMessages();
  }
}

void TfrmEdit::sgrEditKeyPress(QChar ch) {
  if (ch == QChar('\r') || ch == QChar(' ')) {
    sgrEditDblClick();
    return;
  }
  const char16_t letter = ch.toLower().unicode();
  const bool asdf = letter == 'a' || letter == 's' || letter == 'd' || letter == 'f';
  if (!options_.ASDFKeys || !asdf) {
    TypeKey(HalfWidth(ch).toLower().unicode());
    return;
  }
  switch (letter) {
    case 'a':
      main_.RunEditCommand(EditCommand::Home);
      break;
    case 's':
      main_.RunEditCommand(EditCommand::Back);
      break;
    case 'd':
      main_.RunEditCommand(EditCommand::Forward);
      break;
    case 'f':
      main_.RunEditCommand(EditCommand::End);
      break;
    default:
      break;
  }
}

// Escape drops a half-typed class and BackSpace its grade; otherwise Delete and BackSpace erase
// the selection, a single unlocked cell without the Erase question.
bool TfrmEdit::TypingKey(int key, Qt::KeyboardModifiers modifiers) {
  if (modifiers & (Qt::ControlModifier | Qt::AltModifier)) return false;
  if (key != Qt::Key_Escape && key != Qt::Key_Delete && key != Qt::Key_Backspace) return false;
  if (typed_.Pending()) {
    if (key == Qt::Key_Delete) return true;
    typed_.Drop();
    ShowWhyLine();
    return true;
  }
  if (key == Qt::Key_Escape) return false;
  TKumData& doc = doc_;
  const bool single = Selection().SingleCell();
  const bool locked = doc.CursorOnLine() && doc.CursorCell().Has(Locked);
  doc.EraseRange(SelectedCells(), !single || locked);
  return true;
}

void TfrmEdit::TypeKey(char16_t ch) {
  if (ch == '/') {
    typed_.Drop();
    ShowWhyLine();
    chooser_->Open();
    return;
  }
  if (ch > 0x7F) return;
  const TypedKey what = typed_.Type(static_cast<char>(ch), options_.LetterLabels);
  if (what == TypedKey::NotClass) return;
  if (what == TypedKey::Wrong) platform_.Beep();
  if (what == TypedKey::Class) {
    const TypedClass typed = typed_;
    typed_.Drop();
    EnterAndGoOn([&] { return doc_.EnterClass(typed.Grade, typed.ClassNo, options_.AutoLocate); });
  }
  ShowWhyLine();
}

// After an entry the cursor goes on to the next period of its line, unless a clash took it to
// another line.
void TfrmEdit::EnterAndGoOn(const std::function<bool()>& enter) {
  const TKumData& doc = doc_;
  const int line = doc.CurLine();
  const int period = doc.CurPeriod();
  if (!enter() || doc.CurLine() != line || doc.CurPeriod() != period || period >= PeriodCount)
    return;
  sgrEdit_->SetCurrent(ColOfPeriod(period + 1), RowOfLine(line));
}

}  // namespace kumo
