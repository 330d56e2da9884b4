#include "platform/SpinButton.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace kumo {
namespace {

QToolButton* MakeArrow(QWidget* parent, Qt::ArrowType arrow, const std::function<void()>& handler) {
  auto* button = new QToolButton(parent);
  button->setArrowType(arrow);
  button->setAutoRepeat(true);
  button->setFocusPolicy(Qt::NoFocus);
  button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
  QObject::connect(button, &QToolButton::clicked, parent, [&handler] {
    if (handler) handler();
  });
  return button;
}

}  // namespace

SpinButton::SpinButton(QWidget* parent) : QWidget(parent) {
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  up_ = MakeArrow(this, Qt::UpArrow, OnUpClick);
  down_ = MakeArrow(this, Qt::DownArrow, OnDownClick);
  column->addWidget(up_);
  column->addWidget(down_);
}

}  // namespace kumo
