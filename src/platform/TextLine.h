// One line of text that changes often, in the window's font and text colour: a new text only
// repaints the line. It takes the width its window gives it and cuts a longer text short; unlike
// a label it never asks the window to lay itself out again, and it writes from kept glyphs.
#pragma once

#include <QString>
#include <QWidget>

#include "platform/KeptFonts.h"

namespace kumo {

class TextLine : public QWidget {
 public:
  explicit TextLine(QWidget* parent = nullptr);

  const QString& text() const { return text_; }
  void setText(const QString& text);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString text_;
  KeptFonts fonts_;
};

}  // namespace kumo
