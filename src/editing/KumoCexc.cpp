#include "editing/KumoCexc.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

#include "document/KumoHead.h"
#include "document/PeriodName.h"
#include "platform/DocText.h"
#include "platform/Fonts.h"
#include "platform/Platform.h"
#include "platform/WindowFrame.h"
#include "platform/WindowKinds.h"

namespace kumo {
namespace {

constexpr int HelpContext = 221;

}  // namespace

TfrmColumExchange::TfrmColumExchange(TKumData& doc, Platform& platform)
    : QWidget(nullptr, CloseOnlyWindow | Qt::WindowStaysOnTopHint), doc_(doc), platform_(platform) {
  setObjectName("frmColumExchange");
  setWindowTitle(QStringLiteral("列交換"));
  setFont(GothicFont(13));
  setProperty("HelpContext", HelpContext);
  auto* layout = new QGridLayout(this);
  auto addButton = [&](const char* name, const QString& caption, const QString& hint, int row,
                       int col, void (TfrmColumExchange::*click)()) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setToolTip(hint);
    layout->addWidget(button, row, col);
    if (click) connect(button, &QPushButton::clicked, this, [this, click] { (this->*click)(); });
    return button;
  };
  auto addLabel = [&](const char* name, int col) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    edit->setAlignment(Qt::AlignCenter);
    layout->addWidget(edit, 1, col);
    return edit;
  };
  addButton("btnCol1", QStringLiteral("列１設定"), QStringLiteral("現在列を列１に設定"), 0, 0,
            &TfrmColumExchange::btnCol1Click);
  addButton("btnExchange", QStringLiteral("交換"), QStringLiteral("設定した列を交換する"), 0, 1,
            &TfrmColumExchange::btnExchangeClick);
  addButton("btnCol2", QStringLiteral("列２設定"), QStringLiteral("現在列を列２に設定"), 0, 2,
            &TfrmColumExchange::btnCol2Click);
  edtCol1_ = addLabel("edtCol1", 0);
  edtCol2_ = addLabel("edtCol2", 2);
  QPushButton* help =
      addButton("btnHelp", QStringLiteral("?"), QStringLiteral("ヘルプを表示する"), 2, 1, nullptr);
  help->setProperty("HelpContext", HelpContext);
  QPushButton* close = addButton("btnClose", QStringLiteral("終了(&C)"),
                                 QStringLiteral("列交換を終了する"), 2, 2, nullptr);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  setFixedSize(234, 121);
}

void TfrmColumExchange::OpenColumnExchange() {
  Column1 = 0;
  Column2 = 0;
  // Centred on the screen the first time; later where the user left it.
  if (!placed_) {
    CentreOnScreen(*this);
    placed_ = true;
  }
  show();
  raise();
}

void TfrmColumExchange::btnCol1Click() {
  Column1 = doc_.CurPeriod();
  edtCol1_->setText(FromDocText(ColumnName(Column1)));
}

void TfrmColumExchange::btnCol2Click() {
  Column2 = doc_.CurPeriod();
  edtCol2_->setText(FromDocText(ColumnName(Column2)));
}

// The question and any refusal come out of the stay-on-top state, so the window cannot hide
// them.
void TfrmColumExchange::btnExchangeClick() {
  if (Column1 == 0 || Column2 == 0 || Column1 == Column2) return;
  platform_.SetStayOnTop(*this, false);
  doc_.ExchangeColumns(Column1, Column2, [this] { platform_.ProcessMessages(); });
  platform_.SetStayOnTop(*this, true);
}

}  // namespace kumo
