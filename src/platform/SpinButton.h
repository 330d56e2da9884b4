// SpinButton: two small arrows, up over down, that step a window through a list (the previous
// and the next teacher or class). Holding an arrow down repeats its step. The hint is the
// widget's tool tip.
//
//   auto* spin = new SpinButton(window);
//   spin->setGeometry(106, 107, 16, 33);
//   spin->setToolTip("教師を変更する");
//   spin->OnUpClick = [&] { ... previous ... };
//   spin->OnDownClick = [&] { ... next ... };
#pragma once

#include <QWidget>
#include <functional>

class QToolButton;

namespace kumo {

class SpinButton : public QWidget {
 public:
  explicit SpinButton(QWidget* parent = nullptr);

  std::function<void()> OnUpClick;
  std::function<void()> OnDownClick;

  QToolButton& UpButton() { return *up_; }
  QToolButton& DownButton() { return *down_; }

 private:
  QToolButton* up_ = nullptr;
  QToolButton* down_ = nullptr;
};

}  // namespace kumo
