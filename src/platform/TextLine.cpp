#include "platform/TextLine.h"

#include <QPainter>

#include "platform/Canvas.h"

namespace kumo {

namespace {

constexpr int Margin = 2;

}  // namespace

TextLine::TextLine(QWidget* parent) : QWidget(parent) {
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
}

void TextLine::setText(const QString& text) {
  if (text == text_) return;
  text_ = text;
  update();
}

QSize TextLine::sizeHint() const {
  return {0, fontMetrics().height() + Margin};
}

void TextLine::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  fonts_.Use(font(), *this);
  Canvas canvas(painter, &fonts_);
  canvas.SetFont(font());
  canvas.SetBrushClear();
  canvas.SetFontColor(FromQColor(palette().color(QPalette::WindowText)));
  canvas.TextOut(Margin, (height() - fonts_.Metrics(0).height()) / 2, text_);
}

}  // namespace kumo
