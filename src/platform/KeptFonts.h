// One font in its four styles (plain, italic, bold, bold italic), each with its metrics, and the
// glyphs of the texts written in them, kept from one paint to the next: laying a text out is the
// costly part of writing it, and a grid writes the same few labels over and over.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QHash>
#include <QList>
#include <QString>
#include <array>
#include <optional>

class QPaintDevice;

namespace kumo {

class KeptFonts {
 public:
  static constexpr int Italic = 1;
  static constexpr int Bold = 2;
  static constexpr int Styles = 4;  // the style is a sum of the flags above

  struct Laid {
    QList<QGlyphRun> Runs;  // glyph positions from the baseline at the text's left end
    int Width = 0;          // the advance, as QFontMetrics::horizontalAdvance gives it
  };

  // The styles of font on device. Another font, or another device resolution, starts afresh.
  void Use(const QFont& font, const QPaintDevice& device);
  // The style font is held in, when it is one of the four as they are now.
  std::optional<int> StyleOf(const QFont& font) const;
  const QFont& Font(int style) const { return fonts_[style]; }
  const QFontMetrics& Metrics(int style) const { return *metrics_[style]; }
  const Laid& Text(const QString& text, int style);

 private:
  QFont base_;
  int dpi_ = 0;
  std::array<QFont, Styles> fonts_;
  std::array<std::optional<QFontMetrics>, Styles> metrics_;
  std::array<QHash<QString, Laid>, Styles> laid_;
  const QPaintDevice* device_ = nullptr;
};

}  // namespace kumo
