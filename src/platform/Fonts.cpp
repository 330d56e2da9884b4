#include "platform/Fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>

#include "document/FontFaces.h"

namespace kumo {

void InstallFontSubstitutions() {
  for (const FaceSubstitution& s : FaceSubstitutions()) {
    QFont::insertSubstitution(QString::fromUtf8(s.WindowsName.data(), s.WindowsName.size()),
                              QString::fromUtf8(s.SystemName.data(), s.SystemName.size()));
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
  // Faces that hold kana and kanji themselves: a Western or symbol face would only borrow
  // another face's Japanese glyphs.
  for (const QString& family : QFontDatabase::families(QFontDatabase::Japanese)) {
    QFont font(family);
    font.setPixelSize(24);
    const QFontMetrics metrics(font);
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
