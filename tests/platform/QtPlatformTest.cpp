// The Qt message box behind every question: its buttons, its answer, and that it stays on top.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "platform/QtPlatform.h"

namespace kumo {
namespace {

// Answers the box that is about to open by clicking the button with this caption, after
// recording what the box showed.
struct BoxReply {
  QString caption;
  QStringList buttons;
  bool onTop = false;
  QMessageBox::Icon icon = QMessageBox::NoIcon;

  void Arm() {
    QTimer::singleShot(0, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      onTop = box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
      icon = box->icon();
      for (QAbstractButton* button : box->buttons()) {
        buttons << button->text();
        if (button->text() == caption) button->click();
      }
    });
  }
};

TEST(QtPlatformTest, MessageBoxesStayOnTopAndReportTheButtonClicked) {
  QtPlatform platform;
  struct Case {
    BoxType type;
    Buttons buttons;
    const char* click;
    Answer answer;
    QMessageBox::Icon icon;
  };
  for (const Case& c :
       {Case{BoxType::Warning, Buttons::YesNoCancel, "いいえ(&N)", Answer::No,
             QMessageBox::Warning},
        Case{BoxType::Confirmation, Buttons::YesNoCancel, "はい(&Y)", Answer::Yes,
             QMessageBox::Question},
        Case{BoxType::Error, Buttons::OkCancel, "OK", Answer::Ok, QMessageBox::Critical},
        Case{BoxType::Confirmation, Buttons::OkCancel, "キャンセル", Answer::Cancel,
             QMessageBox::Question}}) {
    BoxReply reply;
    reply.caption = QString::fromUtf8(c.click);
    reply.Arm();
    EXPECT_EQ(platform.MessageBox(c.type, c.buttons, "text"), c.answer) << c.click;
    EXPECT_TRUE(reply.onTop);
    EXPECT_EQ(reply.icon, c.icon);
    EXPECT_EQ(reply.buttons.size(), c.buttons == Buttons::OkCancel ? 2 : 3);
  }
}

}  // namespace
}  // namespace kumo
