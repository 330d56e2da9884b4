// The drawing surface of the grids' draw handlers and of printing, over a QPainter. It keeps
// the brush, pen and font the way the windows think of them (colour values as the settings
// file stores them, text placed by its top-left corner, lines that stop short of their end
// point) so that drawing code reads the same on the screen and on paper.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPalette>
#include <QPoint>
#include <QString>
#include <optional>

#include "document/Color.h"

namespace kumo {

class KeptFonts;

QColor ToQColor(ColorRef color);
ColorRef FromQColor(const QColor& color);
// A colour of the application's palette, e.g. QPalette::Button (button face) or
// QPalette::WindowText.
ColorRef SystemColor(QPalette::ColorRole role);

class Canvas {
 public:
  // With kept fonts (a grid's, on the screen), text in one of their four styles is written from
  // the glyphs they keep, and switching between the styles costs nothing. Printing has none: it
  // writes each text through the painter, so that the printer's own text output gets it whole.
  explicit Canvas(QPainter& painter, KeptFonts* kept = nullptr);
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  // Brush: fills FillRect and the box behind TextOut. A clear brush fills nothing and lets
  // text be written transparently.
  void SetBrushColor(ColorRef color);
  void SetBrushClear();
  ColorRef BrushColor() const { return brushColor_; }

  void SetPenColor(ColorRef color);
  void SetPenWidth(int width);

  // Font. SetFont replaces every attribute, colour excepted.
  void SetFont(const QFont& font);
  const QFont& Font() const;
  void SetFontName(const QString& face);
  void SetFontPixelSize(int pixels);
  void SetFontPointSize(int points);
  void SetFontColor(ColorRef color);
  ColorRef FontColor() const { return fontColor_; }
  void SetBold(bool on);
  void SetItalic(bool on);
  void SetUnderline(bool on);

  void FillRect(const QRect& rect);
  // Writes text with its top-left corner at (x, y), on the brush unless the brush is clear.
  void TextOut(int x, int y, const QString& text);
  // TextOut, the letters narrowed so that the text takes no more than width.
  void TextOutNarrowed(int x, int y, const QString& text, int width);
  int TextWidth(const QString& text);
  int TextHeight(const QString& text);

  void MoveTo(int x, int y);
  // A line from the pen position up to, not including, (x, y); the pen then stands at (x, y).
  void LineTo(int x, int y);
  // A dotted rectangle just inside rect.
  void DrawFocusRect(const QRect& rect);

 private:
  const QFontMetrics& Metrics();
  // The font leaves the kept styles: it is to change otherwise than in italic or bold.
  void Unkeep();
  void FontChanged();
  void UseFont();

  QPainter& painter_;
  KeptFonts* kept_;
  std::optional<int> keptStyle_;  // the font is this style of the kept fonts; font_ is unused
  QFont font_;
  bool fontApplied_ = false;  // the painter already has font_
  std::optional<QFontMetrics> metrics_;
  ColorRef fontColor_ = 0;
  ColorRef brushColor_ = Rgb(255, 255, 255);
  bool brushClear_ = false;
  ColorRef penColor_ = 0;
  int penWidth_ = 1;
  QPoint penPos_;
};

}  // namespace kumo
