#include "platform/Glyphs.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>

namespace kumo {
namespace {

class ProgramStyle : public QProxyStyle {
 public:
  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                     const QWidget* widget) const override {
    if (icon == SP_DialogHelpButton) return HelpGlyph();
    return QProxyStyle::standardIcon(icon, option, widget);
  }
};

// Drawn once for each density a screen may have, on a 16-unit square, so that a button on a
// 150 % or 200 % screen gets a pixmap of its own size rather than a blurred 16-pixel one.
QIcon DrawnGlyph(void (*draw)(QPainter&)) {
  constexpr int Size = 16;
  QIcon icon;
  for (const int pixels : {16, 20, 24, 32, 48, 64}) {
    QPixmap pixmap(pixels, pixels);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.scale(static_cast<double>(pixels) / Size, static_cast<double>(pixels) / Size);
    draw(painter);
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

void DrawHelp(QPainter& painter) {
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x1c, 0x5c, 0xb0));
  painter.drawEllipse(QRectF(0.5, 0.5, 15, 15));
  QFont font = painter.font();
  font.setPixelSize(13);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(Qt::white);
  painter.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("?"));
}

void DrawPrinter(QPainter& painter) {
  painter.setPen(QColor(0x30, 0x30, 0x30));
  painter.setBrush(Qt::white);
  painter.drawRect(4, 1, 7, 5);  // the paper going in
  painter.setBrush(QColor(0x90, 0x90, 0x90));
  painter.drawRect(1, 6, 13, 6);  // the body
  painter.setBrush(Qt::white);
  painter.drawRect(4, 10, 7, 4);  // the page coming out
}

}  // namespace

QIcon HelpGlyph() {
  return DrawnGlyph(DrawHelp);
}

QIcon PrinterGlyph() {
  return DrawnGlyph(DrawPrinter);
}

void InstallProgramStyle() {
  QApplication::setStyle(new ProgramStyle);
}

}  // namespace kumo
