// The Qt message box behind every question: its buttons, its answer, that it stays on top, and
// that long paths in its text keep it on the screen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>

#include "platform/Glyphs.h"
#include "platform/QtPlatform.h"

namespace kumo {
namespace {

// Answers the box that is about to open by clicking the button with this caption (the first
// button when none is given), after recording what the box showed.
struct BoxReply {
  QString caption;
  QStringList buttons;
  bool onTop = false;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QRect frame;
  QString title;
  QString text;
  bool textFits = false;  // no line is cut off at the box's edge

  void Arm() {
    QTimer::singleShot(0, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      onTop = box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
      icon = box->icon();
      frame = box->frameGeometry();
      title = box->windowTitle();
      text = box->text();
      const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
      textFits = label != nullptr && label->minimumSizeHint().width() <= label->width();
      for (QAbstractButton* button : box->buttons()) buttons << button->text();
      for (QAbstractButton* button : box->buttons()) {
        if (caption.isEmpty() || button->text() == caption) {
          button->click();
          break;
        }
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
             QMessageBox::Question},
        Case{BoxType::Warning, Buttons::OverwriteSaveAsCancel, "名前を付けて保存(&A)", Answer::No,
             QMessageBox::Warning},
        Case{BoxType::Warning, Buttons::OverwriteSaveAsCancel, "上書き(&O)", Answer::Yes,
             QMessageBox::Warning}}) {
    BoxReply reply;
    reply.caption = QString::fromUtf8(c.click);
    reply.Arm();
    EXPECT_EQ(platform.MessageBox(c.type, c.buttons, "text"), c.answer) << c.click;
    EXPECT_TRUE(reply.onTop);
    EXPECT_EQ(reply.icon, c.icon);
    EXPECT_EQ(reply.buttons.size(), c.buttons == Buttons::OkCancel ? 2 : 3);
  }
}

// Paths run long without a space: a box must still fit on the screen, cut no line off, and keep
// both ends of its text, where the message and the file's name stand. The error box of a failed
// command is titled like the other error boxes.
TEST(QtPlatformTest, BoxesWithLongPathsFitOnTheScreen) {
  QtPlatform platform;
  const std::string text = "\"/home/" + std::string(3000, 'a') + ".kmt\" を開けません。";
  const QSize screen = QApplication::primaryScreen()->availableGeometry().size();
  for (bool error : {false, true}) {
    BoxReply reply;
    reply.Arm();
    if (error) {
      platform.ErrorBox(text);
    } else {
      platform.MessageBox(BoxType::Confirmation, Buttons::YesNoCancel, text);
    }
    EXPECT_EQ(reply.title.toStdString(), error ? "エラー" : "確認");
    EXPECT_EQ(reply.frame.size().boundedTo(screen), reply.frame.size()) << error;
    EXPECT_TRUE(reply.textFits) << error;
    const std::string shown = reply.text.remove(QChar(0x200B)).toStdString();
    EXPECT_TRUE(shown.starts_with("\"/home/aaa") && shown.ends_with("aaa.kmt\" を開けません。"))
        << shown;
  }
}

// On a 200 % screen a button asks for a 32-pixel glyph: it is drawn at that size, not the
// 16-pixel one blown up.
TEST(QtPlatformTest, DrawnGlyphsAreDrawnAtTheSizeAScreenAsksFor) {
  for (const QIcon& glyph : {HelpGlyph(), PrinterGlyph()}) {
    const QImage large = glyph.pixmap(32).toImage();
    ASSERT_EQ(large.size(), QSize(32, 32));
    EXPECT_NE(large, glyph.pixmap(16).toImage().scaled(32, 32).convertToFormat(large.format()));
  }
}

// Qt's colour and printer dialogs have a Help button, as the program's own dialogs do, for
// their topics; Help buttons draw the program's glyph, not an icon theme's.
TEST(QtPlatformTest, TheColourAndPrinterDialogsOfferTheirHelp) {
  EXPECT_EQ(QApplication::style()->standardIcon(QStyle::SP_DialogHelpButton).pixmap(16).toImage(),
            HelpGlyph().pixmap(16).toImage());
  struct HelpAsked : QtPlatform {
    std::vector<int> topics;
    void ShowHelp(HelpView /*view*/, int context) override { topics.push_back(context); }
  } platform;
  const auto clickHelp = [] {
    QTimer::singleShot(0, [] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      auto* help = dialog->findChild<QPushButton*>(QStringLiteral("HelpBtn"));
      ASSERT_NE(help, nullptr);
      help->click();
      dialog->reject();
    });
  };
  clickHelp();
  EXPECT_FALSE(platform.ChooseColor(nullptr, 0).has_value());
  clickHelp();
  EXPECT_FALSE(platform.PrinterSetup(nullptr));
  EXPECT_EQ(platform.topics, (std::vector<int>{612, 613}));
}

// A name typed without an ending takes the ending of the filter chosen, as on Windows; under a
// filter of every file, the default one.
TEST(QtPlatformTest, SaveDialogNamesTakeTheChosenFiltersEnding) {
  QtPlatform platform;
  const QString dir = QDir::tempPath();
  struct Case {
    int filter;
    const char* ending;
  };
  for (const Case& c : {Case{1, ".xlsx"}, Case{2, ".txt"}}) {
    QTimer::singleShot(0, [filter = c.filter] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
      ASSERT_NE(types, nullptr);
      types->setCurrentIndex(filter);
      emit types->activated(filter);
      emit types->textActivated(types->itemText(filter));
      dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText("plan");
      QMetaObject::invokeMethod(dialog, "accept");
    });
    const auto chosen = platform.SaveFileDialog(
        nullptr, {"テキスト|*.txt|Excel ブック|*.xlsx|全て|*.*", "txt", "", dir.toStdString(), ""});
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(*chosen, (dir + "/plan" + c.ending).toStdString());
  }
}

}  // namespace
}  // namespace kumo
