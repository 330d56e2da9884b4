// The colour, font and printer common dialogs of the Qt platform.
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QPrintDialog>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/Canvas.h"
#include "platform/DialogButtons.h"
#include "platform/Fonts.h"
#include "platform/QtPlatform.h"

namespace kumo {
namespace {

// The help topics of the environment dialog's font, colour and printer dialogs.
constexpr int FontHelp = 611;
constexpr int ColorHelp = 612;
constexpr int PrinterHelp = 613;

// The row of buttons of one of Qt's own dialogs, not one of a dialog inside it.
QDialogButtonBox* ButtonsOf(QDialog& dialog) {
  return dialog.findChild<QDialogButtonBox*>(QString(), Qt::FindDirectChildrenOnly);
}

// Made after the windows' help was wired, so each dialog's Help button asks for its topic itself;
// Qt's own dialogs get one beside their own OK and Cancel.
void OfferHelp(QtPlatform& platform, QDialog& dialog, int context) {
  dialog.setProperty("HelpContext", context);
  QDialogButtonBox* buttons = ButtonsOf(dialog);
  if (buttons == nullptr) return;
  const QList<QAbstractButton*> all = buttons->buttons();
  if (std::none_of(all.begin(), all.end(), [buttons](QAbstractButton* b) {
        return buttons->buttonRole(b) == QDialogButtonBox::HelpRole;
      })) {
    buttons->addButton(QDialogButtonBox::Help)->setObjectName("HelpBtn");
  }
  QObject::connect(buttons, &QDialogButtonBox::helpRequested, &dialog,
                   [&platform, context] { platform.ShowHelp(HelpView::Topic, context); });
}

}  // namespace

std::optional<ColorRef> QtPlatform::ChooseColor(QWidget* owner, ColorRef initial) {
  QColorDialog dialog(ToQColor(initial), owner);
  // Qt's own dialog, where a desktop would put its own without a Help button.
  dialog.setOption(QColorDialog::DontUseNativeDialog);
  OfferHelp(*this, dialog, ColorHelp);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return FromQColor(dialog.selectedColor());
}

// Printing lays out text by character cells, so only fixed-pitch faces are offered, and size
// and style stay as the print code sets them.
std::optional<QFont> QtPlatform::ChooseFont(QWidget* owner, const QFont& initial) {
  QDialog dialog(owner);
  dialog.setWindowTitle(QStringLiteral("フォント"));
  auto* list = new QListWidget(&dialog);
  for (const QString& family : PrintFaces(initial.family())) {
    list->addItem(family);
    if (family == initial.family()) list->setCurrentRow(list->count() - 1);
  }
  QDialogButtonBox* buttons = MakeDialogButtons(dialog, FontHelp);
  OfferHelp(*this, dialog, FontHelp);
  QObject::connect(list, &QListWidget::itemDoubleClicked, &dialog, &QDialog::accept);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(list);
  layout->addWidget(buttons);
  if (dialog.exec() != QDialog::Accepted || !list->currentItem()) return std::nullopt;
  QFont chosen = initial;
  chosen.setFamily(list->currentItem()->text());
  return chosen;
}

bool QtPlatform::PrinterSetup(QWidget* owner) {
  QPrintDialog dialog(&printer_, owner);
  OfferHelp(*this, dialog, PrinterHelp);
  // Qt's dialog is made for printing at once; here it only chooses the printer and its paper.
  dialog.setWindowTitle(QStringLiteral("プリンタの設定"));
  if (QDialogButtonBox* buttons = ButtonsOf(dialog)) {
    if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok)) ok->setText(QStringLiteral("OK"));
  }
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace kumo
