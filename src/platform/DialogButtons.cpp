#include "platform/DialogButtons.h"

#include <QLayout>

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

namespace kumo {

QDialogButtonBox* MakeDialogButtons(QDialog& dialog, int helpContext) {
  dialog.setProperty("HelpContext", helpContext);
  auto* buttons = new QDialogButtonBox(&dialog);
  QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  ok->setObjectName("OKBtn");
  ok->setDefault(true);
  ok->setFocus();  // the control active when the dialog opens
  buttons->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole)
      ->setObjectName("CancelBtn");
  QPushButton* help = buttons->addButton(QStringLiteral("ヘルプ(&H)"), QDialogButtonBox::HelpRole);
  help->setObjectName("HelpBtn");
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  return buttons;
}

void FixDesignedSize(QDialog& dialog, const QSize& designed) {
  dialog.layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
  dialog.setFixedSize(designed.expandedTo(dialog.minimumSizeHint()));
}

}  // namespace kumo
