#include "platform/Canvas.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

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

TEST(ColorRefTest, ConvertsBothWays) {
  EXPECT_EQ(ToQColor(Rgb(1, 2, 3)), QColor(1, 2, 3));
  EXPECT_EQ(ToQColor(255), QColor(255, 0, 0));  // 0x00BBGGRR: 255 is red
  EXPECT_EQ(FromQColor(QColor(0, 128, 0)), ColorRef{32768});
}

}  // namespace
}  // namespace kumo
