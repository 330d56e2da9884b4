// The edit table's popup menu and its commands.
#include <QMenu>

#include "document/KumoHead.h"
#include "document/Options.h"
#include "editing/KumoEdit.h"
#include "editing/WindowCommands.h"

namespace kumo {

QAction* TfrmEdit::AddMenuItem(const char* name, const char* caption, void (TfrmEdit::*handler)()) {
  QAction* action = LocalMenu_->addAction(QString::fromUtf8(caption));
  action->setObjectName(QString::fromUtf8(name));
  if (handler != nullptr)
    connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
  return action;
}

void TfrmEdit::BuildLocalMenu() {
  LocalMenu_ = new QMenu(this);
  LocalMenu_->setObjectName(QStringLiteral("LocalMenu"));
  pmnHomeRoomState_ =
      AddMenuItem("pmnHomeRoomState", "授業詳細(&S)", &TfrmEdit::pmnHomeRoomStateClick);
  LocalMenu_->addSeparator();
  pmnClass_ = AddMenuItem("pmnClass", "クラス時間割(&C)", &TfrmEdit::pmnClassClick);
  AddMenuItem("pmnTeacher", "教師時間割(&T)", &TfrmEdit::pmnTeacherClick);
  LocalMenu_->addSeparator();
  pmnErace_ = AddMenuItem("pmnErace", "消去(&E)", &TfrmEdit::pmnEraceClick);
  pmnFill_ = AddMenuItem("pmnFill", "埋め込み(&F)", &TfrmEdit::pmnFillClick);
  LocalMenu_->addSeparator();
  pmnLineHead_ = AddMenuItem("pmnLineHead", "行ヘッダ編集(&D)", &TfrmEdit::pmnLineHeadClick);
  AddMenuItem("pmnColumExchange", "列交換(&M)", &TfrmEdit::pmnColumExchangeClick);
  pmnSelfTeaching_ =
      AddMenuItem("pmnSelfTeaching", "自習設定(&L)", &TfrmEdit::pmnSelfTeachingClick);
  LocalMenu_->addSeparator();
  AddMenuItem("pmnStackClear", "スタッククリア(&A)", &TfrmEdit::pmnStackClearClick);
  AddMenuItem("pmnClearHolding", "保持クリア(&O)", &TfrmEdit::pmnClearHoldingClick);
  LocalMenu_->addSeparator();
  // Help reaches topic 2 through the window's help context.
  AddMenuItem("pmnHelp", "ヘルプ(&H)", nullptr)->setProperty("HelpContext", 2);
  pmnSelfTeaching_->setVisible(options_.SelfTeaching);

  sgrEdit_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(sgrEdit_, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
    // The right click has selected the cell under it.
    KeepHandOnLine();
    LocalMenuPopup();
    LocalMenu_->popup(sgrEdit_->viewport()->mapToGlobal(pos));
  });
}

void TfrmEdit::LocalMenuPopup() {
  const bool single = Selection().SingleCell();
  pmnHomeRoomState_->setText(single ? QStringLiteral("授業詳細(&S)")
                                    : QStringLiteral("属性設定(&S)"));
  pmnClass_->setEnabled(single);
  pmnFill_->setEnabled(!single);
  pmnLineHead_->setEnabled(single);
}

void TfrmEdit::pmnHomeRoomStateClick() {
  windows_.EditLessonDetails(Selection().SingleCell());
}

void TfrmEdit::pmnClassClick() {
  windows_.ShowClass(ViewEntry);
}

void TfrmEdit::pmnTeacherClick() {
  windows_.OpenTeacher(doc_.CurLine());
}

void TfrmEdit::pmnEraceClick() {
  main_.RunEditCommand(EditCommand::Erase);
}

void TfrmEdit::pmnFillClick() {
  main_.RunEditCommand(EditCommand::Fill);
}

void TfrmEdit::pmnLineHeadClick() {
  main_.RunEditCommand(EditCommand::LineHead);
}

void TfrmEdit::pmnColumExchangeClick() {
  main_.RunEditCommand(EditCommand::ColumnExchange);
}

void TfrmEdit::pmnStackClearClick() {
  main_.RunEditCommand(EditCommand::ClearStack);
}

void TfrmEdit::pmnClearHoldingClick() {
  doc_.DropHand();
}

void TfrmEdit::pmnSelfTeachingClick() {
  doc_.SplitSelfTeaching();
}

}  // namespace kumo
