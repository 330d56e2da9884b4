// The edit table's popup menu and its commands.
#include <QMenu>

#include "editing/KumoCexc.h"
#include "editing/KumoEdit.h"
#include "editing/KumoLh.h"
#include "editing/KumoMic.h"
#include "shell/KumoApp.h"
#include "shell/KumoMain.h"
#include "views/KumoCl.h"
#include "views/KumoTe.h"

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
  pmnSelfTeaching_->setVisible(app_.options.SelfTeaching);

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
  if (Selection().SingleCell()) {
    app_.dlgMicro->RunForCell();
  } else {
    app_.dlgMicro->RunForRange();
  }
}

void TfrmEdit::pmnClassClick() {
  app_.frmClass->ShownClass = ViewEntry;
  app_.frmClass->RenewView();
}

void TfrmEdit::pmnTeacherClick() {
  app_.frmTeacher->ShownLine = app_.doc.CurLine();
  app_.frmTeacher->RenewView();
  app_.frmTeacher->show();
}

void TfrmEdit::pmnEraceClick() {
  app_.frmKumo->mnuEditEraceClick();
}

void TfrmEdit::pmnFillClick() {
  app_.frmKumo->mnuEditFillClick();
}

void TfrmEdit::pmnLineHeadClick() {
  app_.frmKumo->mnuEditLineHeadClick();
}

void TfrmEdit::pmnColumExchangeClick() {
  app_.frmKumo->mnuColumExchangeClick();
}

void TfrmEdit::pmnStackClearClick() {
  app_.frmKumo->mnuEditStackClearClick();
}

void TfrmEdit::pmnClearHoldingClick() {
  app_.doc.DropHand();
}

void TfrmEdit::pmnSelfTeachingClick() {
  app_.doc.SplitSelfTeaching();
}

}  // namespace kumo
