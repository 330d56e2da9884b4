// The Windows faces the windows name resolve to fonts that keep the grids' character cells.
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>

#include "platform/Fonts.h"
#include "platform/QtPlatform.h"

namespace kumo {
namespace {

TEST(Fonts, GothicIsFixedPitchWithFullWidthTwiceHalfWidth) {
  for (const char* face : {"ＭＳ ゴシック", "MS Gothic"}) {
    QFont font(QString::fromUtf8(face));
    font.setPixelSize(12);
    const QFontInfo info(font);
    EXPECT_EQ(info.family().toStdString(), "IPAGothic") << face;
    // Fixed pitch as the grids need it: every half-width character one cell, a full-width one
    // two (fontconfig does not flag the dual-width IPA faces as monospaced).
    const QFontMetrics metrics(font);
    const int cell = metrics.horizontalAdvance(QStringLiteral("A"));
    EXPECT_GT(cell, 0);
    for (const char* half : {"i", "W", "1", "ｱ", " "}) {
      EXPECT_EQ(metrics.horizontalAdvance(QString::fromUtf8(half)), cell) << face << " " << half;
    }
    for (const char* full : {"国", "１", "Ａ", "　", "①"}) {
      EXPECT_EQ(metrics.horizontalAdvance(QString::fromUtf8(full)), 2 * cell)
          << face << " " << full;
    }
  }
  EXPECT_EQ(GothicFont(13).pixelSize(), 13);
}

TEST(Fonts, TheOtherFacesHaveTheirIpaCounterparts) {
  const std::pair<const char*, const char*> faces[] = {
      {"ＭＳ Ｐゴシック", "IPAPGothic"}, {"MS PGothic", "IPAPGothic"},
      {"ＭＳ 明朝", "IPAMincho"},        {"MS Mincho", "IPAMincho"},
      {"ＭＳ Ｐ明朝", "IPAPMincho"},     {"MS PMincho", "IPAPMincho"},
  };
  for (const auto& [windowsName, linuxName] : faces) {
    EXPECT_EQ(QFontInfo(QFont(QString::fromUtf8(windowsName))).family().toStdString(), linuxName)
        << windowsName;
  }
}

// Japanese fixed-pitch faces are offered by their plain names; proportional, Western-only and
// symbol faces are not; the default and the current face always are.
TEST(PrintFaces, JapaneseFixedPitchFacesAndTheDefaultAndTheCurrentOne) {
  const QStringList faces = PrintFaces(QStringLiteral("Chosen Earlier"));
  EXPECT_TRUE(faces.contains(QStringLiteral("IPAGothic")));
  EXPECT_TRUE(faces.contains(QStringLiteral("ＭＳ ゴシック")));
  EXPECT_TRUE(faces.contains(QStringLiteral("Chosen Earlier")));
  EXPECT_FALSE(faces.contains(QStringLiteral("IPAPGothic"))) << "proportional";
  for (const QString& face : faces) {
    EXPECT_FALSE(face.contains('[')) << face.toStdString();
    if (face == QStringLiteral("ＭＳ ゴシック") || face == QStringLiteral("Chosen Earlier"))
      continue;
    EXPECT_TRUE(QFontDatabase::writingSystems(face).contains(QFontDatabase::Japanese))
        << face.toStdString();
  }
  EXPECT_FALSE(faces.contains(QStringLiteral("OpenSymbol")));
}

TEST(QtNameFilters, PairsBecomeQtFiltersAndPatternListsSpaceSeparated) {
  EXPECT_EQ(QtNameFilters("Kumo Ver.2 ファイル|*.kmt").toStdString(),
            "Kumo Ver.2 ファイル (*.kmt)");
  EXPECT_EQ(QtNameFilters("テキスト|*.txt|全て|*.*").toStdString(), "テキスト (*.txt);;全て (*.*)");
  EXPECT_EQ(QtNameFilters("Two|*.a;*.b").toStdString(), "Two (*.a *.b)");
  EXPECT_EQ(QtNameFilters("").toStdString(), "");
}

}  // namespace
}  // namespace kumo
