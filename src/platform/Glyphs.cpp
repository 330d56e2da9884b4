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

}  // namespace

QIcon HelpGlyph() {
  constexpr int Size = 16;
  QPixmap pixmap(Size, Size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x1c, 0x5c, 0xb0));
  painter.drawEllipse(QRectF(0.5, 0.5, Size - 1, Size - 1));
  QFont font = painter.font();
  font.setPixelSize(13);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(Qt::white);
  painter.drawText(QRect(0, 0, Size, Size), Qt::AlignCenter, QStringLiteral("?"));
  return QIcon(pixmap);
}

void InstallProgramStyle() {
  QApplication::setStyle(new ProgramStyle);
}

}  // namespace kumo
