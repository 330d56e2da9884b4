#include "platform/Fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>

namespace kumo {

void InstallFontSubstitutions() {
  const struct {
    const char* windowsName;
    const char* linuxName;
  } pairs[] = {
      {"ＭＳ ゴシック", "IPAGothic"},    {"MS Gothic", "IPAGothic"},
      {"ＭＳ Ｐゴシック", "IPAPGothic"}, {"MS PGothic", "IPAPGothic"},
      {"ＭＳ 明朝", "IPAMincho"},        {"MS Mincho", "IPAMincho"},
      {"ＭＳ Ｐ明朝", "IPAPMincho"},     {"MS PMincho", "IPAPMincho"},
  };
  for (const auto& p : pairs) {
    QFont::insertSubstitution(QString::fromUtf8(p.windowsName), QString::fromUtf8(p.linuxName));
  }
}

namespace {

const QString Gothic = QStringLiteral("ＭＳ ゴシック");

}  // namespace

QFont GothicFont(int pixelSize) {
  QFont font(Gothic);
  font.setPixelSize(pixelSize);
  return font;
}

QStringList PrintFaces(const QString& current) {
  QStringList faces{Gothic};
  if (!current.isEmpty()) faces << current;
  constexpr char32_t FullWidthA = U'\u3042';  // あ
  for (const QString& family : QFontDatabase::families()) {
    QFont font(family);
    font.setPixelSize(24);
    const QFontMetrics metrics(font);
    // The face's own glyphs, not a fallback's: a Western face would measure another font's あ.
    if (!metrics.inFontUcs4(FullWidthA) || !metrics.inFontUcs4(U'a')) continue;
    const int half = metrics.horizontalAdvance(QLatin1Char('a'));
    if (half > 0 && metrics.horizontalAdvance(QString(QChar(0x3042))) == 2 * half &&
        metrics.horizontalAdvance(QLatin1Char('i')) == half) {
      faces << QFontInfo(font).family();
    }
  }
  faces.removeDuplicates();
  faces.sort();
  return faces;
}

}  // namespace kumo
