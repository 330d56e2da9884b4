#include "platform/KeptFonts.h"

#include <QPaintDevice>
#include <QTextLayout>

namespace kumo {

namespace {

// Texts of cells long gone are let go of now and then.
constexpr qsizetype MaxKept = 4096;

}  // namespace

void KeptFonts::Use(const QFont& font, const QPaintDevice& device) {
  device_ = &device;
  if (metrics_[0] && base_.isCopyOf(font) && dpi_ == device.logicalDpiY()) return;
  base_ = font;
  dpi_ = device.logicalDpiY();
  const int own = (font.italic() ? Italic : 0) | (font.bold() ? Bold : 0);
  for (int style = 0; style < Styles; ++style) {
    QFont& styled = fonts_[style];
    styled = font;
    if (style != own) {
      styled.setItalic((style & Italic) != 0);
      styled.setBold((style & Bold) != 0);
    }
    metrics_[style].emplace(styled, &device);
    laid_[style].clear();
  }
}

std::optional<int> KeptFonts::StyleOf(const QFont& font) const {
  if (!metrics_[0]) return std::nullopt;
  for (int style = 0; style < Styles; ++style) {
    if (fonts_[style].isCopyOf(font)) return style;
  }
  return std::nullopt;
}

const KeptFonts::Laid& KeptFonts::Text(const QString& text, int style) {
  QHash<QString, Laid>& kept = laid_[style];
  auto found = kept.find(text);
  if (found != kept.end()) return *found;
  if (kept.size() >= MaxKept) kept.clear();
  QTextLayout layout(text, fonts_[style], device_);
  layout.beginLayout();
  const QTextLine line = layout.createLine();
  layout.endLayout();
  Laid laid;
  laid.Width = metrics_[style]->horizontalAdvance(text);
  laid.Runs = layout.glyphRuns();
  const QPointF baseline(0, line.ascent());
  for (QGlyphRun& run : laid.Runs) {
    QList<QPointF> positions = run.positions();
    for (QPointF& at : positions) at -= baseline;
    run.setPositions(positions);
  }
  return *kept.insert(text, laid);
}

}  // namespace kumo
