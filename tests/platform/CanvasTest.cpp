#include "platform/Canvas.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "platform/Fonts.h"
#include "platform/KeptFonts.h"

namespace kumo {
namespace {

class CanvasTest : public ::testing::Test {
 protected:
  CanvasTest() : image(120, 80, QImage::Format_RGB32) { image.fill(Qt::white); }

  // The bounding box of the pixels that are not white.
  QRect Inked() const {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (image.pixel(x, y) != qRgb(255, 255, 255)) box |= QRect(x, y, 1, 1);
      }
    }
    return box;
  }

  QImage image;
};

TEST_F(CanvasTest, TextOutPlacesTheTopLeftCorner) {
  int height = 0;
  {
    QPainter painter(&image);
    Canvas canvas(painter);
    canvas.SetFontPixelSize(20);
    canvas.SetBrushClear();
    canvas.TextOut(30, 40, "H");
    height = canvas.TextHeight("H");
  }
  const QRect ink = Inked();
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_GE(ink.top(), 40);
  EXPECT_LT(ink.top(), 40 + height / 2);
  EXPECT_GE(ink.left(), 30);
  EXPECT_LT(ink.left(), 36);
}

TEST_F(CanvasTest, TextIsWrittenOnTheBrush) {
  const ColorRef grey = Rgb(221, 221, 221);
  int width = 0;
  {
    QPainter painter(&image);
    Canvas canvas(painter);
    canvas.SetFontPixelSize(12);
    canvas.SetBrushColor(grey);
    canvas.SetFontColor(Rgb(0, 0, 255));
    canvas.TextOut(10, 10, "iii");
    width = canvas.TextWidth("iii");
  }
  EXPECT_EQ(image.pixelColor(10, 10), ToQColor(grey));
  EXPECT_EQ(image.pixelColor(10 + width - 1, 10), ToQColor(grey));
  EXPECT_EQ(image.pixelColor(10 + width, 10), QColor(Qt::white));
  EXPECT_EQ(image.pixelColor(9, 10), QColor(Qt::white));
}

TEST_F(CanvasTest, LinesStopShortOfTheirEnd) {
  {
    QPainter painter(&image);
    Canvas canvas(painter);
    canvas.SetPenColor(Rgb(0, 0, 0));
    canvas.MoveTo(10, 5);
    canvas.LineTo(10, 15);
    canvas.LineTo(30, 15);
  }
  EXPECT_EQ(Inked(), QRect(QPoint(10, 5), QPoint(29, 15)));
  EXPECT_EQ(image.pixel(10, 14), qRgb(0, 0, 0));
  EXPECT_EQ(image.pixel(29, 15), qRgb(0, 0, 0));
  EXPECT_EQ(image.pixel(30, 15), qRgb(255, 255, 255));
}

TEST_F(CanvasTest, WidePensCloseFrameCorners) {
  {
    QPainter painter(&image);
    Canvas canvas(painter);
    canvas.SetPenWidth(3);
    canvas.MoveTo(20, 20);
    canvas.LineTo(60, 20);
    canvas.MoveTo(20, 20);
    canvas.LineTo(20, 60);
  }
  EXPECT_EQ(image.pixel(19, 19), qRgb(0, 0, 0));
  EXPECT_EQ(image.pixel(21, 21), qRgb(0, 0, 0));
  EXPECT_EQ(image.pixel(22, 22), qRgb(255, 255, 255));
}

// The kept glyphs must write exactly what the painter writes itself, in every style and at any
// place, fallback glyphs and leading spaces included; and a text or style that changes in place
// must not bring back the glyphs kept for the one before.
TEST(KeptFontsTest, WriteEveryTextPixelForPixelAsThePainterDoes) {
  const QString texts[] = {"T50", "名　前", "英", "[　]", " 5", "   1", "月１", "①", "Ａ", "▼3"};
  auto write = [&](KeptFonts* kept) {
    QImage image(240, 20 * std::size(texts), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    const QFont font = GothicFont(12);
    if (kept) kept->Use(font, image);
    Canvas canvas(painter, kept);
    for (int pass = 0; pass < 2; ++pass) {  // the second pass writes from what the first kept
      for (int i = 0; i < static_cast<int>(std::size(texts)); ++i) {
        for (int style = 0; style < KeptFonts::Styles; ++style) {
          canvas.SetFont(font);
          canvas.SetItalic((style & KeptFonts::Italic) != 0);
          canvas.SetBold((style & KeptFonts::Bold) != 0);
          // Over a grey box the first time; the box is the text's own size.
          if (pass == 0) {
            canvas.SetBrushColor(Rgb(221, 221, 221));
          } else {
            canvas.SetBrushClear();
          }
          canvas.SetFontColor(Rgb(0, 0, 255 * pass));
          const int x = 2 + 60 * style + pass * 3;
          canvas.TextOut(x, 20 * i + 2, texts[(i + pass) % std::size(texts)]);
          EXPECT_EQ(canvas.TextWidth(texts[i]),
                    QFontMetrics(canvas.Font()).horizontalAdvance(texts[i]));
        }
      }
    }
    return image;
  };
  KeptFonts kept;
  const QImage painted = write(nullptr);
  EXPECT_EQ(write(&kept), painted);
  EXPECT_EQ(write(&kept), painted) << "written again from the glyphs kept before";
}

// Leaving the kept styles for another font, and coming back, writes in the right font each time.
TEST(KeptFontsTest, AnotherFontOnTheWayIsWrittenInItsOwnGlyphs) {
  auto write = [](KeptFonts* kept) {
    QImage image(120, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    const QFont font = GothicFont(12);
    if (kept) kept->Use(font, image);
    Canvas canvas(painter, kept);
    canvas.SetFont(font);
    canvas.SetBold(true);
    canvas.TextOut(2, 2, "英語");
    canvas.SetFontPixelSize(20);
    EXPECT_TRUE(canvas.Font().bold());
    canvas.TextOut(2, 18, "英語");
    canvas.SetFont(font);
    EXPECT_FALSE(canvas.Font().bold());
    canvas.SetUnderline(true);
    canvas.TextOut(60, 2, "英語");
    canvas.SetFont(font);
    canvas.TextOut(60, 40, "英語");
    return image;
  };
  KeptFonts kept;
  EXPECT_EQ(write(&kept), write(nullptr));
}

TEST(ColorRefTest, ConvertsBothWays) {
  EXPECT_EQ(ToQColor(Rgb(1, 2, 3)), QColor(1, 2, 3));
  EXPECT_EQ(ToQColor(255), QColor(255, 0, 0));  // 0x00BBGGRR: 255 is red
  EXPECT_EQ(FromQColor(QColor(0, 128, 0)), ColorRef{32768});
}

}  // namespace
}  // namespace kumo
