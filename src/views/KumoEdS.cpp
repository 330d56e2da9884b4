#include "views/KumoEdS.h"

#include <QGridLayout>
#include <QLabel>

#include "document/KumoHead.h"
#include "platform/DialogButtons.h"
#include "platform/Platform.h"

namespace kumo {

TdlgEditS::TdlgEditS(TKumData& doc, Platform& platform)
    : TOKBottomDlg(QStringLiteral("教科編集"), 811), doc_(doc), platform_(platform) {
  auto* title = new QLabel(QStringLiteral("教科名を入力してください"), this);
  title->setObjectName("lblTitle");
  Body().addWidget(title, 0, 0, 1, 2);
  AddEdit("lblStr1", QStringLiteral("教科名(全角１文字)："), "edtStr1", 2);
  AddEdit("lblStr2", QStringLiteral("教科名(全角２文字)："), "edtStr2", 4);
  AddEdit("lblStr4", QStringLiteral("教科名(全角４文字)："), "edtStr4", 8);
  FixDesignedSize(*this, {251, 134});
}

bool TdlgEditS::EditSubject(int k, QPoint origin) {
  TKumData& doc = doc_;
  return Run(
      platform_, origin,
      {doc.SubjectNames1()[k].View(), doc.SubjectNames2()[k].View(), doc.SubjectNames4()[k].View()},
      [&](const std::vector<std::string>& texts) {
        doc.SetSubject(k, texts[0], texts[1], texts[2]);
      });
}

}  // namespace kumo
