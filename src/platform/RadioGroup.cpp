#include "platform/RadioGroup.h"

#include <QGridLayout>

namespace kumo {

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, int columns,
                       QWidget* parent)
    : QGroupBox(caption, parent), buttons_(this) {
  auto* layout = new QGridLayout(this);
  int rows = (static_cast<int>(items.size()) + columns - 1) / columns;
  for (int i = 0; i < items.size(); ++i) {
    auto* button = new QRadioButton(items[i], this);
    buttons_.addButton(button, i);
    layout->addWidget(button, i % rows, i / rows);
  }
  connect(&buttons_, &QButtonGroup::idToggled, this, [this](int, bool) {
    if (ItemIndex() == last_) return;
    last_ = ItemIndex();
    if (changed_) changed_(last_);
  });
  connect(&buttons_, &QButtonGroup::idClicked, this, [this](int) {
    if (click_) click_();
  });
}

QRadioButton* RadioGroup::Button(int index) const {
  return static_cast<QRadioButton*>(buttons_.button(index));
}

void RadioGroup::SetItemIndex(int index) {
  if (index >= 0 && index < Count()) {
    Button(index)->setChecked(true);
    return;
  }
  // An exclusive group cannot be emptied while it is exclusive.
  buttons_.setExclusive(false);
  if (QAbstractButton* checked = buttons_.checkedButton()) checked->setChecked(false);
  buttons_.setExclusive(true);
}

}  // namespace kumo
