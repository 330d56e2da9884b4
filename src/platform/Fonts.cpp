#include "platform/Fonts.h"

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

QFont GothicFont(int pixelSize) {
  QFont font(QStringLiteral("ＭＳ ゴシック"));
  font.setPixelSize(pixelSize);
  return font;
}

}  // namespace kumo
