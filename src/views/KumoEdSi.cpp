#include "views/KumoEdSi.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "document/KumoHead.h"
#include "platform/DialogButtons.h"
#include "platform/Platform.h"

namespace kumo {

TdlgEditSi::TdlgEditSi(TKumData& doc, Platform& platform)
    : TOKBottomDlg(QStringLiteral("記号とその意味"), 821), doc_(doc), platform_(platform) {
  auto* title = new QLabel(QStringLiteral("記号とその意味を入力してください"), this);
  title->setObjectName("lblTitle");
  Body().addWidget(title, 0, 0, 1, 2);
  // The symbol is one full-width character: a narrow field.
  AddEdit("lblsi", QStringLiteral("記号："), "edtSi", 2)->setMaximumWidth(40);
  AddEdit("lblAcc", QStringLiteral("意味："), "edtAcc", 20);
  FixDesignedSize(*this, {258, 136});
}

bool TdlgEditSi::EditSymbol(int k, QPoint origin) {
  TKumData& doc = doc_;
  return Run(platform_, origin, {doc.Symbols()[k].View(), doc.SymbolMeanings()[k].View()},
             [&](const std::vector<std::string>& texts) { doc.SetSymbol(k, texts[0], texts[1]); });
}

}  // namespace kumo
