#include "platform/ChooserPopup.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

namespace kumo {
namespace {

constexpr int ValueRole = Qt::UserRole;
constexpr int SearchedRole = Qt::UserRole + 1;
constexpr int Width = 180;
constexpr int Height = 200;

}  // namespace

ChooserPopup::ChooserPopup(QWidget* parent, const char* name) : QFrame(parent, Qt::Popup) {
  setObjectName(QString::fromUtf8(name));
  setFrameStyle(QFrame::Box);
  resize(Width, Height);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(2, 2, 2, 2);
  edtName_ = new QLineEdit(this);
  edtName_->setObjectName(QStringLiteral("edtName"));
  lbxChoices_ = new QListWidget(this);
  lbxChoices_->setObjectName(QStringLiteral("lbxChoices"));
  column->addWidget(edtName_);
  column->addWidget(lbxChoices_);
  edtName_->installEventFilter(this);
  connect(edtName_, &QLineEdit::textChanged, this, &ChooserPopup::Typed);
  connect(lbxChoices_, &QListWidget::itemActivated, this, [this] { Choose(); });
}

void ChooserPopup::AddChoice(const QString& shown, const QString& searched, const QVariant& value,
                             bool dim) {
  auto* entry = new QListWidgetItem(shown, lbxChoices_);
  entry->setData(ValueRole, value);
  entry->setData(SearchedRole, searched);
  entry->setData(Qt::ToolTipRole, searched);
  if (dim) entry->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
}

void ChooserPopup::PopUp(const QPoint& place, const QString& typed, const QString& prompt) {
  lbxChoices_->clear();
  Fill();
  edtName_->setPlaceholderText(prompt);
  edtName_->setText(typed);
  Narrow(typed);
  if (Settled(typed)) {
    Choose();
    return;
  }
  // As wide as the longest choice, so that a long name with its lesson shows whole.
  const int widest = lbxChoices_->sizeHintForColumn(0) + 2 * lbxChoices_->frameWidth() +
                     lbxChoices_->verticalScrollBar()->sizeHint().width() + 8;
  resize(std::max(Width, widest), Height);
  move(place);
  show();
  edtName_->setFocus();
  edtName_->end(false);
}

bool ChooserPopup::Matches(const QString& searched, const QVariant&, const QString& typed) const {
  return searched.contains(typed, Qt::CaseInsensitive);
}

bool ChooserPopup::Settled(const QString&) const {
  return false;
}

void ChooserPopup::Typed(const QString& text) {
  Narrow(text);
  if (isVisible() && Settled(text)) Choose();
}

void ChooserPopup::Narrow(const QString& text) {
  const QString wanted = text.trimmed();
  QListWidgetItem* first = nullptr;
  for (int i = 0; i < lbxChoices_->count(); ++i) {
    QListWidgetItem* entry = lbxChoices_->item(i);
    const bool shown =
        Matches(entry->data(SearchedRole).toString(), entry->data(ValueRole), wanted);
    entry->setHidden(!shown);
    if (shown && first == nullptr) first = entry;
  }
  lbxChoices_->setCurrentItem(first);
}

int ChooserPopup::ChoiceCount() const {
  int count = 0;
  for (int i = 0; i < lbxChoices_->count(); ++i) count += lbxChoices_->item(i)->isHidden() ? 0 : 1;
  return count;
}

void ChooserPopup::Choose() {
  const QListWidgetItem* entry = lbxChoices_->currentItem();
  hide();
  Done(entry == nullptr || entry->isHidden() ? QVariant() : entry->data(ValueRole));
}

// The line keeps the keyboard: Up and Down walk the list, Enter chooses, Escape closes.
bool ChooserPopup::eventFilter(QObject* watched, QEvent* event) {
  if (watched != edtName_ || event->type() != QEvent::KeyPress)
    return QFrame::eventFilter(watched, event);
  const int key = static_cast<QKeyEvent*>(event)->key();
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    Choose();
    return true;
  }
  if (key == Qt::Key_Escape) {
    hide();
    Done(QVariant());
    return true;
  }
  if (key == Qt::Key_Up || key == Qt::Key_Down) {
    int row = lbxChoices_->currentRow();
    do {
      row += key == Qt::Key_Up ? -1 : 1;
    } while (row >= 0 && row < lbxChoices_->count() && lbxChoices_->item(row)->isHidden());
    if (row >= 0 && row < lbxChoices_->count()) lbxChoices_->setCurrentRow(row);
    return true;
  }
  return QFrame::eventFilter(watched, event);
}

}  // namespace kumo
