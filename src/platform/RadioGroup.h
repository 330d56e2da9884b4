// A captioned group of radio buttons with one item index, -1 when none is selected.
#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QStringList>
#include <functional>

namespace kumo {

class RadioGroup : public QGroupBox {
 public:
  RadioGroup(const QString& caption, const QStringList& items, int columns, QWidget* parent);

  int ItemIndex() const { return buttons_.checkedId(); }
  // An index outside the items selects none.
  void SetItemIndex(int index);
  int Count() const { return static_cast<int>(buttons_.buttons().size()); }
  QRadioButton* Button(int index) const;
  void SetItemText(int index, const QString& text) { Button(index)->setText(text); }

  // Runs on every change of the item index, whoever made it.
  void OnChanged(std::function<void(int)> handler) { changed_ = std::move(handler); }
  // Runs when the user clicks an item.
  void OnClick(std::function<void()> handler) { click_ = std::move(handler); }

 private:
  QButtonGroup buttons_;
  std::function<void(int)> changed_;
  std::function<void()> click_;
  int last_ = -1;
};

}  // namespace kumo
