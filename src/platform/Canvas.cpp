#include "platform/Canvas.h"

#include <QApplication>
#include <QPen>
#include <algorithm>

#include "platform/KeptFonts.h"

namespace kumo {

QColor ToQColor(ColorRef color) {
  return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF));
}

ColorRef FromQColor(const QColor& color) {
  return Rgb(color.red(), color.green(), color.blue());
}

ColorRef SystemColor(QPalette::ColorRole role) {
  return FromQColor(QApplication::palette().color(role));
}

Canvas::Canvas(QPainter& painter, KeptFonts* kept)
    : painter_(painter), kept_(kept), font_(painter.font()) {
  fontApplied_ = true;
}

void Canvas::SetBrushColor(ColorRef color) {
  brushColor_ = color;
  brushClear_ = false;
}

void Canvas::SetBrushClear() {
  brushClear_ = true;
}

void Canvas::SetPenColor(ColorRef color) {
  penColor_ = color;
}

void Canvas::SetPenWidth(int width) {
  penWidth_ = width < 1 ? 1 : width;
}

const QFont& Canvas::Font() const {
  return keptStyle_ ? kept_->Font(*keptStyle_) : font_;
}

void Canvas::SetFont(const QFont& font) {
  // The grids reset the font for every cell: one of the kept styles, or the same shared copy,
  // needs no new metrics.
  if (kept_) {
    keptStyle_ = kept_->StyleOf(font);
    if (keptStyle_) return;
  }
  if (font_.isCopyOf(font)) return;
  font_ = font;
  FontChanged();
}

void Canvas::Unkeep() {
  if (!keptStyle_) return;
  font_ = kept_->Font(*keptStyle_);
  keptStyle_.reset();
  FontChanged();
}

void Canvas::SetFontName(const QString& face) {
  Unkeep();
  font_.setFamily(face);
  FontChanged();
}

void Canvas::SetFontPixelSize(int pixels) {
  Unkeep();
  font_.setPixelSize(pixels < 1 ? 1 : pixels);
  FontChanged();
}

void Canvas::SetFontPointSize(int points) {
  Unkeep();
  font_.setPointSize(points < 1 ? 1 : points);
  FontChanged();
}

void Canvas::SetFontColor(ColorRef color) {
  fontColor_ = color;
}

void Canvas::SetBold(bool on) {
  if (Font().bold() == on) return;
  if (keptStyle_) {
    keptStyle_ = on ? *keptStyle_ | KeptFonts::Bold : *keptStyle_ & ~KeptFonts::Bold;
    return;
  }
  font_.setBold(on);
  FontChanged();
}

void Canvas::SetItalic(bool on) {
  if (Font().italic() == on) return;
  if (keptStyle_) {
    keptStyle_ = on ? *keptStyle_ | KeptFonts::Italic : *keptStyle_ & ~KeptFonts::Italic;
    return;
  }
  font_.setItalic(on);
  FontChanged();
}

void Canvas::SetUnderline(bool on) {
  if (Font().underline() == on) return;
  Unkeep();
  font_.setUnderline(on);
  FontChanged();
}

void Canvas::FontChanged() {
  fontApplied_ = false;
  metrics_.reset();
}

void Canvas::UseFont() {
  if (fontApplied_) return;
  painter_.setFont(font_);
  fontApplied_ = true;
}

const QFontMetrics& Canvas::Metrics() {
  if (keptStyle_) return kept_->Metrics(*keptStyle_);
  // Metrics of the painter's device, so that printer fonts measure in printer pixels.
  UseFont();
  if (!metrics_) metrics_.emplace(painter_.fontMetrics());
  return *metrics_;
}

void Canvas::FillRect(const QRect& rect) {
  if (brushClear_) return;
  painter_.fillRect(rect, ToQColor(brushColor_));
}

void Canvas::TextOut(int x, int y, const QString& text) {
  if (text.isEmpty()) return;
  const QFontMetrics& metrics = Metrics();
  const KeptFonts::Laid* laid = keptStyle_ ? &kept_->Text(text, *keptStyle_) : nullptr;
  if (!brushClear_) {
    const int width = laid ? laid->Width : metrics.horizontalAdvance(text);
    painter_.fillRect(QRect(x, y, width, metrics.height()), ToQColor(brushColor_));
  }
  painter_.setPen(ToQColor(fontColor_));
  if (!laid) {
    painter_.drawText(x, y + metrics.ascent(), text);
    return;
  }
  const QPointF baseline(x, y + metrics.ascent());
  for (const QGlyphRun& run : laid->Runs) painter_.drawGlyphRun(baseline, run);
}

void Canvas::TextOutNarrowed(int x, int y, const QString& text, int width) {
  const int full = TextWidth(text);
  if (full <= width) {
    TextOut(x, y, text);
    return;
  }
  const QFont saved = Font();
  QFont narrow = saved;
  narrow.setStretch(std::max(1, 100 * width / full));
  SetFont(narrow);
  TextOut(x, y, text);
  SetFont(saved);
}

int Canvas::TextWidth(const QString& text) {
  return keptStyle_ ? kept_->Text(text, *keptStyle_).Width : Metrics().horizontalAdvance(text);
}

int Canvas::TextHeight(const QString& text) {
  return text.isEmpty() ? Metrics().height() : Metrics().boundingRect(text).height();
}

void Canvas::MoveTo(int x, int y) {
  penPos_ = QPoint(x, y);
}

void Canvas::LineTo(int x, int y) {
  const QPoint from = penPos_;
  penPos_ = QPoint(x, y);
  if (from == penPos_) return;
  QPen pen(ToQColor(penColor_), penWidth_);
  // A flat one-pixel line leaves out its end point, which belongs to the next line; square
  // ends let wide frame lines close their corners.
  pen.setCapStyle(penWidth_ > 1 ? Qt::SquareCap : Qt::FlatCap);
  painter_.setPen(pen);
  painter_.drawLine(from, penPos_);
}

void Canvas::DrawFocusRect(const QRect& rect) {
  QPen pen(ToQColor(SystemColor(QPalette::WindowText)), 1, Qt::DotLine);
  painter_.setPen(pen);
  painter_.setBrush(Qt::NoBrush);
  painter_.drawRect(rect.adjusted(0, 0, -1, -1));
}

}  // namespace kumo
